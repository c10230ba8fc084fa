// SPDX-License-Identifier: GPL-3.0-or-later
// Text from the wire and from files: UTF-8, and Windows-1252 for bytes that are not.
#include <gtest/gtest.h>

#include "text/text_codec.h"

using hexaline::text::decodeText;
using hexaline::text::encodeText;

TEST(TextCodec, ReadsUtf8AndFallsBackByteByByteToWindows1252) {
    EXPECT_EQ(decodeText("J\xC3\xBCrgen"), QStringLiteral("J\u00FCrgen"));
    EXPECT_EQ(decodeText("\xF0\x9F\x99\x82 ok"), QString::fromUtf8("\xF0\x9F\x99\x82 ok"));
    // An 8-bit name: a lone byte is read as Windows-1252.
    EXPECT_EQ(decodeText("J\xFCrgen"), QStringLiteral("J\u00FCrgen"));
    EXPECT_EQ(decodeText("\x80 \x93quoted\x94"), QStringLiteral("\u20AC \u201Cquoted\u201D"));
    // Broken sequences never swallow the bytes after them.
    EXPECT_EQ(decodeText("\xC3(x"), QStringLiteral("\u00C3(x"));
    EXPECT_EQ(decodeText("\xE2\x82"), QStringLiteral("\u00E2\u201A"));
    EXPECT_EQ(decodeText("\xC0\xAF"), QStringLiteral("\u00C0\u00AF"));  // overlong "/"
}

TEST(TextCodec, WritesUtf8ThatNeverHoldsTheTerminatorByte) {
    const QString all = QStringLiteral("\u00FF\u00FE \u20AC \U0001F642 plain");
    const QByteArray bytes = encodeText(all);
    EXPECT_FALSE(bytes.contains('\xFF'));
    EXPECT_EQ(decodeText(bytes), all);
}
