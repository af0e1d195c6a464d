// One timer tick of each live-data page on realistic live frames from the simulated units: a
// one-minute ride (standing, setting off, cruising, braking) recorded at one frame per 0.15 s,
// replayed frame after frame. A tick is the page's decoding of the receive report plus taking its
// changed-cell mask, as the page window does on every timer tick; the repaint is not included.
// Reported as time per tick and ticks per second; `ppm_of_period` is the tick's cost in
// millionths of the page's timer period (100 ms; 136 ms on the Transmission page).
#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "link/kwp_frame.h"
#include "pages/abs_page.h"
#include "pages/combined_page.h"
#include "pages/current_values_table.h"
#include "pages/engine_page.h"
#include "pages/eps_page.h"
#include "pages/transmission_page.h"
#include "settings/language_table.h"
#include "settings/languages.h"
#include "settings/settings.h"
#include "sim/engine_running_model.h"
#include "sim/unit_live_data.h"

namespace {

using namespace quilldar;

constexpr int kRecords = 400;  // one minute at 0.15 s per record
constexpr double kRecordSeconds = 0.15;

link::Report reportOf(std::uint8_t source, std::uint8_t identifier,
                      const std::vector<std::uint8_t>& data) {
    std::vector<std::uint8_t> service{0x61, identifier};
    service.insert(service.end(), data.begin(), data.end());
    const link::Frame frame = link::buildResponse(source, service);
    link::Report report{};
    for (std::size_t i = 0; i < frame.size() && i < link::kPayloadSize; ++i)
        report[i + 1] = frame[i];
    return report;
}

std::vector<std::uint8_t> engineBlock(double seconds) {
    static const sim::EngineRunningModel engine(4);
    const auto block = engine.liveBlock(seconds, 0);
    return {block.begin(), block.end()};
}

// The frames a unit sends over the ride; units with two blocks alternate them, as their
// polling lists do.
using FrameMaker = std::function<link::Report(int record, double seconds)>;

std::vector<link::Report> ride(const FrameMaker& make) {
    std::vector<link::Report> reports;
    for (int i = 0; i < kRecords; ++i) reports.push_back(make(i, i * kRecordSeconds));
    return reports;
}

void runPage(benchmark::State& state, pages::PageModel& page, const char* ecmCode, int periodMs,
             const std::vector<link::Report>& reports) {
    pages::PageInput input;
    input.ecmCode = ecmCode;
    link::Report report{};
    std::size_t next = 0;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        report = reports[next];  // the Engine page may raise the advance byte in place
        benchmark::DoNotOptimize(page.tick(report, input));
        benchmark::DoNotOptimize(page.takeChangedCells());
        if (++next == reports.size()) next = 0;
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
    // The tick's cost in millionths of the timer period: 1000 would be 0.1 % of a core.
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.counters["ppm_of_period"] =
        seconds / static_cast<double>(state.iterations()) / (periodMs * 1e-3) * 1e6;
}

struct Context {
    Context() {
        settings::Settings settings;
        settings.entries = {0, 0, 0, 0, 0, 5, 0, 0, 0, 0};
        texts.fill(settings::kEnglish, settings);
    }
    settings::LanguageTable texts;
    vehicle::LiveValueSlots values;
    pages::CurrentValuesTable table;
};

using PageMaker = std::function<std::unique_ptr<pages::PageModel>(Context&)>;

template <typename Page>
std::unique_ptr<pages::PageModel> makePage(Context& context) {
    return std::make_unique<Page>(context.values, context.texts);
}

std::unique_ptr<pages::PageModel> makeEnginePage(Context& context) {
    return std::make_unique<pages::EnginePage>(context.values, context.table, context.texts);
}

// A page, the model it shows and the frames its unit sends.
struct PageBench {
    const char* name;
    PageMaker make;
    const char* ecmCode;
    int periodMs;
    FrameMaker frame;
};

link::Report engineFrame(int, double t) {
    return reportOf(link::address::kEngine, 0x08, engineBlock(t));
}
link::Report transmissionFrame(int, double t) {
    return reportOf(link::address::kTransmission, 0x08, sim::live::transmissionBlock(t));
}
link::Report combinedFrame(int i, double t) {
    return i % 2 == 0 ? reportOf(link::address::kEngineTransmission, 0x08, engineBlock(t))
                      : reportOf(link::address::kEngineTransmission, 0x09,
                                 sim::live::transmissionBlock(t));
}
link::Report absFrame(int i, double t) {
    return i % 2 == 0 ? reportOf(link::address::kAbs, 0x00, sim::live::absWheelBlock(t, "27G0"))
                      : reportOf(link::address::kAbs, 0x08, sim::live::absStatusBlock(t, "27G0"));
}
link::Report epsFrame(int, double t) {
    return reportOf(link::address::kEps, 0x08, sim::live::epsBlock(t));
}

const PageBench kPages[] = {
    {"EnginePageTick/21H2", makeEnginePage, "21H2", 100, engineFrame},
    {"TransmissionPageTick", makePage<pages::TransmissionPage>, "",
     pages::TransmissionPage::kTimerPeriodMs, transmissionFrame},
    {"CombinedPageTick/26J0", makePage<pages::CombinedPage>, "26J0",
     pages::CombinedPage::kTimerPeriodMs, combinedFrame},
    {"AbsPageTick/27G0", makePage<pages::AbsPage>, "27G0", pages::AbsPage::kTimerPeriodMs,
     absFrame},
    {"EpsPageTick/31H0", makePage<pages::EpsPage>, "31H0", pages::EpsPage::kTimerPeriodMs,
     epsFrame},
};

void pageTick(benchmark::State& state, const PageBench& bench) {
    Context context;
    const std::unique_ptr<pages::PageModel> page = bench.make(context);
    runPage(state, *page, bench.ecmCode, bench.periodMs, ride(bench.frame));
}

}  // namespace

int main(int argc, char** argv) {
    for (const PageBench& bench : kPages) benchmark::RegisterBenchmark(bench.name, pageTick, bench);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
