// The recording loader and reader on arbitrary files: lengths that are not whole records, no
// frame, damaged identification answers, and files that shrink or grow while they are open.
#include <QFile>
#include <cstdint>
#include <cstdlib>

#include "files/recording_file.h"
#include "fuzz_input.h"

using namespace quilldar;

namespace {

void readEverything(files::RecordingFile& recording, FuzzedDataProvider& control) {
    link::Report record{};
    const std::uint32_t count = recording.recordCount();
    std::uint32_t read = 0;
    while (recording.read(record)) {
        if (++read > count) std::abort();  // read past the end the file had when it was loaded
    }
    // Random access as the slider and the "<<" / ">>" buttons use it, in and beyond the file.
    for (int i = 0; i < 8 && control.remaining_bytes() > 0; ++i) {
        const auto index = control.ConsumeIntegralInRange<std::uint32_t>(0, count + 2);
        const bool present = recording.recordAt(index, record);
        if (present && index >= count) std::abort();
        if (recording.seek(index)) recording.readRaw(record);
    }
    files::summarizeRecording(recording);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::ScratchFile scratch(".QLS");
    // The first bytes steer what happens to the file while it is open; the rest is the file.
    FuzzedDataProvider control(data, std::min<std::size_t>(size, 16));
    const std::uint8_t* file = data + std::min<std::size_t>(size, 16);
    const std::size_t fileSize = size - std::min<std::size_t>(size, 16);
    scratch.write(file, fileSize);

    files::RecordingFile recording;
    if (recording.load(scratch.path()) != files::LoadResult::Loaded) return 0;
    if (recording.recordCount() == 0 || recording.playbackStart() > recording.recordCount()) std::abort();
    const int change = control.ConsumeIntegralInRange<int>(0, 2);
    if (change > 0) {
        // Another program cuts the file back or appends to it while it is played back.
        QFile other(scratch.path());
        if (other.open(QIODevice::ReadWrite)) {
            const auto length = control.ConsumeIntegralInRange<qint64>(0, static_cast<qint64>(fileSize) + 200);
            other.resize(change == 1 ? length % (static_cast<qint64>(fileSize) + 1) : length);
        }
    }
    readEverything(recording, control);
    return 0;
}
