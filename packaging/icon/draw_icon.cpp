// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the application icon: one list of shapes, written out as the scalable SVG and painted
// with QPainter into the PNG sizes of the hicolor theme. Run by hand when the icon changes:
//   hexaline-draw-icon OUTPUT_DIR
// and commit what it writes (hexaline.svg and hicolor/NxN/apps/hexaline.png).
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTextStream>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr double kCanvas = 256.0;
constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};

struct Shape {
    enum Kind { RoundRect, Circle, Polygon } kind;
    QColor fill;
    QRectF box;                   // round rectangles and circles
    double radius = 0;            // corner radius of a round rectangle
    std::vector<QPointF> points;  // polygons
};

std::vector<QPointF> regularPolygon(QPointF centre, double r, int corners, double turn) {
    std::vector<QPointF> points;
    for (int k = 0; k < corners; ++k) {
        const double a = turn + 2.0 * M_PI * k / corners;
        points.emplace_back(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
    }
    return points;
}

// A maroon table, a pale board, and a line of tiles crossed by a short column: a play.
std::vector<Shape> iconShapes() {
    std::vector<Shape> s;
    s.push_back({Shape::RoundRect, QColor(96, 0, 0), {12, 12, 232, 232}, 44, {}});
    s.push_back({Shape::RoundRect, QColor(128, 0, 0), {20, 20, 216, 216}, 38, {}});
    s.push_back({Shape::RoundRect, QColor(255, 255, 204), {40, 40, 176, 176}, 14, {}});
    const QColor tileFace(40, 36, 44);
    const double t = 50;  // tile size
    const double gap = 4;
    const double x0 = 128 - 1.5 * t - gap;  // three tiles across the middle
    const double y0 = 128 - t / 2;
    const QPointF centres[] = {{x0 + t / 2, y0 + t / 2},
                               {x0 + 1.5 * t + gap, y0 + t / 2},
                               {x0 + 2.5 * t + 2 * gap, y0 + t / 2},
                               {128, y0 - t / 2 - gap}};
    for (const QPointF& c : centres)
        s.push_back({Shape::RoundRect, tileFace, {c.x() - t / 2, c.y() - t / 2, t, t}, 7, {}});
    // One shape per tile, each in a colour of its own.
    s.push_back({Shape::Circle,
                 QColor(46, 170, 70),
                 {centres[0].x() - 15, centres[0].y() - 15, 30, 30},
                 0,
                 {}});
    s.push_back(
        {Shape::Polygon, QColor(240, 200, 30), {}, 0, regularPolygon(centres[1], 18, 6, 0)});
    s.push_back(
        {Shape::Polygon, QColor(60, 110, 230), {}, 0, regularPolygon(centres[2], 19, 4, 0)});
    s.push_back(
        {Shape::Polygon, QColor(225, 50, 50), {}, 0, regularPolygon(centres[3], 19, 3, -M_PI / 2)});
    return s;
}

QString svgColour(const QColor& c) {
    return c.name(QColor::HexRgb);
}

QString writeSvg(const std::vector<Shape>& shapes) {
    QString out;
    QTextStream svg(&out);
    svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
           "viewBox=\"0 0 256 256\">\n";
    for (const Shape& shape : shapes) {
        switch (shape.kind) {
            case Shape::RoundRect:
                svg << "  <rect x=\"" << shape.box.x() << "\" y=\"" << shape.box.y()
                    << "\" width=\"" << shape.box.width() << "\" height=\"" << shape.box.height()
                    << "\" rx=\"" << shape.radius << "\" fill=\"" << svgColour(shape.fill)
                    << "\"/>\n";
                break;
            case Shape::Circle:
                svg << "  <circle cx=\"" << shape.box.center().x() << "\" cy=\""
                    << shape.box.center().y() << "\" r=\"" << shape.box.width() / 2 << "\" fill=\""
                    << svgColour(shape.fill) << "\"/>\n";
                break;
            case Shape::Polygon: {
                svg << "  <polygon points=\"";
                for (std::size_t k = 0; k < shape.points.size(); ++k) {
                    svg << (k ? " " : "") << QString::number(shape.points[k].x(), 'f', 2) << ","
                        << QString::number(shape.points[k].y(), 'f', 2);
                }
                svg << "\" fill=\"" << svgColour(shape.fill) << "\"/>\n";
                break;
            }
        }
    }
    svg << "</svg>\n";
    return out;
}

QImage paintPng(const std::vector<Shape>& shapes, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kCanvas, size / kCanvas);
    p.setPen(Qt::NoPen);
    for (const Shape& shape : shapes) {
        p.setBrush(shape.fill);
        switch (shape.kind) {
            case Shape::RoundRect:
                p.drawRoundedRect(shape.box, shape.radius, shape.radius);
                break;
            case Shape::Circle:
                p.drawEllipse(shape.box);
                break;
            case Shape::Polygon:
                p.drawPolygon(QPolygonF(QList<QPointF>(shape.points.begin(), shape.points.end())));
                break;
        }
    }
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");  // no window is opened
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: hexaline-draw-icon OUTPUT_DIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const std::vector<Shape> shapes = iconShapes();
    QFile svg(out.filePath(QStringLiteral("hexaline.svg")));
    if (!out.mkpath(QStringLiteral(".")) || !svg.open(QIODevice::WriteOnly))
        return 1;
    svg.write(writeSvg(shapes).toUtf8());
    for (int size : kSizes) {
        const QString dir = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        out.mkpath(dir);
        if (!paintPng(shapes, size).save(out.filePath(dir + QStringLiteral("/hexaline.png"))))
            return 1;
    }
    return 0;
}
