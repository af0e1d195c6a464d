// The data pages' grid measures its texts when it is drawn, not at every change: what changed
// while nobody looked, or since the last resize, must still fit when it is drawn.
#include "gui/widgets/page_grid.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QTest>

#include <vector>

namespace quilldar::gui {
namespace {

class ThreeRowModel : public pages::PageModel {
public:
    std::vector<QString> labels{QStringLiteral("Engine coolant and oil temperature sensor"),
                                QStringLiteral("Battery"), QStringLiteral("Gear")};
    std::vector<QString> cells{QStringLiteral("---"), QStringLiteral("12.5"), QStringLiteral("3")};
    std::uint64_t changed = 0;
    bool relaidOut = true;

    int rowCount() const override { return 3; }
    pages::GridPlace place(int row) const override { return {row, 0}; }
    QString label(int row) const override { return labels[static_cast<std::size_t>(row)]; }
    QString unitLabel(int) const override { return QStringLiteral("V"); }
    QString cellText(int row) const override { return cells[static_cast<std::size_t>(row)]; }
    vehicle::Colour cellColour(int) const override { return vehicle::kWhite; }
    void requestReset() override { relaidOut = true; }
    void applyPendingReset(const vehicle::UnitSettings&) override {}
    bool tick(link::Report&, const pages::PageInput&) override { return false; }
    std::uint64_t takeChangedCells() override { return std::exchange(changed, 0); }
    bool takeLayoutChanged() override { return std::exchange(relaidOut, false); }
};

class PageGridTest : public ::testing::Test {
protected:
    PageGridTest() : grid_(model_) {
        grid_.resize(900, 400);
        grid_.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&grid_));
        grid_.refresh();
    }
    int textWidth(const QString& text) const { return QFontMetrics(grid_.font()).horizontalAdvance(text); }

    ThreeRowModel model_;
    PageGrid grid_;
};

TEST_F(PageGridTest, AWordThatCameWhileHiddenFitsItsCellOnceShown) {
    const QString word = QStringLiteral("Unterbrechungsfehler");
    ASSERT_LT(grid_.cellRect(0).width(), textWidth(word));
    grid_.hide();
    model_.cells[0] = word;
    model_.changed = 1;
    grid_.refresh();
    EXPECT_EQ(grid_.lastRepaintedCells(), 0);  // nothing drawn while hidden
    grid_.show();
    EXPECT_GE(grid_.cellRect(0).width(), textWidth(word));
}

TEST_F(PageGridTest, AWordThatComesWhileShownWidensItsCell) {
    const QString word = QStringLiteral("Unterbrechungsfehler");
    model_.cells[1] = word;
    model_.changed = 2;
    grid_.refresh();
    EXPECT_GE(grid_.cellRect(1).width(), textWidth(word));
    // A short value changes only its own cell.
    model_.cells[2] = QStringLiteral("4");
    model_.changed = 4;
    grid_.refresh();
    EXPECT_EQ(grid_.lastRepaintedCells(), 1);
}

TEST_F(PageGridTest, LabelsAreCutAgainForEachWidth) {
    grid_.resize(1800, 400);
    EXPECT_EQ(grid_.shownLabel(0), model_.labels[0]);
    grid_.resize(900, 400);
    EXPECT_NE(grid_.shownLabel(0), model_.labels[0]);
    EXPECT_TRUE(grid_.shownLabel(0).endsWith(QStringLiteral("sensor")));
    EXPECT_LE(textWidth(grid_.shownLabel(0)), grid_.labelArea(0).width());
    grid_.resize(1800, 400);
    EXPECT_EQ(grid_.shownLabel(0), model_.labels[0]);
}

TEST_F(PageGridTest, ANewLanguageIsMeasuredBeforeItIsDrawn) {
    model_.labels[1] = QStringLiteral("Batteriespannung der Steuereinheit am Eingang des Reglers");
    model_.relaidOut = true;
    grid_.refresh();
    EXPECT_EQ(grid_.lastRepaintedCells(), 3);
    EXPECT_LE(textWidth(grid_.shownLabel(1)), grid_.labelArea(1).width());
    EXPECT_NE(grid_.shownLabel(1), model_.labels[1]);
}

}  // namespace
}  // namespace quilldar::gui
