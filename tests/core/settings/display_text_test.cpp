#include "settings/display_text.h"

#include <gtest/gtest.h>

namespace quilldar::settings {
namespace {

TEST(DisplayTextTest, EachPairOrLoneCharacterIsOneLineBreak) {
    EXPECT_EQ(displayText(QStringLiteral("a\r\nb")), "a\nb");
    EXPECT_EQ(displayText(QStringLiteral("a\n\rb")), "a\nb");
    EXPECT_EQ(displayText(QStringLiteral("a\rb\nc")), "a\nb\nc");
    // The model lists' extra LF and the About paragraphs' extra CR leave one empty line.
    EXPECT_EQ(displayText(QStringLiteral("a,\r\n\nb")), "a,\n\nb");
    EXPECT_EQ(displayText(QStringLiteral("a.\n\r\rb")), "a.\n\nb");
    EXPECT_EQ(displayText(QStringLiteral("a\r\n\r\nb")), "a\n\nb");
    EXPECT_EQ(displayText(QStringLiteral("end\r\n")), "end\n");
    EXPECT_EQ(displayText(QString()), QString());
}

}  // namespace
}  // namespace quilldar::settings
