// Engine page decoding throughput over a realistic mix of recorded reports: live data of a
// running engine (idle, warm-up, throttle blips) from the simulated ECM, with a share of
// trouble-code answers, blanked reports (wrong checksum) and frames of other pages that the
// decoder must skip. Reported as frames per second (items_per_second).
#include <benchmark/benchmark.h>

#include <vector>

#include "link/kwp_frame.h"
#include "pages/engine_page_model.h"
#include "sim/engine_running_model.h"
#include "vehicle/english_texts.h"

namespace {

using namespace quilldar;

link::Report reportOf(const link::Frame& frame) {
    link::Report report{};
    for (std::size_t i = 0; i < frame.size() && i < link::kPayloadSize; ++i)
        report[i + 1] = frame[i];
    return report;
}

std::vector<link::Report> recordedMix(int cylinders) {
    const sim::EngineRunningModel engine(cylinders);
    std::vector<link::Report> reports;
    constexpr int kRecords = 4000;  // ten minutes of recording
    for (int i = 0; i < kRecords; ++i) {
        const double seconds = i * 0.15;
        if (i % 40 == 7) {
            // A trouble-code answer now and then.
            const std::vector<std::uint8_t> codes{0x58, 2, 0x01, 0x05, 0x60, 0xD6, 0x55, 0x20};
            reports.push_back(reportOf(link::buildResponse(link::address::kEngine, codes)));
        } else if (i % 50 == 11) {
            reports.push_back(link::Report{});  // blanked by the response check
        } else {
            std::vector<std::uint8_t> service{0x61, 0x08};
            const auto block = engine.liveBlock(seconds, 0);
            service.insert(service.end(), block.begin(), block.end());
            reports.push_back(reportOf(link::buildResponse(link::address::kEngine, service)));
        }
    }
    return reports;
}

void decode(benchmark::State& state, const char* ecmCode, int cylinders,
            const vehicle::UnitSettings& units = {}) {
    const std::vector<link::Report> reports = recordedMix(cylinders);
    vehicle::LiveValueSlots values;
    pages::CurrentValuesTable table;
    pages::EnginePageModel page(values, table);
    page.reset(vehicle::englishEngineTexts(), vehicle::englishUnitTexts(units),
               units.highlightPeriod);
    const pages::EngineRefreshInput input{ecmCode, false, false, units};
    std::size_t next = 0;
    link::Report report{};
    for (auto _ : state) {
        report = reports[next];  // the decoder may raise the advance byte in place
        benchmark::DoNotOptimize(page.refresh(report, input));
        benchmark::DoNotOptimize(page.takeChangedCells());
        if (++next == reports.size()) next = 0;
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}

// 12F0: 14 of the 34 channels; 21H2: 31 channels, the most of any model.
void BM_EngineDecode_12F0(benchmark::State& state) { decode(state, "12F0", 4); }
void BM_EngineDecode_21H2(benchmark::State& state) { decode(state, "21H2", 4); }
void BM_EngineDecode_21H2_TwoCylindersImperial(benchmark::State& state) {
    vehicle::UnitSettings units;
    units.speed = 1;
    units.temperature = 1;
    units.pressure = 3;
    decode(state, "21H2", 2, units);
}

BENCHMARK(BM_EngineDecode_12F0);
BENCHMARK(BM_EngineDecode_21H2);
BENCHMARK(BM_EngineDecode_21H2_TwoCylindersImperial);

}  // namespace

BENCHMARK_MAIN();
