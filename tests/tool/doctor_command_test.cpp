#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/instance_lock.h"
#include "support/tool_run.h"

namespace quilldar {
namespace {

using testing::runTool;
using testing::ToolRun;

// Each run gets its own temporary folder, where the copies of the program keep their lock, so
// that a Quilldar running on the machine or another test does not count as "another copy".
class DoctorCommand : public ::testing::Test {
protected:
    ToolRun doctor(QStringList arguments, QProcessEnvironment environment = QProcessEnvironment::systemEnvironment()) {
        environment.insert(QStringLiteral("TMPDIR"), folder_.path());
        arguments.prepend(QStringLiteral("doctor"));
        return runTool(arguments, environment);
    }
    static QList<QByteArray> checkLines(const ToolRun& run) {
        QList<QByteArray> lines;
        for (const QByteArray& line : run.out.split('\n'))
            if (line.startsWith('[')) lines.append(line);
        return lines;
    }

    QTemporaryDir folder_;
};

// The doctor as a user runs it, over the hidapi code path, with the simulation library in place
// of the system's hidapi.
TEST_F(DoctorCommand, PassesOverTheHidapiSimulationLibraryAndFindsItUnplugged) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUILLDAR_HIDAPI_LIBRARY"), QStringLiteral(QUILLDAR_HIDAPI_SIM_LIBRARY));
    environment.insert(QStringLiteral("QUILLDAR_HIDAPI_SIM"), QStringLiteral("eps"));
    environment.remove(QStringLiteral("QUILLDAR_HIDAPI_SIM_FAULT"));
    const ToolRun ready = doctor({}, environment);
    EXPECT_EQ(ready.exitCode, 0) << ready.out.toStdString() << ready.err.toStdString();
    const auto lines = checkLines(ready);
    ASSERT_EQ(lines.size(), 6) << ready.out.toStdString();
    for (const QByteArray& line : lines) EXPECT_TRUE(line.startsWith("[ OK ] ")) << line.toStdString();
    EXPECT_TRUE(lines.at(0).contains(QUILLDAR_HIDAPI_SIM_LIBRARY)) << lines.at(0).toStdString();
    EXPECT_TRUE(ready.out.endsWith("Ready to connect.\n"));

    environment.insert(QStringLiteral("QUILLDAR_HIDAPI_SIM_FAULT"), QStringLiteral("unplug@0"));
    const ToolRun unplugged = doctor({}, environment);
    EXPECT_EQ(unplugged.exitCode, 1);
    const auto found = checkLines(unplugged);
    ASSERT_GE(found.size(), 2) << unplugged.out.toStdString();
    EXPECT_TRUE(found.at(0).startsWith("[ OK ] "));
    EXPECT_TRUE(found.at(1).startsWith("[FAIL] ")) << found.at(1).toStdString();
}

TEST_F(DoctorCommand, SimulatedModuleWithPowerIsReadyToConnect) {
    const ToolRun run = doctor({"--simulate=abs:27G0"});
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString();
    const auto lines = checkLines(run);
    ASSERT_EQ(lines.size(), 6);
    for (const QByteArray& line : lines) EXPECT_TRUE(line.startsWith("[ OK ] ")) << line.toStdString();
    EXPECT_TRUE(run.out.endsWith("Ready to connect.\n"));
}

// Every fault fails exactly its own check, with a fix, and leaves the checks after it unchecked.
TEST_F(DoctorCommand, EachFaultNamesTheOneCheckInTheWay) {
    struct Case {
        const char* fault;
        int failing;  // index of the failed line among the six
        const char* line;
    };
    const Case cases[] = {
        {"unplug", 1, "[FAIL] USB device 04d8:05f1: not found"},
        {"busy", 3, "[FAIL] Other Quilldar: another copy of Quilldar owns the module."},
        {"mute", 4, "[FAIL] Module answers: the module did not answer."},
        {"type", 4, "[FAIL] Module answers: the module is of type '0'"},
        {"power", 5, "[FAIL] Vehicle power: not stable within 50 polls."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        const ToolRun run = doctor({"--simulate", "--fault", c.fault});
        EXPECT_EQ(run.exitCode, 1);
        const auto lines = checkLines(run);
        ASSERT_EQ(lines.size(), 6) << run.out.toStdString();
        for (int i = 0; i < 6; ++i) {
            const QByteArray& line = lines[i];
            if (i < c.failing) {
                EXPECT_TRUE(line.startsWith("[ OK ] ")) << line.toStdString();
            } else if (i > c.failing) {
                EXPECT_TRUE(line.startsWith("[ -- ] ")) << line.toStdString();
            }
        }
        EXPECT_TRUE(lines[c.failing].startsWith(c.line)) << lines[c.failing].toStdString();
        EXPECT_TRUE(lines[c.failing].contains(" Fix: "));
        EXPECT_TRUE(run.out.contains("Not ready to connect: "));
    }
}

TEST_F(DoctorCommand, ProgramRunningInAnotherProcessCountsAsAnotherCopy) {
    platform::InstanceLock program(folder_.path());
    ASSERT_TRUE(program.acquire());
    const ToolRun run = doctor({"--simulate"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.contains("[FAIL] Other Quilldar")) << run.out.toStdString();
}

TEST_F(DoctorCommand, RealModuleAbsentNamesTheUsbDeviceAfterTheLibrary) {
    // The test machines have the HID library but no interface module.
    const ToolRun run = doctor({});
    EXPECT_EQ(run.exitCode, 1);
    const auto lines = checkLines(run);
    ASSERT_EQ(lines.size(), 6) << run.out.toStdString();
    EXPECT_TRUE(lines[0].startsWith("[ OK ] HID library: libhidapi-hidraw.so.0 loads."));
    EXPECT_TRUE(lines[1].startsWith("[FAIL] USB device 04d8:05f1"));
}

TEST_F(DoctorCommand, BadOptionsExitWithUsage) {
    for (const QStringList& arguments : {QStringList{"--fault", "power"}, QStringList{"--simulate", "--fault", "slow"},
                                         QStringList{"--simulate", "--fault"}, QStringList{"--verbose"}}) {
        const ToolRun run = doctor(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("Usage:"));
    }
    const ToolRun run = doctor({"--simulate=boat"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("boat"));
}

}  // namespace
}  // namespace quilldar
