#include <functional>
#include <memory>

#include "core/pages/grid_page_fixture.h"
#include "link/kwp_frame.h"
#include "pages/abs_page.h"
#include "pages/combined_page.h"
#include "pages/eps_page.h"
#include "pages/transmission_page.h"

namespace quilldar::pages {
namespace {

// A page with a response that fills most of its rows, switches set and clear.
struct PageCase {
    const char* name;
    std::function<std::unique_ptr<PageModel>(vehicle::LiveValueSlots&,
                                             const settings::LanguageTable&)>
        create;
    const char* ecmCode;
    std::uint8_t source;
    std::uint8_t identifier;
    std::map<int, std::uint8_t> bytes;
};

template <typename Page>
std::unique_ptr<PageModel> make(vehicle::LiveValueSlots& values,
                                const settings::LanguageTable& texts) {
    return std::make_unique<Page>(values, texts);
}

std::map<int, std::uint8_t> busyBytes() {
    std::map<int, std::uint8_t> bytes;
    for (int b = 13; b <= 54; ++b) bytes[b] = static_cast<std::uint8_t>(0x40 + b);
    bytes[31] = 2;  // a gear, not the automatic mode
    return bytes;
}

class GridPageResetTest : public GridPageTest, public ::testing::WithParamInterface<PageCase> {};

TEST_P(GridPageResetTest, LanguageSwitchReturnsEveryCellToThePlaceholderThenHighlightsValues) {
    const PageCase& page = GetParam();
    input_.ecmCode = page.ecmCode;
    const std::unique_ptr<PageModel> model = page.create(values_, texts_);
    ASSERT_TRUE(tick(*model, page.bytes, page.identifier, page.source));
    const QString englishLabel = model->label(0);
    int shown = 0;
    for (int r = 0; r < model->rowCount(); ++r) shown += untouched(*model, r) ? 0 : 1;
    EXPECT_GT(shown, 0);
    model->takeChangedCells();
    model->takeLayoutChanged();

    refill(settings::kGerman);
    model->requestReset();
    EXPECT_FALSE(idleTick(*model));
    EXPECT_TRUE(model->takeLayoutChanged());
    const std::uint64_t all = (std::uint64_t{1} << model->rowCount()) - 1;
    EXPECT_EQ(model->takeChangedCells(), all);
    for (int r = 0; r < model->rowCount(); ++r) EXPECT_TRUE(untouched(*model, r)) << r;
    EXPECT_NE(model->label(0), englishLabel);
    EXPECT_FALSE(model->label(0).isEmpty());
    for (std::size_t slot = 0; slot < vehicle::LiveValueSlots::kSlotCount; ++slot)
        EXPECT_EQ(values_.highlightTicks(slot), 50) << slot;

    // The same values come back, all highlighted for one period, in the new language.
    ASSERT_TRUE(tick(*model, page.bytes, page.identifier, page.source));
    const QString on = texts_.text(settings::EngineText::On);
    const QString off = texts_.text(settings::EngineText::Off);
    ASSERT_NE(off, QStringLiteral("Off"));
    int shownAgain = 0;
    int stateWords = 0;
    for (int r = 0; r < model->rowCount(); ++r) {
        if (untouched(*model, r)) continue;
        ++shownAgain;
        EXPECT_EQ(model->cellColour(r), kHighlight) << r;
        const QString text = model->cellText(r);
        if (text == on || text == off) ++stateWords;
    }
    EXPECT_EQ(shownAgain, shown);
    EXPECT_GT(stateWords, 0) << "switch rows speak the new language";
}

INSTANTIATE_TEST_SUITE_P(
    AllGridPages, GridPageResetTest,
    ::testing::Values(
        PageCase{"Transmission", make<TransmissionPage>, "", link::address::kTransmission, 0x08,
                 busyBytes()},
        PageCase{"CombinedEngine", make<CombinedPage>, "26J0", link::address::kEngineTransmission,
                 0x08, busyBytes()},
        PageCase{"CombinedTransmission", make<CombinedPage>, "26J0",
                 link::address::kEngineTransmission, 0x09, busyBytes()},
        PageCase{"AbsStatus", make<AbsPage>, "27G0", link::address::kAbs, 0x08, busyBytes()},
        PageCase{"AbsWheels", make<AbsPage>, "10G0", link::address::kAbs, 0x00, busyBytes()},
        PageCase{"Eps", make<EpsPage>, "31H0", link::address::kEps, 0x08, busyBytes()}),
    [](const ::testing::TestParamInfo<PageCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quilldar::pages
