// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The phrase editor `phrases`: nine fields of at most 50 characters for the phrases of the
// buttons P1..P9, and "Done".

#include <QDialog>
#include <QString>
#include <array>

class QLineEdit;
class QPushButton;

namespace hexaline::chat {

class PhraseEditor : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kFields = 9;
    static constexpr int kMaxLength = 50;

    explicit PhraseEditor(QWidget* parent = nullptr);

    QLineEdit* field(int k) const { return fields_.at(static_cast<std::size_t>(k - 1)); }
    QPushButton* doneButton;

  signals:
    void doneClicked();  // "Done" was pressed

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::array<QLineEdit*, kFields> fields_{};
};

}  // namespace hexaline::chat
