// quilldar-tool compare: two recordings side by side, as a mechanic compares a bike with a good
// one.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "support/recording_builder.h"
#include "support/tool_run.h"

namespace {

using quilldar::testing::engineLiveFrame;
using quilldar::testing::RecordingBuilder;
using quilldar::testing::runTool;
using quilldar::testing::troubleCodeAnswer;

class CompareCommand : public ::testing::Test {
protected:
    void SetUp() override {
        // A: coolant 90 and 100 °C (bytes 130, 140), P0105 and P0351 stored; 12 V battery.
        RecordingBuilder a;
        a.addIdentification(0, "71820-12F00", "12F0");
        a.add(5, troubleCodeAnswer({{0x01, 0x05, 0x60}, {0x03, 0x51, 0x20}}));
        a.add(0, engineLiveFrame({{21, 130}, {24, 153}}));
        a.add(0, engineLiveFrame({{21, 140}, {24, 153}}));
        ASSERT_TRUE(a.writeTo(pathA()));
        // B: coolant 80 °C, P0351 and P0115 stored.
        RecordingBuilder b;
        b.addIdentification(0, "71820-12F00", "12F0");
        b.add(5, troubleCodeAnswer({{0x03, 0x51, 0x20}, {0x01, 0x15, 0x60}}));
        b.add(0, engineLiveFrame({{21, 120}, {24, 153}}));
        ASSERT_TRUE(b.writeTo(pathB()));
    }
    QString pathA() const { return dir_.filePath(QStringLiteral("good.QLS")); }
    QString pathB() const { return dir_.filePath(QStringLiteral("customer.QLS")); }
    QTemporaryDir dir_;
};

TEST_F(CompareCommand, CodesSplitAndChannelStatisticsAsJson) {
    const auto run = runTool({"compare", pathA(), pathB(), "--channels", "3,8,2", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject result = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(result["a"].toObject()["ecmCode"].toString(), "12F0");
    EXPECT_EQ(result["a"].toObject()["records"].toInt(), 5);
    EXPECT_EQ(result["b"].toObject()["ecmPartNumber"].toString(), "71820-12F00");

    const QJsonObject codes = result["codes"].toObject();
    ASSERT_EQ(codes["onlyA"].toArray().size(), 1);
    EXPECT_EQ(codes["onlyA"].toArray()[0].toObject()["code"].toString(), "P0105");
    EXPECT_EQ(codes["onlyA"].toArray()[0].toObject()["description"].toString(),
              "Manifold absolute pressure circuit malfunction 1");
    ASSERT_EQ(codes["onlyB"].toArray().size(), 1);
    EXPECT_EQ(codes["onlyB"].toArray()[0].toObject()["code"].toString(), "P0115");
    ASSERT_EQ(codes["both"].toArray().size(), 1);
    EXPECT_EQ(codes["both"].toArray()[0].toObject()["code"].toString(), "P0351");

    const QJsonArray channels = result["channels"].toArray();
    ASSERT_EQ(channels.size(), 3);
    const QJsonObject coolant = channels[0].toObject();
    EXPECT_EQ(coolant["name"].toString(), "Engine coolant / oil temperature");
    // The code answers carry no coolant: only the live records count.
    EXPECT_DOUBLE_EQ(coolant["a"].toObject()["min"].toDouble(), 90.0);
    EXPECT_DOUBLE_EQ(coolant["a"].toObject()["mean"].toDouble(), 95.0);
    EXPECT_DOUBLE_EQ(coolant["a"].toObject()["max"].toDouble(), 100.0);
    EXPECT_DOUBLE_EQ(coolant["b"].toObject()["mean"].toDouble(), 80.0);
    EXPECT_DOUBLE_EQ(coolant["meanDifference"].toDouble(), -15.0);
    EXPECT_DOUBLE_EQ(channels[1].toObject()["b"].toObject()["max"].toDouble(), 12.0);  // 20·153 / 255
    // The 12F0 has no secondary throttle: no reading on either side, no difference.
    EXPECT_TRUE(channels[2].toObject()["a"].isNull());
    EXPECT_TRUE(channels[2].toObject()["meanDifference"].isNull());
}

TEST_F(CompareCommand, TextNamesBothRidesTheirCodesAndChannels) {
    const auto run = runTool({"compare", pathA(), pathB(), "--language", "German"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString text = QString::fromUtf8(run.out);
    EXPECT_TRUE(text.startsWith("A: good.QLS\n  ECM ID: 71820-12F00 (12F0), 5 records, 0.75 s\nB: customer.QLS"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("Trouble codes only in B:\n  P0115 ")) << text.toStdString();
    // Without --channels every channel both units offer, in the chosen language.
    EXPECT_FALSE(text.contains("Engine speed"));
    EXPECT_EQ(text.count(QStringLiteral(": A ")), 23) << text.toStdString();
    // The difference of the means is B's less A's: coolant 80 against 95 °C.
    EXPECT_TRUE(text.contains(QStringLiteral(" / 80; -15\n"))) << text.toStdString();
}

// Without --channels only the channels both units offer are compared: an engine and an ABS
// share none, and the trouble codes are still set side by side.
TEST_F(CompareCommand, UnitsWithoutSharedChannelsCompareNoChannel) {
    const QString abs = dir_.filePath(QStringLiteral("abs.QLS"));
    RecordingBuilder recording;
    recording.addIdentification(3, "47850-10G00", "10G0", false, quilldar::link::address::kAbs);
    recording.add(3, engineLiveFrame({{13, 50}, {14, 49}, {18, 255}}, 0x00, quilldar::link::address::kAbs));
    ASSERT_TRUE(recording.writeTo(abs));
    const auto run = runTool({"compare", pathA(), abs, "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject result = QJsonDocument::fromJson(run.out).object();
    EXPECT_TRUE(result["channels"].toArray().isEmpty()) << run.out.toStdString();
    EXPECT_EQ(result["codes"].toObject()["onlyA"].toArray().size(), 2);
}

TEST_F(CompareCommand, AnUnreadableRecordingIsAnErrorWithItsReason) {
    const QString broken = dir_.filePath(QStringLiteral("broken.QLS"));
    ASSERT_TRUE(quilldar::testing::writeFile(broken, QByteArray(100, '\x01')));
    auto run = runTool({"compare", pathA(), broken});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("broken.QLS")) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    run = runTool({"compare", pathA()});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("two recording files"));
    run = runTool({"compare", pathA(), pathB(), "--channels", "0,99"});
    EXPECT_EQ(run.exitCode, 2);
}

}  // namespace
