#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "files/recording_file.h"
#include "support/fixture_recordings.h"
#include "support/recording_builder.h"

namespace quilldar::files {
namespace {

using testing::engineLiveFrame;
using testing::RecordingBuilder;

class RecordingFileTest : public ::testing::Test {
protected:
    QString write(const QByteArray& bytes, const QString& name = QStringLiteral("test.QLS")) {
        const QString path = dir_.filePath(name);
        EXPECT_TRUE(testing::writeFile(path, bytes));
        return path;
    }
    LoadResult load(const QByteArray& bytes) { return file_.load(write(bytes)); }

    QTemporaryDir dir_;
    RecordingFile file_;
};

TEST_F(RecordingFileTest, LengthMustBeAWholeNumberOfRecords) {
    EXPECT_EQ(load(QByteArray()), LoadResult::Corrupted);
    EXPECT_FALSE(file_.isOpen());

    RecordingBuilder ten;
    ten.addIdentification(0, "71820-12F00", "12F0");
    for (int i = 0; i < 8; ++i) ten.add(0, engineLiveFrame({{17, 20}}));
    ASSERT_EQ(ten.bytes().size(), 650);
    EXPECT_EQ(load(ten.bytes()), LoadResult::Loaded);
    EXPECT_EQ(file_.recordCount(), 10u);
    EXPECT_EQ(load(ten.bytes() + QByteArray(1, '\0')), LoadResult::Corrupted);
    EXPECT_EQ(load(ten.bytes().left(649)), LoadResult::Corrupted);
}

TEST_F(RecordingFileTest, AFrameMustAppearAmongTheFirstFiftyRecords) {
    const auto withFrameAt = [](int index) {
        RecordingBuilder recording;
        link::Report text{};
        text[1] = 'P';  // a module text reply, not a frame
        for (int i = 0; i < index; ++i) recording.addRecord(text);
        recording.add(0, engineLiveFrame({{17, 20}}));
        return recording.bytes();
    };
    EXPECT_EQ(load(withFrameAt(49)), LoadResult::Loaded);
    EXPECT_EQ(load(withFrameAt(50)), LoadResult::Corrupted);
    EXPECT_EQ(load(QByteArray(65 * 3, '\0')), LoadResult::Corrupted);
}

TEST_F(RecordingFileTest, AFileThatCannotBeOpenedIsReportedAsSuch) {
    EXPECT_EQ(file_.load(dir_.filePath(QStringLiteral("missing.QLS"))), LoadResult::CannotOpen);
    EXPECT_EQ(file_.load(dir_.path()), LoadResult::CannotOpen);  // a folder
    EXPECT_FALSE(file_.isOpen());
}

TEST_F(RecordingFileTest, IdentificationOfTheFirstScheme) {
    ASSERT_EQ(load(testing::engineSessionRecording()), LoadResult::Loaded);
    EXPECT_EQ(file_.identity().ecmPartNumber, "71820-12F00");
    EXPECT_EQ(file_.identity().ecmCode, "12F0");
    EXPECT_FALSE(file_.identity().altListVariant);
    EXPECT_EQ(file_.recordCount(), 8u);
    // Identification (0, 1), one record (2), one more (3).
    EXPECT_EQ(file_.playbackStart(), 4u);
}

TEST_F(RecordingFileTest, IdentificationOfTheSecondSchemeSkipsItsMarker) {
    ASSERT_EQ(load(testing::secondSchemeRecording()), LoadResult::Loaded);
    EXPECT_EQ(file_.identity().ecmPartNumber, "32920-31J00");
    EXPECT_EQ(file_.identity().ecmCode, "31J0");
    EXPECT_TRUE(file_.identity().altListVariant);
}

TEST_F(RecordingFileTest, MissingIdentificationLeavesItEmpty) {
    RecordingBuilder recording;
    for (int i = 0; i < 60; ++i) recording.add(0, engineLiveFrame({{17, 20}}));
    ASSERT_EQ(load(recording.bytes()), LoadResult::Loaded);
    EXPECT_TRUE(file_.identity().ecmPartNumber.isEmpty());
    EXPECT_TRUE(file_.identity().ecmCode.empty());
    EXPECT_FALSE(file_.identity().altListVariant);
}

TEST_F(RecordingFileTest, ErrorCodeRecordsAfterTheIdentificationMovePlaybackOn) {
    RecordingBuilder recording;
    recording.addIdentification(5, "71820-12F00", "12F0");
    for (int i = 0; i < 8; ++i) recording.add(5, testing::troubleCodeAnswer({}));
    ASSERT_EQ(load(recording.bytes()), LoadResult::Loaded);
    EXPECT_EQ(file_.playbackStart(), 2u + 1 + 3 + 1);
}

TEST_F(RecordingFileTest, ReadingBlanksWrongChecksumsUnlessSecondScheme) {
    ASSERT_EQ(load(testing::engineSessionRecording()), LoadResult::Loaded);
    ASSERT_TRUE(file_.seek(4));
    link::Report record{};
    ASSERT_TRUE(file_.read(record));
    EXPECT_EQ(record, link::Report{});  // page tag included
    ASSERT_TRUE(file_.seek(4));
    ASSERT_TRUE(file_.readRaw(record));
    EXPECT_EQ(link::frameByte(record, 17), 99);

    ASSERT_EQ(load(testing::secondSchemeRecording()), LoadResult::Loaded);
    ASSERT_TRUE(file_.seek(4));
    ASSERT_TRUE(file_.read(record));
    EXPECT_EQ(link::frameByte(record, 17), 5);
}

TEST_F(RecordingFileTest, ReadingStopsAtTheEndAndSeeksStayInside) {
    ASSERT_EQ(load(testing::engineSessionRecording()), LoadResult::Loaded);
    link::Report record{};
    int count = 0;
    file_.rewind();
    while (file_.readRaw(record)) ++count;
    EXPECT_EQ(count, 8);
    EXPECT_FALSE(file_.readRaw(record));
    EXPECT_FALSE(file_.seek(9));
    EXPECT_EQ(file_.position(), 8u);
    EXPECT_TRUE(file_.seek(7));
    EXPECT_TRUE(file_.readRaw(record));
    EXPECT_EQ(link::frameByte(record, 24), 230);
    file_.close();
    EXPECT_FALSE(file_.readRaw(record));
}

TEST_F(RecordingFileTest, LargeRecordingsReadAcrossBufferBoundaries) {
    RecordingBuilder recording;
    recording.addIdentification(0, "71820-12F00", "12F0");
    for (int i = 0; i < 10000; ++i)
        recording.add(0, engineLiveFrame({{17, static_cast<std::uint8_t>(i)}}));
    ASSERT_EQ(load(recording.bytes()), LoadResult::Loaded);
    link::Report record{};
    ASSERT_TRUE(file_.seek(2));
    for (int i = 0; i < 10000; ++i) {
        ASSERT_TRUE(file_.read(record));
        ASSERT_EQ(link::frameByte(record, 17), static_cast<std::uint8_t>(i)) << i;
    }
    EXPECT_FALSE(file_.read(record));
}

TEST(RecordingSummary, SegmentsAndChecksumErrors) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.QLS"));
    ASSERT_TRUE(testing::writeFile(path, testing::engineSessionRecording()));
    RecordingFile file;
    ASSERT_EQ(file.load(path), LoadResult::Loaded);
    const RecordingSummary summary = summarizeRecording(file);
    ASSERT_EQ(summary.segments.size(), 3u);
    EXPECT_EQ(summary.segments[0].page, 0);
    EXPECT_EQ(summary.segments[0].records, 5u);
    EXPECT_EQ(summary.segments[1].page, 5);
    EXPECT_EQ(summary.segments[1].records, 2u);
    EXPECT_EQ(summary.segments[2].records, 1u);
    EXPECT_EQ(summary.checksumErrors, 1u);
    EXPECT_EQ(file.position(), 0u);
}

TEST(DurationText, ThreeSignificantDigitsAndTwoDecimals) {
    const QString sec = QStringLiteral(" sec");
    EXPECT_EQ(durationText(10, sec), "1.50 sec");
    EXPECT_EQ(durationText(100, sec), "15 sec");
    EXPECT_EQ(durationText(103, sec), "15.40 sec");  // 15.45 to three digits, then a second decimal
    EXPECT_EQ(durationText(1, sec), "0.15 sec");
    EXPECT_EQ(durationText(2, sec), "0.30 sec");  // "0.3" gets its second decimal
    EXPECT_EQ(durationText(0, sec), "0 sec");
    EXPECT_EQ(durationText(1000, sec), "150 sec");
    EXPECT_EQ(durationText(240000, sec), "3.6e+004 sec");
    EXPECT_EQ(durationText(100, QStringLiteral(" s")), "15 s");
}

}  // namespace
}  // namespace quilldar::files
