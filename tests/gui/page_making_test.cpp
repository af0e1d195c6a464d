// The main window makes only the page it shows before it first paints; the other seven follow
// once it has painted, or at once when one of them is needed sooner.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "context/app_context.h"
#include "gui/app/my_tab_ctrl.h"
#include "gui/app/quilldar_dlg.h"
#include "gui/app/start_beside.h"
#include "gui/pages/dlg_dialog1.h"
#include "gui/pages/dlg_dialog2.h"
#include "gui/pages/dlg_dialog4.h"
#include "gui/pages/dlg_dialog6.h"
#include "gui/pages/dlg_dialog7.h"
#include "gui/pages/dlg_dialog8.h"
#include "settings/languages.h"
#include "sim/simulated_module.h"
#include "sim/unit_catalogue.h"

namespace quilldar::gui {
namespace {

TEST(TabPages, APageIsMadeOnceWhenFirstNeededOnTheStackItself) {
    CMyTabCtrl tabs;
    int made[CMyTabCtrl::kPageCount] = {};
    for (std::uint16_t page = 0; page < CMyTabCtrl::kPageCount; ++page) {
        tabs.setPageBuilder(page, [&made, page](QWidget* parent) {
            ++made[page];
            auto* window = new QLabel(parent);
            window->setObjectName(QStringLiteral("page%1").arg(page));
            return window;
        });
    }
    EXPECT_EQ(std::count(std::begin(made), std::end(made), 0), CMyTabCtrl::kPageCount);

    tabs.showPage(3, -1);
    EXPECT_EQ(made[3], 1);
    QWidget* shown = tabs.page(3);
    EXPECT_EQ(shown->objectName(), "page3");
    auto* stack = tabs.findChild<QStackedWidget*>(QStringLiteral("pageArea"));
    ASSERT_NE(stack, nullptr);
    EXPECT_EQ(shown->parentWidget(), stack);
    EXPECT_EQ(stack->currentWidget(), shown);
    EXPECT_EQ(stack->indexOf(shown), 3);

    // Asked for again, shown again: the same window, not made twice.
    tabs.showPage(0, -1);
    tabs.showPage(3, -1);
    EXPECT_EQ(tabs.page(3), shown);
    EXPECT_EQ(made[3], 1);

    // The rest come one at a time, in page order, and then there is nothing left to make.
    int calls = 0;
    while (tabs.buildNextPage()) ++calls;
    EXPECT_EQ(calls, CMyTabCtrl::kPageCount - 2);  // pages 0 and 3 were made by showing them
    for (std::uint16_t page = 0; page < CMyTabCtrl::kPageCount; ++page) {
        EXPECT_EQ(made[page], 1) << page;
        EXPECT_EQ(stack->indexOf(tabs.page(page)), page) << page;
    }
    EXPECT_EQ(stack->count(), CMyTabCtrl::kPageCount);
}

// The real main window over a simulated engine module.
class PageMakingTest : public ::testing::Test {
protected:
    PageMakingTest() {
        auto vehicle = std::make_unique<sim::VirtualVehicle>();
        vehicle->addUnit(
            sim::makeUnit(sim::defaultProfile(sim::UnitKind::Engine), std::make_shared<sim::ManualSimClock>()));
        context_ = std::make_unique<app::AppContext>(std::make_unique<sim::SimulatedModule>(
            std::move(vehicle), sim::ModuleTiming{std::chrono::milliseconds(0), std::chrono::milliseconds(2)}));
        context_->settings().languageIndex = settings::kEnglish;
        context_->languageTable().fill(settings::kEnglish, context_->settings());
        context_->state().updateCheckPending = 0;
        window_ = std::make_unique<CQuilldarDlg>(*context_, folder_.path());
    }
    template <typename Page>
    bool made() const {
        return window_->findChild<Page*>() != nullptr;
    }

    QTemporaryDir folder_;
    std::unique_ptr<app::AppContext> context_;
    std::unique_ptr<CQuilldarDlg> window_;
};

TEST_F(PageMakingTest, OnlyTheShownPageBeforeTheFirstPaintTheRestAfterIt) {
    EXPECT_TRUE(made<CDlgDialog1>());
    EXPECT_FALSE(made<CDlgDialog4>());
    EXPECT_FALSE(made<CDlgDialog6>());
    EXPECT_FALSE(made<CDlgDialog7>());
    EXPECT_FALSE(made<CDlgDialog8>());

    bool ranAfterPaint = false;
    window_->runAfterFirstPaint([&] { ranAfterPaint = true; });
    window_->show();
    EXPECT_FALSE(ranAfterPaint);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    QTRY_VERIFY(ranAfterPaint);
    // The first of the others is made in the same pass, before the work that waited.
    EXPECT_TRUE(made<CDlgDialog2>());
    QTRY_VERIFY(made<CDlgDialog8>());
    EXPECT_TRUE(made<CDlgDialog4>());
    EXPECT_TRUE(made<CDlgDialog6>());
    EXPECT_TRUE(made<CDlgDialog7>());
    // Once painted, such work runs at once.
    bool ranAtOnce = false;
    window_->runAfterFirstPaint([&] { ranAtOnce = true; });
    EXPECT_TRUE(ranAtOnce);
}

TEST_F(PageMakingTest, AWindowNeverShownMakesItsPagesAllTheSame) {
    QTRY_VERIFY(made<CDlgDialog8>());
    EXPECT_TRUE(made<CDlgDialog6>());
    EXPECT_TRUE(made<CDlgDialog7>());
    // Every page is in its place on the stack: the page the tab map names is the one shown.
    for (std::uint16_t page = 0; page < CMyTabCtrl::kPageCount; ++page) {
        window_->tabs().showPage(page, -1);
        EXPECT_EQ(window_->tabs().shownPage(), page);
    }
    EXPECT_NE(qobject_cast<CDlgDialog6*>(window_->tabs().page(5)), nullptr);
    EXPECT_NE(qobject_cast<CDlgDialog7*>(window_->tabs().page(6)), nullptr);
    EXPECT_NE(qobject_cast<CDlgDialog8*>(window_->tabs().page(7)), nullptr);
}

// A dialog over the window when it first paints (the graph of a recording opened at start) is
// drawn first; the pages follow once it closes.
TEST_F(PageMakingTest, ADialogOverTheWindowIsDrawnBeforeThePages) {
    window_->show();
    QDialog over(window_.get());
    over.setModal(true);
    over.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    ASSERT_EQ(QApplication::activeModalWidget(), &over);
    bool painted = false;
    window_->runAfterFirstPaint([&] { painted = true; });
    QTRY_VERIFY(painted);
    QTest::qWait(600);  // past the check for windows that never paint
    EXPECT_FALSE(made<CDlgDialog8>());
    over.close();
    QTRY_VERIFY(made<CDlgDialog8>());
    EXPECT_TRUE(made<CDlgDialog4>());
}

TEST_F(PageMakingTest, APageNeededBeforeThePaintIsMadeThen) {
    // The active tests are asked for before anything ran: made now, and only once.
    CDlgDialog8& tests = window_->activeTests();
    EXPECT_TRUE(made<CDlgDialog8>());
    EXPECT_EQ(&window_->activeTests(), &tests);
    EXPECT_EQ(window_->findChildren<CDlgDialog8*>().size(), 1);
    // A session shows its pages the moment it needs them: the Error codes page of the stored codes.
    window_->controller().tabClicked(5);
    EXPECT_TRUE(made<CDlgDialog6>());
}

TEST(StartBeside, TheIconReadBesideHasEverySize) {
    StartBeside beside;
    const QIcon icon = beside.programIcon();
    ASSERT_FALSE(icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    for (const int size : {16, 32, 48, 128}) EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    EXPECT_FALSE(sizes.contains(QSize(256, 256)));
    EXPECT_EQ(icon.pixmap(48, 48).size(), QSize(48, 48));
}

}  // namespace
}  // namespace quilldar::gui
