#include "doctor/connection_doctor.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "state/message_sink.h"
#include "link/hidapi_transport.h"
#include "link/link_handshake.h"
#include "platform/instance_lock.h"
#include "support/sim_link_fixture.h"

namespace quilldar::doctor {
namespace {

class SilentSink : public app::MessageSink {
public:
    void showMessage(const QString&, const QString&) override {}
};

// A device that exists but cannot be opened by this user.
class DeniedTransport : public link::HidTransport {
public:
    link::OpenOutcome open(std::uint16_t, std::uint16_t) override { return link::OpenOutcome::AccessDenied; }
    void close() override {}
    bool write(const link::Report&) override { return false; }
    link::ReadOutcome read(link::Report&, int) override { return link::ReadOutcome::Failed; }
};

std::vector<Verdict> verdicts(const std::vector<Finding>& found) {
    std::vector<Verdict> out;
    for (const Finding& f : found) out.push_back(f.verdict);
    return out;
}

constexpr Verdict P = Verdict::Passed;
constexpr Verdict F = Verdict::Failed;
constexpr Verdict N = Verdict::NotChecked;

TEST(ConnectionDoctorWithoutModule, MissingLibraryStopsAtTheFirstCheckAndNamesThePackage) {
    SilentSink sink;
    app::AppContext context(std::make_unique<link::HidApiTransport>(sink, "libquilldar-no-such-hid.so.0"));
    QTemporaryDir lockFolder;
    ConnectionDoctor doctor(context, {QStringLiteral("libquilldar-no-such-hid.so.0"), lockFolder.path(), {}});
    std::vector<Check> reported;
    const auto found = doctor.run([&](const Finding& f) { reported.push_back(f.check); });
    EXPECT_EQ(verdicts(found), (std::vector<Verdict>{F, N, N, N, N, N}));
    EXPECT_EQ(reported.size(), 6u);
    EXPECT_TRUE(found[0].text().contains("libquilldar-no-such-hid.so.0"));
    EXPECT_TRUE(found[0].fix.contains("libhidapi-hidraw0"));
    EXPECT_FALSE(readyToConnect(found));
    ASSERT_NE(firstFailure(found), nullptr);
    EXPECT_EQ(firstFailure(found)->check, Check::Library);
    EXPECT_TRUE(found[0].line().startsWith("[FAIL] HID library: "));
    EXPECT_TRUE(found[1].line().startsWith("[ -- ] USB device 04d8:05f1: "));
}

TEST(ConnectionDoctorWithoutModule, DeniedDeviceNamesTheRuleToInstallOrTheGroupToJoin) {
    QTemporaryDir lockFolder, ruleFolder;
    {
        app::AppContext context(std::make_unique<DeniedTransport>());
        ConnectionDoctor doctor(context, {{}, lockFolder.path(), {ruleFolder.path()}});
        const auto found = doctor.run();
        EXPECT_EQ(verdicts(found), (std::vector<Verdict>{P, P, F, N, N, N}));
        EXPECT_TRUE(found[2].fix.contains("sudo cp packaging/linux/70-quilldar.rules /etc/udev/rules.d/"))
            << found[2].fix.toStdString();
        EXPECT_EQ(found[2].word, "No access");
    }
    // With the rule installed, the fix is to replug, or to join the group the rule opens it to.
    QFile rule(QDir(ruleFolder.path()).filePath("70-quilldar.rules"));
    ASSERT_TRUE(rule.open(QIODevice::WriteOnly));
    rule.close();
    app::AppContext context(std::make_unique<DeniedTransport>());
    ConnectionDoctor doctor(context, {{}, lockFolder.path(), {QStringLiteral("/nonexistent"), ruleFolder.path()}});
    const auto found = doctor.run();
    EXPECT_TRUE(found[2].fix.contains(rule.fileName())) << found[2].fix.toStdString();
    EXPECT_TRUE(found[2].fix.contains("plugdev"));
    EXPECT_FALSE(found[2].fix.contains("sudo cp"));
}

class ConnectionDoctorOnSimulatedModule : public testing::SimLinkTest {
protected:
    std::vector<Finding> run() {
        DoctorSetup setup{{}, lockFolder_.path(), {}, std::chrono::milliseconds(0), 50};
        return ConnectionDoctor(*context_, setup).run();
    }
    QTemporaryDir lockFolder_;
};

TEST_F(ConnectionDoctorOnSimulatedModule, HealthyModuleWithPowerIsReadyAndReleasesTheLock) {
    const auto found = run();
    EXPECT_EQ(verdicts(found), (std::vector<Verdict>{P, P, P, P, P, P}));
    EXPECT_TRUE(readyToConnect(found));
    EXPECT_EQ(firstFailure(found), nullptr);
    EXPECT_TRUE(found[4].result.contains(context_->module().hardwareId));
    // The check is over: a copy of the program started now owns the module.
    platform::InstanceLock program(lockFolder_.path());
    EXPECT_TRUE(program.acquire());
    EXPECT_FALSE(module().isOpen());
}

TEST_F(ConnectionDoctorOnSimulatedModule, RunningCopyHoldingTheLockIsNamedAndItsModuleLeftAlone) {
    platform::InstanceLock program(lockFolder_.path());
    ASSERT_TRUE(program.acquire());
    const auto found = run();
    EXPECT_EQ(verdicts(found), (std::vector<Verdict>{P, P, P, F, N, N}));
    EXPECT_EQ(found[3].word, "In use");
    // Not a single command reached the module the other copy is using.
    EXPECT_TRUE(module().commandsReceived().empty());
}

// Vehicle power is asked for at most maxPowerPolls times: without power exactly that often, and
// with power it must turn stable within them; exactly as many polls as stability takes are
// enough, one fewer is not.
TEST_F(ConnectionDoctorOnSimulatedModule, PowerIsPolledAtMostTheGivenNumberOfTimes) {
    const auto polls = [&] {
        int count = 0;
        for (const link::Report& report : module().commandsReceived())
            count += QByteArray(reinterpret_cast<const char*>(report.data()), static_cast<qsizetype>(report.size()))
                         .contains("Power") ? 1 : 0;
        return count;
    };
    const auto runWith = [&](int maxPolls) {
        DoctorSetup setup{{}, lockFolder_.path(), {}, std::chrono::milliseconds(0), maxPolls};
        return ConnectionDoctor(*context_, setup).run();
    };
    module().setVehiclePower(false);
    auto found = runWith(7);
    EXPECT_EQ(found[5].verdict, F);
    EXPECT_EQ(polls(), 7);
    EXPECT_TRUE(found[5].result.contains(QStringLiteral("7"))) << found[5].result.toStdString();

    build(sim::defaultProfile(sim::UnitKind::Engine));
    found = runWith(link::kPowerStableCount);
    EXPECT_EQ(found[5].verdict, P);
    EXPECT_EQ(polls(), link::kPowerStableCount);

    build(sim::defaultProfile(sim::UnitKind::Engine));
    found = runWith(link::kPowerStableCount - 1);
    EXPECT_EQ(found[5].verdict, F);
    EXPECT_EQ(polls(), link::kPowerStableCount - 1);
}

TEST_F(ConnectionDoctorOnSimulatedModule, ModuleFaultsFailTheirOwnCheck) {
    module().setMute(true);
    EXPECT_EQ(verdicts(run()), (std::vector<Verdict>{P, P, P, P, F, N}));

    build(sim::defaultProfile(sim::UnitKind::Engine));
    module().setModuleType('0');
    auto found = run();
    EXPECT_EQ(verdicts(found), (std::vector<Verdict>{P, P, P, P, F, N}));
    EXPECT_TRUE(found[4].result.contains("type '0'"));
    EXPECT_EQ(found[4].word, "Wrong type");

    build(sim::defaultProfile(sim::UnitKind::Engine));
    module().setVehiclePower(false);
    found = run();
    EXPECT_EQ(verdicts(found), (std::vector<Verdict>{P, P, P, P, P, F}));
    EXPECT_EQ(found[5].word, "No power");

    build(sim::defaultProfile(sim::UnitKind::Engine));
    module().unplug();
    found = run();
    EXPECT_EQ(verdicts(found), (std::vector<Verdict>{P, F, N, N, N, N}));
    EXPECT_EQ(found[1].word, "No USB");
}

}  // namespace
}  // namespace quilldar::doctor
