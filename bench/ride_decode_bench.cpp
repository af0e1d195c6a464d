// Decoding a recorded ride for the graph: the four default engine channels of a 12F0 engine
// over a recording of 60,000 records (two and a half hours), as the graph and its prefetch decode it, in
// one pass and in the two halves at once that a long ride gets. Reported as records per second.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "engine_recording.h"
#include "files/recording_file.h"
#include "graph/ride_decoding.h"
#include "settings/language_table.h"
#include "settings/languages.h"
#include "settings/settings.h"

namespace {

using namespace quilldar;

constexpr int kRecords = 60'000;

void decodeRide(benchmark::State& state, bool oneThread) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("ride.QLS"));
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bench::engineRecording(kRecords)) < 0) {
        state.SkipWithError("cannot write the recording");
        return;
    }
    out.close();
    settings::Settings settings;
    settings::LanguageTable texts;
    texts.fill(settings::kEnglish, settings);
    files::RecordingFile recording;
    if (recording.load(path) != files::LoadResult::Loaded) {
        state.SkipWithError("cannot load the recording");
        return;
    }
    const pages::ChannelSelection channels =
        pages::channelsFor(settings.chartChannels, pages::ChannelFamily::Engine, "12F0");
    for (auto _ : state) {
        graph::RideDecoding ride =
            graph::decodeRide(recording, channels, {true, true, true, true}, texts, vehicle::UnitSettings{}, oneThread);
        benchmark::DoNotOptimize(ride.series[0].values.data());
        if (ride.records == 0) state.SkipWithError("nothing decoded");
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}

void BM_DecodeRide_OnePass(benchmark::State& state) { decodeRide(state, true); }
void BM_DecodeRide_TwoHalves(benchmark::State& state) { decodeRide(state, false); }

}  // namespace

BENCHMARK(BM_DecodeRide_OnePass)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeRide_TwoHalves)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
