#include <gtest/gtest.h>

#include <QBuffer>
#include <QTemporaryDir>

#include <cmath>
#include <limits>
#include <string>

#include "files/csv_export.h"
#include "support/fixture_recordings.h"
#include "support/recording_builder.h"
#include "vehicle/english_texts.h"

namespace quilldar::files {
namespace {

std::string number(double value) {
    std::string out;
    appendCsvNumber(out, value);
    return out;
}

TEST(CsvNumber, RoundedToThreeDecimalsWithoutTrailingZeros) {
    EXPECT_EQ(number(1254.5), "1254.5");
    EXPECT_EQ(number(3000.0), "3000");
    EXPECT_EQ(number(0.35), "0.35");
    EXPECT_EQ(number(0.05), "0.05");
    EXPECT_EQ(number(0.0), "0");
    EXPECT_EQ(number(-10.25), "-10.25");
    EXPECT_EQ(number(0.0004), "0");
    EXPECT_EQ(number(-5.0), "-5");
    EXPECT_EQ(number(-0.0004), "0");  // not "-0"
    EXPECT_EQ(number(1254.9019607843138), "1254.902");
    EXPECT_EQ(number(0.9996), "1");
    EXPECT_EQ(number(266.0), "266");
}

// A value too long for a small conversion buffer was written as 0.
TEST(CsvNumber, HugeValuesKeepAllTheirIntegerDigits) {
    EXPECT_EQ(number(std::ldexp(1.0, 200)),
              "1606938044258990275541962092341162602522202993782792835301376");
    EXPECT_EQ(number(-1e100), "-10000000000000000159028911097599180468360808563945281389781327557747838772170381060813469985856815104");
    const std::string largest = number(std::numeric_limits<double>::max());
    EXPECT_EQ(largest.size(), 309u);
    EXPECT_EQ(largest.substr(0, 6), "179769");
    EXPECT_EQ(number(-std::numeric_limits<double>::max()), "-" + largest);
    EXPECT_EQ(number(std::numeric_limits<double>::denorm_min()), "0");
}

TEST(CsvLines, HeaderAndDataLineLayout) {
    const vehicle::ChannelNames& names = vehicle::englishChannelNames();
    EXPECT_EQ(csvHeader({0, 1, 9, 8}, names),
              "Engine speed;Throttle position;Vehicle speed;Battery voltage");

    vehicle::LiveValueSlots values;
    values.setLatest(0, 1254.5);
    values.setLatest(1, 0.35);
    values.setLatest(9, 12);
    std::string line;
    appendCsvDataLine(line, values, {0, 1, 9, 8});
    EXPECT_EQ(line, "=\"1254.5\";=\"0.35\";=\"12\";=\"0\";\r\n");
    EXPECT_FALSE(isValidChannelSelection({0, 1, 2, 23}));
    EXPECT_FALSE(isValidChannelSelection({-1, 1, 2, 3}));
    EXPECT_TRUE(isValidChannelSelection({22, 0, 22, 0}));
}

class CsvExportTest : public ::testing::Test {
protected:
    QByteArray exportOf(const QByteArray& recording, const CsvExportOptions& options) {
        const QString path = dir_.filePath(QStringLiteral("r.QLS"));
        EXPECT_TRUE(testing::writeFile(path, recording));
        EXPECT_EQ(file_.load(path), LoadResult::Loaded);
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        EXPECT_TRUE(exportRecording(file_, decoder_, values_, options, out));
        return out.data();
    }
    CsvExportOptions options(ChannelSelection channels) {
        CsvExportOptions o;
        o.channels = channels;
        o.names = vehicle::englishChannelNames();
        return o;
    }

    QTemporaryDir dir_;
    RecordingFile file_;
    vehicle::LiveValueSlots values_;
    settings::LanguageTable texts_;
    pages::ChannelDecoders decoder_{values_, texts_};
};

// Values worked out by hand from the fixture's bytes: engine speed digit 2 (160·A / 2.55),
// throttle digit 1 (125·A / 255), coolant digit 2 (A − 40), battery (20·A / 255, nothing above
// 18 V). The record with the wrong checksum and the trouble-code answers repeat the last values.
TEST_F(CsvExportTest, EngineSessionRoundTrip) {
    const QByteArray csv = exportOf(testing::engineSessionRecording(), options({0, 1, 3, 8}));
    EXPECT_EQ(csv,
              "Engine speed;Throttle position;Engine coolant / oil temperature;Battery voltage\r\n"
              "=\"1254.902\";=\"25\";=\"90\";=\"12.549\";\r\n"
              "=\"1882.353\";=\"49.02\";=\"80\";=\"17.961\";\r\n"
              "=\"1882.353\";=\"49.02\";=\"80\";=\"17.961\";\r\n"
              "=\"1882.353\";=\"49.02\";=\"80\";=\"17.961\";\r\n"
              "=\"1882.353\";=\"49.02\";=\"80\";=\"17.961\";\r\n"
              "=\"0\";=\"0\";=\"-40\";=\"0\";\r\n");
    EXPECT_EQ(file_.position(), 0u);  // rewound for the next reader
}

TEST_F(CsvExportTest, UnitsApplyToTheExportedValues) {
    CsvExportOptions o = options({3, 3, 0, 0});
    o.units.temperature = 1;
    const QByteArray csv = exportOf(testing::engineSessionRecording(), o);
    EXPECT_TRUE(csv.contains("=\"194\";=\"194\";=\"1254.902\";"));
    EXPECT_TRUE(csv.endsWith("=\"-40\";=\"-40\";=\"0\";=\"0\";\r\n"));
}

TEST_F(CsvExportTest, SecondSchemeKeepsRecordsWithWrongChecksums) {
    const QByteArray csv = exportOf(testing::secondSchemeRecording(), options({0, 1, 2, 3}));
    const QList<QByteArray> lines = csv.split('\n');
    ASSERT_EQ(lines.size(), 6);  // header, four data lines, and the empty rest after the last LF
    EXPECT_EQ(lines[1], "=\"0\";=\"0\";=\"0\";=\"0\";\r");  // the 0x8A answer: nothing decoded yet
    EXPECT_TRUE(lines[2].startsWith("=\"1053.922\";"));     // 256·10 / 2.55 + 128·100 ÷ 255
    EXPECT_TRUE(lines[3].startsWith("=\"501.961\";"));      // checksum wrong, decoded anyway
    EXPECT_TRUE(lines[4].startsWith("=\"401.569\";"));
}

TEST_F(CsvExportTest, OneLinePerRecordAfterTheIdentification) {
    testing::RecordingBuilder recording;
    recording.addIdentification(0, "71820-12F00", "12F0");
    for (int i = 0; i < 101; ++i)
        recording.add(0, testing::engineLiveFrame({{17, static_cast<std::uint8_t>(i)}}));
    const QByteArray csv = exportOf(recording.bytes(), options(kDefaultChannels));
    EXPECT_EQ(csv.count("\r\n"), 102);
    EXPECT_EQ(csv.count('\n'), 102);
    EXPECT_TRUE(csv.endsWith("=\"6274.51\";=\"0\";=\"0\";=\"-40\";\r\n"));  // 160·100 / 2.55
}

TEST_F(CsvExportTest, HeaderUsesTheGivenNamesAndEncoding) {
    CsvExportOptions o = options(kDefaultChannels);
    o.names[0] = QStringLiteral("Drehzahl \u00FC");
    o.encode = [](const QString& text) { return text.toUtf8(); };
    const QByteArray csv = exportOf(testing::engineSessionRecording(), o);
    EXPECT_TRUE(csv.startsWith("Drehzahl \xC3\xBC;Throttle position;"))
        << csv.left(40).toStdString();
}

TEST_F(CsvExportTest, InvalidChannelsAndFailedWritesAreReported) {
    const QString path = dir_.filePath(QStringLiteral("r.QLS"));
    ASSERT_TRUE(testing::writeFile(path, testing::engineSessionRecording()));
    ASSERT_EQ(file_.load(path), LoadResult::Loaded);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    EXPECT_FALSE(exportRecording(file_, decoder_, values_, options({0, 1, 2, 40}), out));
    QBuffer closed;  // never opened: every write fails
    EXPECT_FALSE(exportRecording(file_, decoder_, values_, options(kDefaultChannels), closed));
}

}  // namespace
}  // namespace quilldar::files
