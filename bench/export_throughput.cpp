// Whole-process throughput of `quilldar-tool export` over a generated recording of 240,000
// records (ten hours of a live engine session), against `cat` of the same file in the same run:
//   quilldar_export_throughput [RECORDS] [RUNS]
// Prints the best of RUNS for each, as records per second and as a ratio to cat.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine_recording.h"
#include "link/kwp_frame.h"

namespace {

using namespace quilldar;

// Ten hours of a running engine with a trouble-code answer now and then, and a line fault.
QByteArray recording(int records) {
    return bench::engineRecording(records, [](QByteArray& file, int i, link::Frame& frame) {
        if (i % 200 < 4) {
            const std::vector<std::uint8_t> codes{0x58, 1, 0x01, 0x05, 0x60};
            bench::appendRecord(file, 5, link::buildResponse(link::address::kEngine, codes));
            return true;
        }
        if (i % 997 == 0) frame.back() ^= 0x5A;  // a line fault now and then
        return false;
    });
}

double bestSeconds(const std::string& command, int runs) {
    double best = 1e9;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        if (std::system(command.c_str()) != 0) {
            std::fprintf(stderr, "failed: %s\n", command.c_str());
            std::exit(1);
        }
        best = std::min(
            best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    const int records = argc > 1 ? std::atoi(argv[1]) : 240000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("session.QLS"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(recording(records)) < 0) return 1;
    file.close();
    const std::string recordingPath = path.toStdString();
    const std::string csvPath = dir.filePath(QStringLiteral("session.csv")).toStdString();
    const std::string tool = QUILLDAR_TOOL_PATH;

    const double cat = bestSeconds("cat '" + recordingPath + "' > /dev/null", runs);
    const double toNull =
        bestSeconds("'" + tool + "' export '" + recordingPath + "' > /dev/null", runs);
    const double toFile = bestSeconds(
        "'" + tool + "' export '" + recordingPath + "' --channels 0,1,3,8 -o '" + csvPath + "'",
        runs);

    std::printf("recording: %d records, %.1f MB (best of %d runs)\n", records, records * 65.0 / 1e6,
                runs);
    std::printf("cat:                     %8.3f s  %8.2f M records/s\n", cat, records / cat / 1e6);
    std::printf("export to stdout (null): %8.3f s  %8.2f M records/s  %5.1f x cat\n", toNull,
                records / toNull / 1e6, toNull / cat);
    std::printf("export -o file:          %8.3f s  %8.2f M records/s  %5.1f x cat\n", toFile,
                records / toFile / 1e6, toFile / cat);
    return 0;
}
