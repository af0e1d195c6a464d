#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <algorithm>
#include <vector>

#include "support/fixture_recordings.h"
#include "support/recording_builder.h"
#include "link/kwp_frame.h"
#include "settings/registry.h"
#include "settings/settings_store.h"
#include "support/tool_run.h"

namespace {

using quilldar::testing::runTool;
using quilldar::testing::ToolRun;

QString fixture(const char* name) {
    return QDir(QStringLiteral(QUILLDAR_FIXTURES_DIR)).filePath(QString::fromLatin1(name));
}

TEST(Fixtures, CommittedRecordingsEqualWhatTheHelperBuilds) {
    for (const auto& file : quilldar::testing::fixtureFiles()) {
        EXPECT_EQ(quilldar::testing::readFile(fixture(file.name)), file.build())
            << file.name << " is stale: rebuild it with quilldar_make_fixtures tests/fixtures";
    }
}

TEST(InfoCommand, ShowsIdentificationDurationSegmentsAndChecksumErrors) {
    const ToolRun run = runTool({"info", fixture("engine_12F0.QLS")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out,
              "ECM part number: 71820-12F00\n"
              "ECM code: 12F0\n"
              "Records: 8\n"
              "Duration: 1.20 sec\n"
              "Segments:\n"
              "  page 0 (Engine): 5 records\n"
              "  page 5 (Error codes): 2 records\n"
              "  page 0 (Engine): 1 records\n"
              "Checksum errors: 1\n");
}

// A recording that starts without the identification answers (a unit that never gave them) says
// so with the placeholder, not with an empty field.
TEST(InfoCommand, MissingIdentificationShowsThePlaceholders) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plain.QLS"));
    quilldar::testing::RecordingBuilder recording;
    for (int i = 0; i < 6; ++i) recording.add(0, quilldar::testing::engineLiveFrame({{17, 10}}));
    ASSERT_TRUE(recording.writeTo(path));
    ToolRun run = runTool({"info", path});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith("ECM part number: ---\nECM code: ---\n")) << run.out.toStdString();

    // A part-number answer whose text is empty (NUL from its first byte) reads the same.
    quilldar::testing::RecordingBuilder blank;
    blank.add(0, quilldar::link::buildResponse(quilldar::link::address::kEngine,
                                               std::vector<std::uint8_t>{0x5A, 0x91, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    blank.add(0, quilldar::link::buildResponse(quilldar::link::address::kEngine,
                                               std::vector<std::uint8_t>{0x5A, 0x9A, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    for (int i = 0; i < 4; ++i) blank.add(0, quilldar::testing::engineLiveFrame({{17, 10}}));
    ASSERT_TRUE(blank.writeTo(path));
    run = runTool({"info", path});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith("ECM part number: ---\nECM code: ---\n")) << run.out.toStdString();
}

TEST(InfoCommand, JsonHasTheDocumentedKeys) {
    const ToolRun run = runTool({"info", fixture("second_scheme_31J0.QLS"), "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QJsonParseError error{};
    const QJsonObject info = QJsonDocument::fromJson(run.out, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
    EXPECT_EQ(info.value("partNumber").toString(), "32920-31J00");
    EXPECT_EQ(info.value("ecmCode").toString(), "31J0");
    EXPECT_TRUE(info.value("altListVariant").toBool());
    EXPECT_EQ(info.value("records").toInt(), 6);
    EXPECT_EQ(info.value("duration").toString(), "0.90 sec");
    EXPECT_EQ(info.value("checksumErrors").toInt(), 1);
    const QJsonArray segments = info.value("segments").toArray();
    ASSERT_EQ(segments.size(), 1);
    EXPECT_EQ(segments[0].toObject().value("page").toInt(), 0);
    EXPECT_EQ(segments[0].toObject().value("records").toInt(), 6);
    EXPECT_EQ(info.keys().size(), 7);
}

// The 12F0 has no secondary throttle: its field stays empty. The record with a wrong checksum and
// the two trouble-code answers carry no reading and add no line.
TEST(ExportCommand, DefaultChannelsToStandardOutput) {
    const ToolRun run = runTool({"export", fixture("engine_12F0.QLS")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out,
              "Engine speed;Throttle position;Secondary throttle position;Engine coolant / oil "
              "temperature\r\n"
              "=\"1254.902\";=\"25\";;=\"90\";\r\n"
              "=\"1882.353\";=\"49.02\";;=\"80\";\r\n"
              "=\"0\";=\"0\";;=\"-40\";\r\n");
}

// The ABS module's recording exports its own first four channels by default, whatever the graph
// last stored for an engine.
TEST(ExportCommand, AnAbsRecordingExportsTheModulesChannels) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("abs.QLS"));
    quilldar::testing::RecordingBuilder recording;
    recording.addIdentification(3, "47850-10G00", "10G0", false, quilldar::link::address::kAbs);
    recording.add(3, quilldar::testing::engineLiveFrame({{13, 50}, {14, 49}, {18, 255}}, 0x00,
                                                        quilldar::link::address::kAbs));
    ASSERT_TRUE(recording.writeTo(file));
    const ToolRun run = runTool({"export", file, "--speed", "mph"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out,
              "Wheel speed sensor (Front);Wheel speed sensor (Rear);Monitoring voltage;"
              "ABS solenoid IN/V open or short (F)\r\n"
              "=\"31.069\";=\"30.447\";=\"20\";;\r\n")  // 50 and 49 km/h in mph, 20 V
        << run.out.toStdString();
}

// The same simulated ride exported in km/h and in mph: every wheel speed of every line is the
// same speed in the other unit, and the ride moves.
TEST(ExportCommand, SimulatedRideInMilesPerHourIsTheSameRideInKilometresPerHour) {
    QTemporaryDir dir;
    const QString ride = dir.filePath(QStringLiteral("abs.QLS"));
    ToolRun run = runTool({"simulate", "--unit", "abs", "--ticks", "600", "-o", ride});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const auto speeds = [&](const char* unit) {
        const ToolRun exported = runTool({"export", ride, "--channels", "23,24,25,26", "--speed", unit});
        EXPECT_EQ(exported.exitCode, 0) << exported.err.toStdString();
        std::vector<std::pair<double, double>> lines;
        for (const QByteArray& line : exported.out.split('\n').mid(1)) {
            const QList<QByteArray> fields = line.split(';');
            if (fields.size() < 2) continue;
            lines.emplace_back(fields[0].mid(2).chopped(1).toDouble(), fields[1].mid(2).chopped(1).toDouble());
        }
        return lines;
    };
    const auto kmh = speeds("kmh");
    const auto mph = speeds("mph");
    ASSERT_EQ(kmh.size(), mph.size());
    ASSERT_GT(kmh.size(), 500u);
    double fastest = 0.0;
    for (std::size_t i = 0; i < kmh.size(); ++i) {
        EXPECT_NEAR(mph[i].first, kmh[i].first / 1.609344, 0.01) << "line " << i + 1;
        EXPECT_NEAR(mph[i].second, kmh[i].second / 1.609344, 0.01) << "line " << i + 1;
        fastest = std::max(fastest, kmh[i].second);
    }
    EXPECT_GT(fastest, 60.0);
}

TEST(ExportCommand, ChannelsUnitsAndOutputFile) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.csv"));
    ASSERT_TRUE(quilldar::testing::writeFile(out, "old contents"));
    const ToolRun run =
        runTool({"export", fixture("engine_12F0.QLS"), "--channels", "3,8,5,0", "--temperature=F",
                 "--pressure", "psig", "--speed", "mph", "-o", out});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    const QByteArray csv = quilldar::testing::readFile(out);
    const QList<QByteArray> lines = csv.split('\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0],
              "Engine coolant / oil temperature;Battery voltage;Manifold absolute pressure "
              "1;Engine speed\r");
    // MAP1 digit 2 with byte 0: 0 kPa; coolant 90 °C = 194 °F.
    EXPECT_EQ(lines[1], "=\"194\";=\"12.549\";=\"0\";=\"1254.902\";\r");
    EXPECT_EQ(lines[3], "=\"-40\";=\"0\";=\"0\";=\"0\";\r");
}

TEST(ExportCommand, EveryPressureUnitOnANonZeroPressure) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("pressure.QLS"));
    quilldar::testing::RecordingBuilder recording;
    recording.addIdentification(0, "71820-12F00", "12F0");
    // Manifold absolute pressure 1 (frame byte 20) with variant 2 of model 12F0:
    // 126.7 * 204 / 255 = 101.36 kPa; the export writes up to three decimals.
    recording.add(0, quilldar::testing::engineLiveFrame({{20, 204}}));
    ASSERT_TRUE(recording.writeTo(file));
    const struct {
        const char* unit;
        const char* value;
    } cases[] = {{"kPa", "101.36"}, {"mmHg", "760.2"}, {"inHg", "29.901"}, {"psig", "14.697"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.unit);
        const ToolRun run = runTool({"export", file, "--channels", "5,5,5,5", "--pressure", c.unit});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QList<QByteArray> lines = run.out.split('\n');
        ASSERT_GE(lines.size(), 2);
        const QByteArray cell = "=\"" + QByteArray(c.value) + "\";";
        EXPECT_EQ(lines[1], cell + cell + cell + cell + "\r");
    }
}

TEST(ExportCommand, HeaderInTheLanguageAndItsCodePage) {
    ToolRun run = runTool({"export", fixture("engine_12F0.QLS"), "--language", "German"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    // "Kühlmittel-/Öltemperatur" in Windows-1252: ü is 0xFC, Ö is 0xD6.
    const QByteArray header = run.out.left(run.out.indexOf("\r\n"));
    EXPECT_TRUE(header.startsWith("Motordrehzahl;"));
    EXPECT_TRUE(header.contains("K\xFChlmittel-/\xD6ltemperatur"));

    run = runTool({"export", fixture("engine_12F0.QLS"), "--language", "7"});
    ASSERT_EQ(run.exitCode, 0);
    // Russian in Windows-1251: the first letter of the first channel name is a capital Cyrillic O.
    EXPECT_EQ(static_cast<unsigned char>(run.out.at(0)), 0xCE);

    run = runTool({"export", fixture("engine_12F0.QLS"), "--language", "Klingon"});
    EXPECT_EQ(run.exitCode, 2);
}

TEST(DtcCommand, RowsOfTheLastTroubleCodeAnswerInItsOrder) {
    const ToolRun run = runTool({"dtc", fixture("engine_12F0.QLS")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out,
              "P0105;Manifold absolute pressure circuit malfunction 1;Current\n"
              "P1655;Secondary throttle motor circuit malfunction;Past\n"
              "P0007-H-L;Unknown error;Pending\n");
}

TEST(DtcCommand, ARecordingWithoutTroubleCodesPrintsNoRows) {
    const ToolRun run = runTool({"dtc", fixture("second_scheme_31J0.QLS")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_FALSE(run.err.isEmpty());
}

TEST(DtcCommand, TroubleCodesAmongTheFirstRecordsAreFound) {
    // Loading reads the identification and the records after it; the answer stands there.
    QTemporaryDir dir;
    quilldar::testing::RecordingBuilder recording;
    recording.addIdentification(5, "71820-12F00", "12F0");
    recording.add(5, quilldar::testing::troubleCodeAnswer({{0x01, 0x05, 0x60}}));
    for (int i = 0; i < 5; ++i) recording.add(5, quilldar::testing::engineLiveFrame({{17, 20}}));
    const QString file = dir.filePath(QStringLiteral("early.QLS"));
    ASSERT_TRUE(recording.writeTo(file));
    const ToolRun run = runTool({"dtc", file});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "P0105;Manifold absolute pressure circuit malfunction 1;Current\n");
}

TEST(RecordingCommands, TheToolReadsTheSettingsAndNeverWritesThem) {
    QTemporaryDir settings;
    QTemporaryDir work;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUILLDAR_SETTINGS_DIR"), settings.path());
    const QString out = work.filePath(QStringLiteral("ride.csv"));
    const QString ride = work.filePath(QStringLiteral("ride.QLS"));
    for (const QStringList& arguments :
         {QStringList{"export", fixture("engine_12F0.QLS"), "-o", out}, QStringList{"info", fixture("engine_12F0.QLS")},
          QStringList{"dtc", fixture("engine_12F0.QLS")},
          QStringList{"simulate", "--unit", "abs", "--ticks", "5", "-o", ride}}) {
        const ToolRun run = runTool(arguments, environment);
        EXPECT_EQ(run.exitCode, 0) << arguments.join(' ').toStdString() << run.err.toStdString();
    }
    EXPECT_TRUE(QDir(settings.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());

    // A settings file that lacks values is not completed with the defaults.
    ASSERT_TRUE(quilldar::testing::writeFile(settings.filePath(QStringLiteral("machine.ini")),
                                             "[Morvalin]\n"));
    const QByteArray before = quilldar::testing::readFile(settings.filePath(QStringLiteral("machine.ini")));
    runTool({"export", fixture("engine_12F0.QLS"), "-o", out}, environment);
    EXPECT_EQ(quilldar::testing::readFile(settings.filePath(QStringLiteral("machine.ini"))), before);
}

TEST(RecordingCommands, UnreadableFilesGetTheProgramsMessages) {
    QTemporaryDir dir;
    const QString corrupted = dir.filePath(QStringLiteral("bad.QLS"));
    ASSERT_TRUE(
        quilldar::testing::writeFile(corrupted, quilldar::testing::engineSessionRecording() + "x"));
    const QString missing = dir.filePath(QStringLiteral("missing.QLS"));
    for (const char* command : {"info", "export", "dtc"}) {
        ToolRun run = runTool({command, missing});
        EXPECT_EQ(run.exitCode, 1) << command;
        EXPECT_EQ(run.err, "File is locked by another application.\n") << command;
        EXPECT_TRUE(run.out.isEmpty());
        run = runTool({command, corrupted});
        EXPECT_EQ(run.exitCode, 1) << command;
        EXPECT_EQ(run.err, "File is corrupted, load skipped.\n") << command;
    }
}

TEST(RecordingCommands, BadOptionsPrintUsage) {
    const QString file = fixture("engine_12F0.QLS");
    const QList<QStringList> bad = {
        {"info"},
        {"info", file, "--xml"},
        {"info", file, file},
        {"export", file, "--channels", "0,1,2"},
        {"export", file, "--channels", "0,1,2,56"},
        {"export", file, "--channels"},
        {"export", file, "--speed", "knots"},
        {"export", file, "--pressure=bar"},
        {"export", file, "--temperature", "K"},
        {"dtc", file, "--all"},
    };
    for (const QStringList& arguments : bad) {
        const ToolRun run = runTool(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("Usage:")) << arguments.join(' ').toStdString();
    }
}

}  // namespace

// Two faults of the export found by using it: a Transmission session exported only zeros (only
// the Engine page's decoder ran), and without --channels the tool took channels 0..3 instead of
// the four channels the graph view stores.
TEST(ExportCommand, TransmissionSessionsExportTheStoredChartChannels) {
    QTemporaryDir settings;
    QTemporaryDir work;
    {
        quilldar::settings::SettingsStore store(
            quilldar::settings::RegistryLocation::inFolder(settings.path()));
        ASSERT_TRUE(store.storeChartChannels({9, 0, 8, 9}));
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUILLDAR_SETTINGS_DIR"), settings.path());

    quilldar::testing::RecordingBuilder recording;
    recording.addIdentification(1, "71820-12F00", "12F0");
    for (int i = 0; i < 3; ++i) {
        recording.add(1, quilldar::testing::engineLiveFrame(
                             {{13, 60}, {16, 20}, {17, 255}, {22, 160}}, 0x08,
                             quilldar::link::address::kTransmission));
    }
    const QString file = work.filePath(QStringLiteral("gearbox.QLS"));
    ASSERT_TRUE(recording.writeTo(file));

    const ToolRun run = runTool({"export", file}, environment);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out,
              "Vehicle speed;Engine speed;Battery voltage;Vehicle speed\r\n"
              "=\"60\";=\"1344\";=\"12.549\";=\"60\";\r\n"
              "=\"60\";=\"1344\";=\"12.549\";=\"60\";\r\n"
              "=\"60\";=\"1344\";=\"12.549\";=\"60\";\r\n");
}
