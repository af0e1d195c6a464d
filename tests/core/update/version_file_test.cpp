#include "update/version_file.h"

#include <gtest/gtest.h>

namespace quilldar::update {
namespace {

TEST(VersionFile, TakesTheCharactersAtOffsetsTwoFourSixEightAfterEachMarker) {
    //                      >0123456789          >0123456789
    const QByteArray bytes = "<program>xx2y0z3w4v<faq>..1.0.0.9.<end>    ";
    ASSERT_EQ(bytes.size(), kVersionFileSize);
    const auto versions = parseVersionFile(bytes);
    ASSERT_TRUE(versions.has_value());
    EXPECT_EQ(versions->program, QStringLiteral("2034"));
    EXPECT_EQ(versions->faq, QStringLiteral("1009"));
}

TEST(VersionFile, OtherLengthsOrMissingMarkersGiveNothing) {
    const QByteArray valid = "<program>xx2y0z3w4v<faq>..1.0.0.9.<end>    ";
    EXPECT_FALSE(parseVersionFile(valid.left(42)));
    EXPECT_FALSE(parseVersionFile(valid + ' '));
    EXPECT_FALSE(parseVersionFile(QByteArray()));
    EXPECT_FALSE(parseVersionFile(QByteArray(43, 'x')));
    // The second marker must leave room for its ten bytes.
    QByteArray late = QByteArray(">..2.0.3.4.") + QByteArray(27, ' ') + ">1009";
    ASSERT_EQ(late.size(), kVersionFileSize);
    EXPECT_FALSE(parseVersionFile(late));
}

// The second field's ten bytes end exactly with the file: read. One byte later they would run
// past it: nothing.
TEST(VersionFile, SecondFieldEndingExactlyAtTheLastByteIsRead) {
    QByteArray last = QByteArray(">..2.0.3.4.") + QByteArray(21, ' ') + ">..1.0.0.9.";
    ASSERT_EQ(last.size(), kVersionFileSize);
    const auto versions = parseVersionFile(last);
    ASSERT_TRUE(versions.has_value());
    EXPECT_EQ(versions->program, QStringLiteral("2034"));
    EXPECT_EQ(versions->faq, QStringLiteral("1009"));

    QByteArray cut = QByteArray(">..2.0.3.4.") + QByteArray(22, ' ') + ">..1.0.0.9";
    ASSERT_EQ(cut.size(), kVersionFileSize);
    EXPECT_FALSE(parseVersionFile(cut));
}

}  // namespace
}  // namespace quilldar::update
