// Whole sessions over the program's hidapi transport, with the hidapi-compatible simulation
// library behind it: enumeration, open, 65-byte writes, reads with timeouts, unplugging.
#include <gtest/gtest.h>
#include <dlfcn.h>

#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>

#include "app/session_controller.h"
#include "files/temporary_recording.h"
#include "link/hidapi_transport.h"
#include "link/kwp_frame.h"
#include "settings/languages.h"
#include "sim/simulation_spec.h"
#include "state/message_sink.h"
#include "support/fake_main_view.h"

namespace quilldar::link {
namespace {

class QuietSink : public app::MessageSink {
public:
    void showMessage(const QString& text, const QString&) override { shown.append(text); }
    QStringList shown;
};

// Puts new simulated hardware behind the library, built from the environment as set now. The
// library keeps its device for the whole process, as a plugged-in module stays plugged in.
bool plugInSimulatedModule(const char* unit, const char* faults) {
    setenv("QUILLDAR_HIDAPI_SIM", unit, 1);
    setenv("QUILLDAR_HIDAPI_SIM_FAULT", faults, 1);
    static void* const library = dlopen(QUILLDAR_HIDAPI_SIM_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return false;
    const auto restart = reinterpret_cast<int (*)()>(dlsym(library, "quilldar_hidapi_sim_restart"));
    return restart != nullptr && restart() == 0;
}

struct SessionRun {
    bool connected = false;
    int ticksConnected = 0;
    app::SessionEnd end = app::SessionEnd::None;
    QString partNumber;
    std::uint32_t recordCount = 0;
    QByteArray scratch;  // the records as written to the scratch file
};

// The headless session the tool runs: power-up, Connect on the unit's tab, `ticks` poll ticks
// (paced by the module's own replies), Disconnect; then `afterTicks` more ticks 100 ms apart,
// the poll timer of a window left open, for `after` to look at the link.
class Session {
public:
    explicit Session(std::unique_ptr<HidTransport> transport)
        : context_(std::move(transport)), recording_(folder_.path()), session_(context_, view_, recording_) {
        context_.languageTable().fill(settings::kEnglish, context_.settings());
    }

    SessionRun run(sim::UnitKind unit, int ticks) {
        SessionRun result;
        app::AppState& state = context_.state();
        session_.tabClicked(static_cast<int>(unit));
        for (int tick = 0; tick < 100 && !state.powerStable; ++tick) session_.tick();
        session_.tick();
        if (state.powerStable && state.isLinkOpen()) session_.connectCommand();
        result.connected = state.connected != 0;
        result.partNumber = context_.ecm().partNumber;
        for (int tick = 1; tick <= ticks && state.connected; ++tick) {
            session_.tick();
            if (state.connected) result.ticksConnected = tick;
        }
        if (state.connected) session_.connectCommand();
        result.end = session_.lastSessionEnd();
        result.recordCount = state.recordCount;
        QFile scratch(folder_.filePath(QString::fromLatin1(files::TemporaryRecording::kFileName)));
        if (scratch.open(QIODevice::ReadOnly)) result.scratch = scratch.readAll();
        return result;
    }

    // Poll ticks 100 ms apart until done() or about five seconds have passed.
    template <typename Done>
    bool tickUntil(Done done) {
        for (int tick = 0; tick < 50; ++tick) {
            if (done()) return true;
            session_.tick();
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return done();
    }

    app::AppContext& context() { return context_; }
    testing::FakeMainView& view() { return view_; }

private:
    QTemporaryDir folder_;
    app::AppContext context_;
    testing::FakeMainView view_;
    files::TemporaryRecording recording_;
    app::SessionController session_;
};

std::unique_ptr<HidTransport> hidapiTransport(QuietSink& sink) {
    return std::make_unique<HidApiTransport>(sink, QUILLDAR_HIDAPI_SIM_LIBRARY);
}

constexpr sim::UnitKind kUnits[] = {sim::UnitKind::Engine, sim::UnitKind::Transmission,
                                    sim::UnitKind::EngineTransmission, sim::UnitKind::Abs, sim::UnitKind::Eps};

TEST(HidapiSimSession, EveryUnitRecordsOverUsbAsOverTheInProcessModule) {
    constexpr int kTicks = 12;
    for (const sim::UnitKind unit : kUnits) {
        SCOPED_TRACE(sim::unitName(unit));
        ASSERT_TRUE(plugInSimulatedModule(sim::unitName(unit), ""));
        QuietSink sink;
        const SessionRun usb = Session(hidapiTransport(sink)).run(unit, kTicks);
        sim::SimulationSpec spec;
        spec.unit = unit;
        const SessionRun direct =
            Session(sim::buildSimulatedModule(spec, std::make_shared<sim::SteadySimClock>())).run(unit, kTicks);

        ASSERT_TRUE(usb.connected);
        EXPECT_TRUE(sink.shown.isEmpty()) << sink.shown.join(u'\n').toStdString();
        EXPECT_EQ(usb.ticksConnected, kTicks);
        EXPECT_EQ(usb.end, app::SessionEnd::UserDisconnect);
        EXPECT_EQ(usb.partNumber, direct.partNumber);
        ASSERT_EQ(usb.recordCount, direct.recordCount);
        ASSERT_EQ(usb.scratch.size(), qsizetype(usb.recordCount) * qsizetype(kReportSize));
        ASSERT_EQ(usb.scratch.size(), direct.scratch.size());
        // The identification comes first and is the same byte for byte; then the same replies
        // in the same order, each on the same page with a good checksum. The live values follow
        // the ride's clock and may differ.
        EXPECT_EQ(usb.scratch.left(kReportSize), direct.scratch.left(kReportSize));
        for (qsizetype at = 0; at < usb.scratch.size(); at += qsizetype(kReportSize)) {
            SCOPED_TRACE(at / qsizetype(kReportSize));
            EXPECT_EQ(usb.scratch.mid(at, 5), direct.scratch.mid(at, 5));
            Report record{};
            std::copy_n(usb.scratch.constData() + at, kReportSize, record.begin());
            EXPECT_TRUE(responseChecksumOk(record));
        }
    }
}

// Each fault strikes 1.5 s after the module was plugged in, in the middle of a session of 25
// ticks (about 3.75 s at the line's pace).
constexpr int kFaultTicks = 25;

TEST(HidapiSimSession, UnplugEndsTheSessionKeepsTheRecordsAndReplugIsFound) {
    ASSERT_TRUE(plugInSimulatedModule("engine", "unplug@1.5,replug@3.5"));
    QuietSink sink;
    Session session(hidapiTransport(sink));
    const SessionRun run = session.run(sim::UnitKind::Engine, kFaultTicks);
    ASSERT_TRUE(run.connected);
    EXPECT_LT(run.ticksConnected, kFaultTicks);
    EXPECT_GT(run.ticksConnected, 2);
    EXPECT_EQ(run.end, app::SessionEnd::LinkLost);
    EXPECT_GT(run.recordCount, 3u);
    EXPECT_EQ(run.scratch.size(), qsizetype(run.recordCount) * qsizetype(kReportSize));
    // Off the port, the module is not found; once back, it is opened and greeted again.
    HidLink& link = session.context().link();
    EXPECT_TRUE(session.tickUntil([&] { return link.lastOpenOutcome() == OpenOutcome::NotFound; }));
    EXPECT_TRUE(session.tickUntil([&] {
        return session.context().state().isLinkOpen() && session.view().hardwareFieldsShown() == app::HardwareFields::Known;
    }));
    EXPECT_TRUE(sink.shown.isEmpty());
}

TEST(HidapiSimSession, EachTransportFaultEndsOrSparesTheSession) {
    const struct {
        const char* faults;
        bool ends;
    } cases[] = {
        {"mute@1.5", true},          // no reply: the wait fails
        {"short-write@0", false},    // the greeting's write fails: the link drops, the module
                                     // is opened and greeted again, the session goes on
        {"zero-read@1.5", false},    // an empty read is a read that timed out, not a failure
        {"extra-device@0", false},   // the interface that opens is used
        {"no-report-id@0", false},   // the whole report went out, counted without its id
        {"busy@2.5", false},         // only opening fails; the open device goes on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.faults);
        ASSERT_TRUE(plugInSimulatedModule("abs", c.faults));
        QuietSink sink;
        Session session(hidapiTransport(sink));
        const SessionRun run = session.run(sim::UnitKind::Abs, kFaultTicks);
        ASSERT_TRUE(run.connected);
        EXPECT_EQ(run.end, c.ends ? app::SessionEnd::LinkLost : app::SessionEnd::UserDisconnect);
        EXPECT_EQ(run.ticksConnected < kFaultTicks, c.ends);
        EXPECT_GT(run.recordCount, 3u);
        EXPECT_EQ(run.scratch.size(), qsizetype(run.recordCount) * qsizetype(kReportSize));
        if (c.ends) {
            // The next ticks open the module again and greet it.
            EXPECT_TRUE(session.tickUntil([&] {
                return session.context().state().isLinkOpen() &&
                       session.view().hardwareFieldsShown() == app::HardwareFields::Known;
            }));
        }
    }
}

TEST(HidapiSimSession, ABusyOrAbsentModuleGivesNoSessionAndNoPermissionHint) {
    for (const char* faults : {"busy@0", "unplug@0", "unplug@0,extra-device@0"}) {
        SCOPED_TRACE(faults);
        ASSERT_TRUE(plugInSimulatedModule("engine", faults));
        QuietSink sink;
        Session session(hidapiTransport(sink));
        const SessionRun run = session.run(sim::UnitKind::Engine, 1);
        EXPECT_FALSE(run.connected);
        EXPECT_EQ(run.recordCount, 0u);
        // Interfaces that exist but do not open for another reason than permission are not
        // taken for a permission problem.
        EXPECT_EQ(session.context().link().lastOpenOutcome(), OpenOutcome::NotFound);
        EXPECT_TRUE(sink.shown.isEmpty());
    }
}

TEST(HidapiSimSession, AMalformedSimulationIsALibraryThatDoesNotStart) {
    EXPECT_FALSE(plugInSimulatedModule("engine", "unplug@soon"));
    EXPECT_FALSE(plugInSimulatedModule("bicycle", ""));
    QuietSink sink;
    HidApiTransport transport(sink, QUILLDAR_HIDAPI_SIM_LIBRARY);
    EXPECT_EQ(transport.open(kModuleVendorId, kModuleProductId), OpenOutcome::LibraryUnavailable);
}

}  // namespace
}  // namespace quilldar::link
