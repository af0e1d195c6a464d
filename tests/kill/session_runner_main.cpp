// A separately started copy of the main window on the simulated module, for the tests that kill
// the program or take its disk away. It starts as the program does (start-up folder = working
// directory, settings from QUILLDAR_SETTINGS_DIR, a leftover scratch file taken over), then
// presses Connect as soon as the window offers it and runs the session until it is killed.
//
//   quilldar_session_runner [--simulate=UNIT:MODEL | --usb] [--ticks N] [--save-as FILE] [--offline]
//
// --usb: the module through the program's hidapi transport and the library QUILLDAR_HIDAPI_LIBRARY
// names (the hidapi simulation library in the tests), as the program runs on a real module; the
// window starts on the tab of --simulate's unit.
// --ticks N: press Disconnect after N ticks of the session. --save-as FILE: then press Save As
// with FILE chosen and exit. --offline: press nothing but Save As.
// Standard output, one line each, flushed at once: "adopted N", "connected", "tick N connected C
// records R reply HEX" (the payload of the receive report the pages decode),
// "message: TEXT" and "question: TEXT" (answered Yes), "session ended: LINE" (by itself, not by
// a press, with the whole line the window shows; Save As follows), "save-as enabled E", "saved OK".
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <optional>

#include "context/app_context.h"
#include "gui/app/quilldar_dlg.h"
#include "link/hidapi_transport.h"
#include "state/message_sink.h"
#include "settings/languages.h"
#include "sim/simulation_spec.h"

namespace {

using namespace quilldar;

struct Options {
    std::string simulate = "engine:21H2";
    std::optional<int> ticks;
    QString saveAs;
    bool offline = false;
    bool usb = false;
};

void say(const QString& line) {
    std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stdout);
    std::fflush(stdout);
}

// The transport's own messages (a library that does not load, a device that cannot be opened).
class SayingSink : public app::MessageSink {
public:
    void showMessage(const QString& text, const QString&) override {
        say(QStringLiteral("message: ") + text.simplified());
    }
};

bool parse(const QStringList& arguments, Options& options) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (arg.startsWith(QLatin1String("--simulate="))) {
            options.simulate = arg.mid(11).toStdString();
        } else if (arg == QLatin1String("--ticks") && i + 1 < arguments.size()) {
            options.ticks = arguments.at(++i).toInt();
        } else if (arg == QLatin1String("--save-as") && i + 1 < arguments.size()) {
            options.saveAs = arguments.at(++i);
        } else if (arg == QLatin1String("--usb")) {
            options.usb = true;
        } else if (arg == QLatin1String("--offline")) {
            options.offline = true;
        } else {
            return false;
        }
    }
    return true;
}

// Drives the window as a user would: Connect, wait, Disconnect, Save As.
class Driver {
public:
    Driver(gui::CQuilldarDlg& window, app::AppContext& context, const Options& options)
        : window_(window), context_(context), options_(options) {}

    void afterTick() {
        const app::AppState& state = context_.state();
        if (!connectPressed_ || state.connected == 0) return;
        ++sessionTicks_;
        QString hex;
        const link::Report& reply = context_.receiveReport();
        for (std::size_t i = 1; i < reply.size(); ++i) hex += QStringLiteral("%1").arg(reply[i], 2, 16, QLatin1Char('0'));
        say(QStringLiteral("tick %1 connected %2 records %3 reply %4")
                .arg(sessionTicks_).arg(state.connected).arg(state.recordCount).arg(hex));
        if (options_.ticks && sessionTicks_ >= *options_.ticks) finish();
    }

    void poll() {
        if (options_.offline) return finish();
        if (!connectPressed_) {
            QPushButton* connect = window_.button(app::MainControl::Connect);
            if (!connect->isEnabled()) return;
            connectPressed_ = true;
            connect->click();
        }
        // A press that comes while a tick waits for the module connects once the tick is over.
        if (!connectedSaid_ && context_.state().connected != 0) {
            connectedSaid_ = true;
            say(QStringLiteral("connected"));
        }
        // A session the module ended: what was recorded is saved as after a Disconnect.
        if (connectedSaid_ && !finished_ && context_.state().connected == 0) {
            const auto* line = window_.findChild<QLabel*>(QStringLiteral("sessionEndLine"));
            say(QStringLiteral("session ended: ") + (line != nullptr ? line->toolTip() : QString()));
            finish();
        }
    }

private:
    void finish() {
        if (finished_) return;
        finished_ = true;
        QTimer::singleShot(0, &window_, [this] { disconnectAndSave(); });
    }

    // Buttons clicked while a tick waits for the module are not taken, as the window holds user
    // input back then: each press is tried again after the tick, a limited number of times.
    void disconnectAndSave() {
        if (context_.state().connected != 0) {
            window_.button(app::MainControl::Connect)->click();
            if (context_.state().connected != 0) return retryLater();
        }
        if (!options_.saveAs.isEmpty()) {
            const bool enabled = window_.button(app::MainControl::SaveAs)->isEnabled();
            if (enabled) {
                window_.button(app::MainControl::SaveAs)->click();
                if (context_.state().recordingOpen != 0 && retries_ < kRetries) return retryLater();
            }
            say(QStringLiteral("save-as enabled %1").arg(enabled ? 1 : 0));
            if (enabled && context_.state().recordingOpen == 0) say(QStringLiteral("saved OK"));
        }
        QApplication::exit(0);
    }

    void retryLater() {
        if (++retries_ > kRetries) {
            say(QStringLiteral("button not taken"));
            QApplication::exit(1);
            return;
        }
        QTimer::singleShot(10, &window_, [this] { disconnectAndSave(); });
    }

    static constexpr int kRetries = 500;
    gui::CQuilldarDlg& window_;
    app::AppContext& context_;
    const Options& options_;
    bool connectPressed_ = false;
    bool connectedSaid_ = false;
    bool finished_ = false;
    int sessionTicks_ = 0;
    int retries_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    Options options;
    if (!parse(QApplication::arguments(), options)) {
        std::fputs("usage: quilldar_session_runner [--simulate=UNIT:MODEL | --usb] [--ticks N] "
                   "[--save-as FILE] [--offline]\n", stderr);
        return 2;
    }
    QString error;
    const auto spec = sim::parseSimulationSpec(options.simulate, error);
    if (!spec) {
        std::fprintf(stderr, "%s\n", error.toUtf8().constData());
        return 2;
    }
    const QString startupFolder = QDir::current().absolutePath();
    SayingSink transportMessages;
    std::unique_ptr<link::HidTransport> transport;
    if (options.usb) {
        transport = std::make_unique<link::HidApiTransport>(transportMessages);
    } else {
        transport = sim::buildSimulatedModule(*spec, std::make_shared<sim::SteadySimClock>());
    }
    app::AppContext context(std::move(transport));
    context.settingsStore().load(context.settings(), startupFolder);
    context.settings().languageIndex = settings::kEnglish;
    context.languageTable().fill(settings::kEnglish, context.settings());
    // No update check: the session is what is under test.
    context.state().updateCheckPending = 0;

    gui::CQuilldarDlg window(context, startupFolder);
    window.setPresenters(
        [](QWidget*, const QString&, const QString& text) {
            say(QStringLiteral("question: ") + text.simplified());
            return true;
        },
        [](QWidget*, const QString&, const QString& text) { say(QStringLiteral("message: ") + text.simplified()); });
    window.setSavePathChooser([&options](QWidget*, const QString&) { return options.saveAs; });
    say(QStringLiteral("adopted %1").arg(window.controller().adoptLeftoverRecording()));

    // The tab picks the unit that Connect connects to: the simulated unit's, on USB as well.
    window.controller().tabClicked(static_cast<int>(spec->unit));
    Driver driver(window, context, options);
    // The hook runs before each tick; the tick before it has then been decoded.
    window.setBeforeTick([&driver] { driver.afterTick(); });
    QTimer buttons;
    QObject::connect(&buttons, &QTimer::timeout, &window, [&driver] { driver.poll(); });
    buttons.start(20);
    window.start();
    window.show();
    return QApplication::exec();
}
