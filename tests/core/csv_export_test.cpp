#include <gtest/gtest.h>

#include <QBuffer>
#include <QTemporaryDir>

#include <cmath>
#include <limits>
#include <string>

#include "files/csv_export.h"
#include "support/fixture_recordings.h"
#include "support/recording_builder.h"
#include "settings/languages.h"
#include "settings/settings.h"

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
    settings::Settings settings;
    settings::LanguageTable texts;
    texts.fill(settings::kEnglish, settings);
    EXPECT_EQ(csvHeader({0, 1, 9, 8}, texts), "Engine speed;Throttle position;Vehicle speed;Battery voltage");
    EXPECT_EQ(csvHeader({pages::kAbsFirstChannel, 24, 25, pages::kEpsFirstChannel + 4}, texts),
              "Wheel speed sensor (Front);Wheel speed sensor (Rear);Monitoring voltage;Steering torque main");

    vehicle::LiveValueSlots values;
    values.setLatest(0, 1254.5);
    values.setLatest(1, 0.35);
    values.setLatest(9, 12);
    values.setLatest(8, 0.0);
    std::string line;
    appendCsvDataLine(line, values, {0, 1, 9, 8});
    EXPECT_EQ(line, "=\"1254.5\";=\"0.35\";=\"12\";=\"0\";\r\n");
    // A channel that never held a reading has an empty field, not an invented 0.
    line.clear();
    appendCsvDataLine(line, values, {0, 2, 9, 3});
    EXPECT_EQ(line, "=\"1254.5\";;=\"12\";;\r\n");
    EXPECT_FALSE(isValidChannelSelection({0, 1, 2, pages::kGraphChannelCount}));
    EXPECT_FALSE(isValidChannelSelection({-1, 1, 2, 3}));
    EXPECT_TRUE(isValidChannelSelection({22, 0, 23, 55}));
}

class CsvExportTest : public ::testing::Test {
protected:
    void SetUp() override { texts_.fill(settings::kEnglish, settings_); }
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
        o.texts = &texts_;
        return o;
    }

    QTemporaryDir dir_;
    RecordingFile file_;
    vehicle::LiveValueSlots values_;
    settings::Settings settings_;
    settings::LanguageTable texts_;
    pages::ChannelDecoders decoder_{values_, texts_};
};

// Values worked out by hand from the fixture's bytes: engine speed digit 2 (160·A / 2.55),
// throttle digit 1 (125·A / 255), coolant digit 2 (A − 40), battery (20·A / 255, nothing above
// 18 V: "---" and 0). The record with the wrong checksum (blanked) and the trouble-code answers
// carry no reading: they add no line.
TEST_F(CsvExportTest, EngineSessionRoundTrip) {
    const QByteArray csv = exportOf(testing::engineSessionRecording(), options({0, 1, 3, 8}));
    EXPECT_EQ(csv,
              "Engine speed;Throttle position;Engine coolant / oil temperature;Battery voltage\r\n"
              "=\"1254.902\";=\"25\";=\"90\";=\"12.549\";\r\n"
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
    // The header, three data lines (the code answer before them adds none), the empty rest.
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines[1].startsWith("=\"1053.922\";"));  // 256·10 / 2.55 + 128·100 ÷ 255
    EXPECT_TRUE(lines[2].startsWith("=\"501.961\";"));   // checksum wrong, decoded anyway
    EXPECT_TRUE(lines[3].startsWith("=\"401.569\";"));
}

TEST_F(CsvExportTest, OneLinePerRecordAfterTheIdentification) {
    testing::RecordingBuilder recording;
    recording.addIdentification(0, "71820-12F00", "12F0");
    for (int i = 0; i < 101; ++i)
        recording.add(0, testing::engineLiveFrame({{17, static_cast<std::uint8_t>(i)}}));
    const QByteArray csv = exportOf(recording.bytes(), options(kDefaultChannels));
    EXPECT_EQ(csv.count("\r\n"), 102);
    EXPECT_EQ(csv.count('\n'), 102);
    // 160·100 / 2.55; this engine has no secondary throttle: its field stays empty.
    EXPECT_TRUE(csv.endsWith("=\"6274.51\";=\"0\";;=\"-40\";\r\n"));
}

// The extra fields (a reference ride's columns) get each exported line's time from the start of
// the live data: 0 for the first record after the identification, 0.15 s a record; a record
// without a reading of the channels adds no line but its time passes.
TEST_F(CsvExportTest, ExtraFieldsGetEachLinesTimeFromTheFirstRecord) {
    testing::RecordingBuilder recording;
    recording.addIdentification(0, "71820-12F00", "12F0");
    recording.add(0, testing::engineLiveFrame({{17, 1}}));
    recording.add(0, testing::engineLiveFrame({{17, 2}}));
    recording.add(5, testing::troubleCodeAnswer({{0x01, 0x05, 0x60}}));
    recording.add(0, testing::engineLiveFrame({{17, 3}}));
    CsvExportOptions o = options(kDefaultChannels);
    std::vector<double> times;
    o.extraFields = [&times](std::string& line, double seconds) {
        times.push_back(seconds);
        line += "x;";
    };
    const QByteArray csv = exportOf(recording.bytes(), o);
    ASSERT_EQ(times.size(), 3u);
    EXPECT_DOUBLE_EQ(times[0], 0.0);
    EXPECT_DOUBLE_EQ(times[1], 0.15);
    EXPECT_NEAR(times[2], 0.45, 1e-12);
    EXPECT_EQ(csv.count(";x;\r\n"), 3);
}

TEST_F(CsvExportTest, HeaderUsesTheLanguageAndEncoding) {
    settings::LanguageTable russian;
    russian.fill(settings::kRussian, settings_);
    CsvExportOptions o = options(kDefaultChannels);
    o.texts = &russian;
    o.encode = [](const QString& text) { return text.toUtf8(); };
    const QByteArray csv = exportOf(testing::engineSessionRecording(), o);
    const QString name = russian.text(settings::TextGroup::EnginePage, 0);
    ASSERT_NE(name, QStringLiteral("Engine speed"));
    EXPECT_TRUE(csv.startsWith(name.toUtf8() + ';')) << csv.left(40).toStdString();
}

// An ABS module answers two blocks in turn: wheel speeds and voltage (0x00), fault flags (0x08).
// Its export holds the module's own channels; a line comes from each block that carries one of
// them, the other channels keeping the value they last read. A fault flag reads 1 for "Normal"
// and 0 for "Abnormal", as the page stores it.
TEST_F(CsvExportTest, AbsRecordingsExportTheModulesOwnChannels) {
    testing::RecordingBuilder recording;
    recording.addIdentification(0, "ABS", "27G0", false, link::address::kAbs);
    const auto wheels = [](std::uint8_t front, std::uint8_t rear) {
        return testing::engineLiveFrame({{13, front}, {14, rear}, {18, 160}}, 0x00, link::address::kAbs);
    };
    const auto status = [](std::uint8_t flags) {
        return testing::engineLiveFrame({{13, flags}}, 0x08, link::address::kAbs);
    };
    recording.add(3, status(0x00));   // before any wheel speed: empty speed fields
    recording.add(3, wheels(40, 38));
    recording.add(3, status(0x01));  // the front inlet valve reports a fault
    recording.add(3, wheels(42, 41));
    const int front = pages::kAbsFirstChannel;
    const QByteArray csv = exportOf(recording.bytes(), options({front, front + 1, front + 2, front + 3}));
    EXPECT_EQ(csv,
              "Wheel speed sensor (Front);Wheel speed sensor (Rear);Monitoring voltage;"
              "ABS solenoid IN/V open or short (F)\r\n"
              ";;;=\"1\";\r\n"
              "=\"40\";=\"38\";=\"12.549\";=\"1\";\r\n"
              "=\"40\";=\"38\";=\"12.549\";=\"0\";\r\n"
              "=\"42\";=\"41\";=\"12.549\";=\"0\";\r\n");
}

TEST_F(CsvExportTest, EpsRecordingsExportTheModulesOwnChannels) {
    // The steering unit answers the part-number request with 0x8A and the code request with 0x8E.
    testing::RecordingBuilder recording;
    recording.add(0, link::buildResponse(link::address::kEps, std::vector<std::uint8_t>{0x5A, 0x8A, '5', '6', '0', '0', '0'}));
    recording.add(0, link::buildResponse(link::address::kEps, std::vector<std::uint8_t>{
                                                                 0x5A, 0x8E, 'S', 'W', '0', '1', '0', '4', '3', '1', 'H', '0'}));
    recording.add(4, testing::engineLiveFrame({{13, 102}, {15, 128}, {22, 60}}, 0x08, link::address::kEps));
    const int eps = pages::kEpsFirstChannel;
    const QByteArray csv = exportOf(recording.bytes(), options({eps, eps + 4, eps + 9, eps}));
    // 30·102/255 = 12 V; 275·128/255 − 138 = 0.039 Nm; 2·60 = 120 rpm.
    EXPECT_EQ(csv, "Battery voltage;Steering torque main;Engine speed;Battery voltage\r\n"
                   "=\"12\";=\"0.039\";=\"120\";=\"12\";\r\n");
}

TEST_F(CsvExportTest, InvalidChannelsAndFailedWritesAreReported) {
    const QString path = dir_.filePath(QStringLiteral("r.QLS"));
    ASSERT_TRUE(testing::writeFile(path, testing::engineSessionRecording()));
    ASSERT_EQ(file_.load(path), LoadResult::Loaded);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    EXPECT_FALSE(exportRecording(file_, decoder_, values_, options({0, 1, 2, pages::kGraphChannelCount}), out));
    QBuffer closed;  // never opened: every write fails
    EXPECT_FALSE(exportRecording(file_, decoder_, values_, options(kDefaultChannels), closed));
}

}  // namespace
}  // namespace quilldar::files
