// Every page decoder on a session of arbitrary 65-byte reports: the five data pages, the Error
// codes page, Show data when trouble, Active tests with its capability pass, and the hidden
// channel decoders of the graph and the CSV export. The input chooses the model code (every code
// of the model lists, or any four bytes), the identification scheme, the units, the highlight
// period and the language, then runs reports one after another as a session delivers them, with
// page switches, language and unit changes and a clearing of the trouble codes in between.
// Besides crashes it checks what the pages promise: cells within their grid, change bits only for
// rows that exist, channel values that are numbers, the Engine page's repeated-row shortcut giving
// the texts a fresh page computes (on every grid page), and trouble-code rows matching the records of the answer.
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "context/app_context.h"
#include "fuzz_input.h"
#include "link/report.h"
#include "pages/abs_page.h"
#include "pages/active_tests_page.h"
#include "pages/channel_decoders.h"
#include "pages/combined_page.h"
#include "pages/current_values_table.h"
#include "pages/engine_page.h"
#include "pages/eps_page.h"
#include "pages/error_codes_page.h"
#include "pages/freeze_frame_page.h"
#include "pages/page_texts.h"
#include "pages/transmission_page.h"
#include "settings/language_table.h"
#include "settings/languages.h"
#include "settings/settings.h"
#include "sim/simulated_module.h"
#include "sim/virtual_vehicle.h"
#include "vehicle/dtc_catalogue.h"
#include "vehicle/ecm_model_table.h"
#include "vehicle/english_texts.h"
#include "vehicle/live_value_slots.h"

using namespace quilldar;

namespace {

void check(bool ok) {
    if (!ok) std::abort();
}

// Every model code the pages know, once each, and the codes the ABS and EPS pages name.
const std::vector<std::string>& knownCodes() {
    static const std::vector<std::string> codes = [] {
        std::vector<std::string> all{"10G0", "27G0", std::string(pages::EpsPage::kModel)};
        for (const auto list : {vehicle::ModelList::Engine, vehicle::ModelList::ActiveTests,
                                vehicle::ModelList::ShowDataWhenTrouble,
                                vehicle::ModelList::EngineTransmission}) {
            for (const vehicle::EcmModelEntry& entry : vehicle::modelList(list)) all.emplace_back(entry.code);
        }
        std::sort(all.begin(), all.end());
        all.erase(std::unique(all.begin(), all.end()), all.end());
        return all;
    }();
    return codes;
}

// The language table the pages read, refilled in place as a language change does.
struct Texts {
    settings::Settings settings;
    settings::LanguageTable table;
    int filled = -1;
    void fill(int language) {
        if (language == filled) return;
        table.fill(language, settings);
        filled = language;
    }
};

// The application records Active tests needs: a link over a simulated module that is never opened
// (a rejection's "stop the test" then goes nowhere).
app::AppContext& context() {
    static app::AppContext instance(
        std::make_unique<sim::SimulatedModule>(std::make_unique<sim::VirtualVehicle>()));
    return instance;
}

class SilentView : public pages::ActiveTestsView {
public:
    bool ask(const QString&) override { return true; }
    void tell(pages::Notice, const QString&, const QString&) override {}
    void holdTimer(bool) override {}
};

vehicle::UnitSettings drawUnits(FuzzedDataProvider& input) {
    vehicle::UnitSettings units;
    units.speed = input.ConsumeIntegralInRange(0, 1);
    units.temperature = input.ConsumeIntegralInRange(0, 1);
    units.pressure = input.ConsumeIntegralInRange(0, 3);
    units.highlightPeriod = input.ConsumeIntegralInRange(0, 10);
    units.highlightColour = input.ConsumeIntegral<std::uint32_t>() & 0xFFFFFF;
    return units;
}

std::string drawCode(FuzzedDataProvider& input) {
    const auto& codes = knownCodes();
    const std::size_t pick = input.ConsumeIntegralInRange<std::size_t>(0, codes.size());
    if (pick < codes.size()) return codes[pick];
    return input.ConsumeBytesAsString(vehicle::kEcmCodeLength);  // any bytes, possibly short
}

link::Report drawReport(FuzzedDataProvider& input) {
    link::Report report{};
    const std::vector<std::uint8_t> bytes = input.ConsumeBytes<std::uint8_t>(link::kReportSize);
    std::copy(bytes.begin(), bytes.end(), report.begin());
    return report;
}

// A grid page's cells stay in their grid, its change bits name only its rows, and a cell is drawn
// on white, on the placeholder grey or in the highlight colour, never highlighted when the
// highlight period is 0 (the page was reset with the units it now runs with).
void checkGrid(pages::PageModel& page, int rows, const vehicle::UnitSettings& units) {
    check(page.rowCount() == rows);
    for (int row = 0; row < rows; ++row) {
        const pages::GridPlace place = page.place(row);
        check(place.column >= 0 && place.column < pages::PageModel::kColumns);
        check(place.line >= 0 && place.line < pages::PageModel::kLines);
        check(!page.cellText(row).isEmpty());
        const vehicle::Colour colour = page.cellColour(row);
        check(colour == vehicle::kWhite || colour == vehicle::kPlaceholderGrey ||
              (colour == units.highlightColour && units.highlightPeriod > 0));
    }
    const std::uint64_t changed = page.takeChangedCells();
    check(rows >= 64 || (changed >> rows) == 0);
    page.takeLayoutChanged();
}

// The Engine page remembers each row's raw bytes to skip formatting a row that did not change;
// a fresh page, which has nothing remembered, must show the same texts for the same report. Rows
// the report leaves alone (absent cylinders, no formula) keep their last text on the running page
// and the placeholder on the fresh one, so only the rows the fresh page filled are compared.
void checkEngineAgainstFresh(pages::EnginePage& page, const link::Report& report,
                             const pages::PageInput& pageInput, const settings::LanguageTable& texts) {
    vehicle::LiveValueSlots values;
    pages::CurrentValuesTable table;
    pages::EnginePage fresh(values, table, texts);
    link::Report copy = report;
    fresh.tick(copy, pageInput);
    const QString placeholder = pages::engineTexts(texts)[vehicle::engine_text::kPlaceholder];
    for (int row = 0; row < page.rowCount(); ++row) {
        if (fresh.cellText(row) != placeholder) check(fresh.cellText(row) == page.cellText(row));
    }
}

// The grid pages keep no memory of earlier reports in their texts except the cells a report
// leaves alone: a fresh page of the same kind shows the same text in every cell it fills.
template <typename Page>
void checkGridAgainstFresh(pages::PageModel& page, const link::Report& report,
                           const pages::PageInput& pageInput, const settings::LanguageTable& texts) {
    vehicle::LiveValueSlots values;
    Page fresh(values, texts);
    link::Report copy = report;
    fresh.tick(copy, pageInput);
    const QString placeholder = pages::engineTexts(texts)[vehicle::engine_text::kPlaceholder];
    for (int row = 0; row < page.rowCount(); ++row) {
        if (fresh.cellText(row) != placeholder) check(fresh.cellText(row) == page.cellText(row));
    }
}

void checkTroubleCodes(const pages::ErrorCodesPage& page, const link::Report& report) {
    const std::vector<vehicle::DtcRecord> records = vehicle::dtcRecords(report);
    check(page.rows().size() == records.size());
    check(page.reportCellCount() % 3 == 0 && page.reportCellCount() <= pages::ErrorCodesPage::kReportCellsCleared);
    for (std::size_t i = 0; i < records.size(); ++i) {
        const int number = vehicle::dtcNumber(records[i].high, records[i].low);
        check(number >= 0 && number <= 4665);
        check(page.rows()[i].code.startsWith(QStringLiteral("P%1").arg(number, 4, 10, QLatin1Char('0'))));
    }
}

enum Page { Engine, Transmission, Combined, Abs, Eps, ErrorCodes, FreezeFrame, ActiveTests, kPageCount };

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Texts texts;
    FuzzedDataProvider input(data, size);

    int language = input.ConsumeIntegralInRange(0, settings::kLanguageCount - 1);
    texts.fill(language);
    std::string code = drawCode(input);
    const bool alt = input.ConsumeBool();
    vehicle::UnitSettings units = drawUnits(input);

    app::AppState& state = context().state();
    state.systemKind = input.ConsumeIntegralInRange<std::uint16_t>(0, 5);
    state.altListVariant = alt ? 1 : 0;
    state.playback = input.ConsumeBool() ? 1 : 0;
    link::EcmIdentity ecm;
    ecm.code = QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size()));

    vehicle::LiveValueSlots values;
    pages::CurrentValuesTable table;
    vehicle::DtcCatalogue catalogue;
    vehicle::assignEnglishDtcTexts(catalogue);
    pages::EnginePage engine(values, table, texts.table);
    pages::TransmissionPage transmission(values, texts.table);
    pages::CombinedPage combined(values, texts.table);
    pages::AbsPage abs(values, texts.table);
    pages::EpsPage eps(values, texts.table);
    pages::ErrorCodesPage errorCodes;
    pages::FreezeFramePage freezeFrame;
    SilentView view;
    pages::ActiveTestsPage activeTests(context().link(), state, ecm, texts.table, view);
    // The graph view's own decoders, on their own value table.
    vehicle::LiveValueSlots graphValues;
    pages::ChannelDecoders graph(graphValues, texts.table);

    pages::PageModel* const grids[] = {&engine, &transmission, &combined, &abs, &eps};
    const int gridRows[] = {pages::EnginePageModel::kRowCount, pages::TransmissionPage::kRowCount,
                            pages::CombinedPage::kRowCount, pages::AbsPage::kRowCount, pages::EpsPage::kRowCount};
    int shown = input.ConsumeIntegralInRange(0, kPageCount - 1);

    for (int step = 0; step < 64 && input.remaining_bytes() > 0; ++step) {
        switch (input.ConsumeIntegralInRange(0, 9)) {
            case 0:  // another page is shown; it lays itself out afresh
                shown = input.ConsumeIntegralInRange(0, kPageCount - 1);
                if (shown < Eps + 1) grids[shown]->requestReset();
                if (shown == FreezeFrame) freezeFrame.requestLayout();
                if (shown == ErrorCodes) errorCodes.resetLastChecksum();
                continue;
            case 1:  // the trouble codes were cleared
                freezeFrame.startAfresh();
                errorCodes.resetLastChecksum();
                continue;
            case 2:  // a language or unit change refills the texts and resets every page
                language = input.ConsumeIntegralInRange(0, settings::kLanguageCount - 1);
                texts.fill(language);
                units = drawUnits(input);
                for (pages::PageModel* page : grids) page->requestReset();
                freezeFrame.requestLayout();
                activeTests.requestInit();
                continue;
            default:
                break;
        }
        link::Report report = drawReport(input);
        const pages::PageInput pageInput{code, alt, input.ConsumeBool(), units};

        link::Report graphReport = report;
        graph.decode(graphReport, code, alt, units);
        for (std::size_t slot = 0; slot < vehicle::LiveValueSlots::kSlotCount; ++slot)
            check(std::isfinite(graphValues.latest(slot)));

        switch (shown) {
            case ErrorCodes: {
                if (errorCodes.tick(report, catalogue, vehicle::englishDtcStatusWords()))
                    checkTroubleCodes(errorCodes, report);
                break;
            }
            case FreezeFrame:
                freezeFrame.tick(report, code, texts.table, catalogue);
                freezeFrame.takeLayoutChanged();
                break;
            case ActiveTests:
                activeTests.tick(report);
                activeTests.takeInitialised();
                check(activeTests.targetIdle() >= 0 && activeTests.targetIdle() <= 127.5 * 255 / 2.55 + 1);
                for (int field = 0; field < pages::kTestFieldCount; ++field)
                    check(!activeTests.field(static_cast<pages::TestField>(field)).isEmpty());
                break;
            default: {
                pages::PageModel& page = *grids[shown];
                const link::Report before = report;
                const bool decoded = page.tick(report, pageInput);
                checkGrid(page, gridRows[shown], units);
                if (shown == Engine) {
                    // Only the advance byte may be raised, and only on a decoded report.
                    for (std::size_t i = 0; i < link::kReportSize; ++i) {
                        if (report[i] != before[i]) check(decoded && report[i] > before[i]);
                    }
                    if (decoded) checkEngineAgainstFresh(engine, report, pageInput, texts.table);
                } else if (decoded) {
                    switch (shown) {
                        case Transmission: checkGridAgainstFresh<pages::TransmissionPage>(page, report, pageInput, texts.table); break;
                        case Combined: checkGridAgainstFresh<pages::CombinedPage>(page, report, pageInput, texts.table); break;
                        case Abs: checkGridAgainstFresh<pages::AbsPage>(page, report, pageInput, texts.table); break;
                        default: checkGridAgainstFresh<pages::EpsPage>(page, report, pageInput, texts.table); break;
                    }
                }
                break;
            }
        }
        for (std::size_t slot = 0; slot < vehicle::LiveValueSlots::kSlotCount; ++slot)
            check(std::isfinite(values.latest(slot)));
    }
    return 0;
}
