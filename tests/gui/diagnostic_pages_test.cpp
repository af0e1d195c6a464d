// Whole sessions on the Show data when trouble and Active tests pages of the real window, against
// the simulated engine: connect, open the page, drive it, and find it all in the recording.

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QSpinBox>
#include <QTest>
#include <QUrl>

#include "gui/app/my_tab_ctrl.h"
#include "gui/app/quilldar_dlg.h"
#include "gui/pages/dlg_dialog6.h"
#include "gui/pages/dlg_dialog7.h"
#include "gui/pages/dlg_dialog8.h"
#include "link/link_handshake.h"
#include "settings/languages.h"
#include "sim/ride_script.h"
#include "sim/simulated_module.h"
#include "sim/unit_catalogue.h"

namespace quilldar::gui {
namespace {

using app::MainControl;
using pages::TestButton;
using pages::TestField;

class DiagnosticPagesTest : public ::testing::Test {
protected:
    void start(const std::string& model) {
        clock_ = std::make_shared<sim::ManualSimClock>();
        auto vehicle = std::make_unique<sim::VirtualVehicle>();
        vehicle->addUnit(sim::makeUnit(sim::defaultProfile(sim::UnitKind::Engine, model), clock_));
        auto module = std::make_unique<sim::SimulatedModule>(
            std::move(vehicle), sim::ModuleTiming{std::chrono::milliseconds(0), std::chrono::milliseconds(2)});
        context_ = std::make_unique<app::AppContext>(std::move(module));
        context_->state().updateCheckPending = 0;
        context_->languageTable().fill(settings::kEnglish, context_->settings());
        window_ = std::make_unique<CQuilldarDlg>(*context_, folder_.path());
        window_->setPresenters([](QWidget*, const QString&, const QString&) { return true; },
                               [this](QWidget*, const QString&, const QString& text) { messages_ << text; });
        window_->activeTests().setPresenters([](QWidget*, const QString&) { return true; },
                                             [this](QWidget*, pages::Notice notice, const QString&, const QString& text) {
                                                 pageMessages_ << text;
                                                 pageNotices_.push_back(notice);
                                             });
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        for (int i = 0; i < link::kPowerStableCount + 2; ++i) window_->pollTick();
        QTest::mouseClick(window_->button(MainControl::Connect), Qt::LeftButton);
        ASSERT_EQ(context_->state().connected, 1);
        window_->pollTick();
    }
    // Poll ticks with the shown page's own tick after each, until the condition holds.
    template <typename Condition>
    bool ticksUntil(Condition done, int limit = 40) {
        for (int i = 0; i < limit; ++i) {
            if (done()) return true;
            window_->pollTick();
            freezeFrames().tick();
            window_->activeTests().tick();
        }
        return done();
    }
    CDlgDialog7& freezeFrames() { return *qobject_cast<CDlgDialog7*>(window_->tabs().page(6)); }
    CDlgDialog8& tests() { return window_->activeTests(); }
    QByteArray recording() {
        QFile file(folder_.filePath("Quilldar_Temp.QLT"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Records of the page whose frame bytes 4 and 5 are these.
    int recordsOf(int page, std::uint8_t service, std::uint8_t identifier) {
        const QByteArray bytes = recording();
        int found = 0;
        for (qsizetype at = 0; at + 65 <= bytes.size(); at += 65)
            found += bytes[at] == page && static_cast<std::uint8_t>(bytes[at + 5]) == service &&
                     static_cast<std::uint8_t>(bytes[at + 6]) == identifier;
        return found;
    }

    QTemporaryDir folder_;
    std::shared_ptr<sim::ManualSimClock> clock_;
    std::unique_ptr<app::AppContext> context_;
    std::unique_ptr<CQuilldarDlg> window_;
    QStringList messages_;
    QStringList pageMessages_;
    std::vector<pages::Notice> pageNotices_;
};

TEST_F(DiagnosticPagesTest, StoredFaultsShowTheirValuesAndClearingEmptiesThem) {
    start("21H2");
    window_->controller().tabClicked(2);  // Show data when trouble
    ASSERT_EQ(context_->state().currentPage, 6);
    ASSERT_TRUE(ticksUntil([&] { return !freezeFrames().model().label(1).trimmed().isEmpty(); }, 80));
    EXPECT_FALSE(freezeFrames().model().label(0).trimmed().isEmpty());
    EXPECT_FALSE(freezeFrames().model().table(0)[0][2].isEmpty());  // engine speed at detection
    EXPECT_EQ(freezeFrames().table(0).item(0, 2)->text(), freezeFrames().model().table(0)[0][2]);
    // Every fault-time block of both faults is in the recording, under the page's tag.
    EXPECT_TRUE(ticksUntil([&] { return recordsOf(6, 0x61, 0x40) > 0 && recordsOf(6, 0x61, 0x55) > 0; }));

    // Clearing the codes lays the page out afresh, and the emptied answers keep it empty.
    QTest::mouseClick(window_->button(MainControl::ClearErrors), Qt::LeftButton);
    freezeFrames().tick();
    EXPECT_EQ(freezeFrames().model().label(0), " ");
    window_->controller().tabClicked(2);
    ticksUntil([] { return false; }, 30);
    EXPECT_TRUE(freezeFrames().model().table(0)[0][2].isEmpty());
    EXPECT_EQ(freezeFrames().model().label(0), " ");
    // The window's cells follow: a cell that had a value is emptied, not left as it was.
    EXPECT_TRUE(freezeFrames().table(0).item(0, 2)->text().isEmpty()) << freezeFrames().table(0).item(0, 2)->text().toStdString();
}

// Print: the report's text, its lines with blanks collapsed.
QStringList printedLines(CQuilldarDlg& window) {
    QString path;
    window.setUrlOpener([&path](const QUrl& target) {
        path = target.toLocalFile();
        return true;
    });
    window.printReport();
    QProcess text;
    text.start("pdftotext", {"-layout", path, "-"});
    if (path.isEmpty() || !text.waitForFinished(20000)) return {};
    QStringList lines;
    for (const QString& line : QString::fromUtf8(text.readAllStandardOutput()).split('\n'))
        if (!line.simplified().isEmpty()) lines.append(line.simplified());
    return lines;
}

TEST_F(DiagnosticPagesTest, AfterClearingTheCodesTheReportPrintsWhatThePagesShow) {
    start("21H2");
    auto& errorCodes = *qobject_cast<CDlgDialog6*>(window_->tabs().page(5));
    window_->controller().tabClicked(1);  // Error codes
    ASSERT_TRUE(ticksUntil([&] {
        errorCodes.tick();
        return !errorCodes.model().rows().empty();
    }));
    const QString code = errorCodes.model().rows().front().code;
    window_->controller().tabClicked(2);  // Show data when trouble
    ASSERT_TRUE(ticksUntil([&] { return !freezeFrames().model().label(1).trimmed().isEmpty(); }, 80));
    const QString fault = freezeFrames().model().label(0);
    QStringList report = printedLines(*window_);
    ASSERT_FALSE(report.isEmpty());
    // The unit as the window names it: the ECM, its model code and the interface module.
    const link::ModuleIdentity& module = context_->module();
    EXPECT_EQ(report.first().toStdString(), QStringLiteral("ECM ID: %1 (21H2) Hardware ID: %2 Hardware SN: %3")
                                                .arg(window_->fieldText("ecmId"), module.hardwareId, module.serialNumber)
                                                .toStdString());
    EXPECT_TRUE(report.join('\n').contains(fault)) << report.join('\n').toStdString();

    // Clear, then let both pages take the ECM's new answers.
    QTest::mouseClick(window_->button(MainControl::ClearErrors), Qt::LeftButton);
    ticksUntil([] { return false; }, 30);
    ASSERT_EQ(freezeFrames().model().label(0), " ");
    window_->controller().tabClicked(1);
    ASSERT_TRUE(ticksUntil([&] {
        errorCodes.tick();
        return errorCodes.model().rows().empty();
    }));
    ASSERT_EQ(window_->fieldText("dtcCount"), "0");

    report = printedLines(*window_);
    const QString text = report.join('\n');
    EXPECT_FALSE(text.contains(fault)) << text.toStdString();
    EXPECT_FALSE(text.contains(code)) << text.toStdString();
    // (A list finds the lines a pattern matches whole.)
    const qsizetype header = report.indexOf(QRegularExpression("DTC No\\.:.*"));
    ASSERT_GE(header, 0);
    EXPECT_EQ(report[header + 1], "0");
    for (const QString& caption : {QStringLiteral("Fault 1#"), QStringLiteral("Fault 2#")}) {
        const qsizetype table = report.indexOf(QRegularExpression(caption + ".*"));
        ASSERT_GE(table, 0) << text.toStdString();
        EXPECT_EQ(report[table + 1].toStdString(), "Engine speed --- --- --- --- --- --- rpm");
    }
}

TEST_F(DiagnosticPagesTest, TheFanFollowsItsButtonsAndARefusedTestIsExplained) {
    start("21H2");
    window_->controller().tabClicked(3);  // Active tests
    ASSERT_EQ(context_->state().currentPage, 7);
    ASSERT_TRUE(ticksUntil([&] { return tests().button(TestButton::FanStart)->isEnabled(); }));
    EXPECT_EQ(tests().field(TestField::Fan)->text(), "Off");

    QTest::mouseClick(tests().button(TestButton::FanStart), Qt::LeftButton);
    EXPECT_FALSE(tests().button(TestButton::FanStart)->isEnabled());
    ASSERT_TRUE(ticksUntil([&] { return tests().field(TestField::Fan)->text() == "On"; }));
    QTest::mouseClick(tests().button(TestButton::FanOff), Qt::LeftButton);
    ASSERT_TRUE(ticksUntil([&] { return tests().field(TestField::Fan)->text() == "Off"; }));
    EXPECT_GT(recordsOf(7, 0xE5, 0x06), 0);  // the unit's answers to the test, as they came

    // A cold engine at idle refuses the idle air volume test.
    clock_->set(sim::RideScript::kEngineStarts + 15.0);
    ASSERT_TRUE(ticksUntil([&] { return tests().field(TestField::EngineSpeed)->text().toInt() > 500; }));
    ASSERT_TRUE(tests().button(TestButton::IscAirOn)->isEnabled());
    QTest::mouseClick(tests().button(TestButton::IscAirOn), Qt::LeftButton);
    ASSERT_TRUE(ticksUntil([&] { return !pageMessages_.isEmpty(); }));
    EXPECT_EQ(pageMessages_.first(), "Can not execute because engine coolant temp is out of executable condition");
    EXPECT_FALSE(tests().button(TestButton::FanStart)->isEnabled());
    EXPECT_GT(recordsOf(7, 0x7F, 0xA5), 0);
}

// The arrows beside the target idle speed ask for ten steps of 12.5 rpm above or below it: the
// unit's answers, which echo the request, show the target going up, then down.
TEST_F(DiagnosticPagesTest, TheIdleSpeedArrowsAskForAHigherThenALowerTarget) {
    start("21H2");
    clock_->set(sim::RideScript::kFirstRide + sim::RideScript::kRideLength + sim::RideScript::kStand + 2.0);
    window_->controller().tabClicked(3);  // Active tests
    auto* spin = tests().findChild<QSpinBox*>(QStringLiteral("targetIdleSpin"));
    ASSERT_NE(spin, nullptr);
    ASSERT_TRUE(ticksUntil([&] { return spin->isEnabled() && tests().field(TestField::EngineSpeed)->text().toInt() > 500; }));
    const auto targets = [&] {
        std::vector<int> found;
        const QByteArray bytes = recording();
        for (qsizetype at = 0; at + 65 <= bytes.size(); at += 65) {
            if (static_cast<std::uint8_t>(bytes[at + 5]) == 0xE5 && bytes[at + 6] == 0x05 &&
                static_cast<std::uint8_t>(bytes[at + 7]) == 0x80)
                found.push_back(static_cast<std::uint8_t>(bytes[at + 9]));  // p3: the target in steps
        }
        return found;
    };
    spin->stepUp();
    ASSERT_TRUE(ticksUntil([&] { return !targets().empty(); }));
    const int up = targets().back();
    spin->stepDown();
    ASSERT_TRUE(ticksUntil([&] { return targets().back() != up; }));
    const int down = targets().back();
    EXPECT_EQ(up - down, 20) << "up " << up << ", down " << down;
}

TEST_F(DiagnosticPagesTest, TheResetQuestionLeavesTheSessionRecording) {
    start("21H2");
    window_->controller().tabClicked(3);  // Active tests
    ASSERT_TRUE(ticksUntil([&] { return tests().button(TestButton::IscReset)->isEnabled(); }));
    std::uint32_t before = 0;
    std::uint32_t whileAsked = 0;
    tests().setPresenters(
        [&](QWidget*, const QString&) {
            before = context_->state().recordCount;
            for (int i = 0; i < 3; ++i) window_->pollTick();  // the poll timer goes on meanwhile
            whileAsked = context_->state().recordCount;
            return false;
        },
        [](QWidget*, pages::Notice, const QString&, const QString&) {});
    QTest::mouseClick(tests().button(TestButton::IscReset), Qt::LeftButton);
    EXPECT_EQ(whileAsked, before + 3);
    EXPECT_EQ(context_->state().connected, 1);
}

TEST_F(DiagnosticPagesTest, AnEngineWithoutAFanRefusesItsTest) {
    start("12F0");
    window_->controller().tabClicked(3);
    ticksUntil([&] { return tests().button(TestButton::IscAirOn)->isEnabled(); });
    EXPECT_FALSE(tests().button(TestButton::FanStart)->isEnabled());  // its capability is 0
    // The module is asked anyway through the row's request: the unit says it cannot.
    tests().model().press(TestButton::FanStart);
    ASSERT_TRUE(ticksUntil([&] { return !pageMessages_.isEmpty(); }));
    EXPECT_EQ(pageMessages_.first(), "Can not execute because this ECM does not support this function");
    EXPECT_EQ(pageNotices_.front(), pages::Notice::Refused);  // a warning, not an information
}

}  // namespace
}  // namespace quilldar::gui
