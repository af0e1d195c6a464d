#include "files/recording_file.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "link/kwp_frame.h"

namespace quilldar::files {

namespace {

// Records read from the file at once: about a quarter of a megabyte.
constexpr std::size_t kBufferRecords = 4096;

constexpr std::uint8_t kPartNumberAnswer = 0x91;
constexpr std::uint8_t kPartNumberAnswerSecondScheme = 0x8E;
constexpr std::uint8_t kCodeAnswer = 0x9A;
constexpr std::uint8_t kCodeAnswerSecondScheme = 0x8A;
constexpr std::uint8_t kErrorCodesPage = 5;

// Frame bytes first..first+count-1 as text, ending at the first zero byte.
QByteArray frameText(const link::Report& record, std::size_t first, std::size_t count) {
    const char* begin = reinterpret_cast<const char*>(record.data() + first + 1);
    const std::size_t length = std::find(begin, begin + count, '\0') - begin;
    return QByteArray(begin, static_cast<qsizetype>(length));
}

bool isSecondSchemeMarker(const link::Report& record) {
    return link::frameByte(record, 5) == kPartNumberAnswer && link::frameByte(record, 6) == 0x12 &&
           link::frameByte(record, 7) == 0x31;
}

}  // namespace

LoadResult RecordingFile::load(const QString& path) {
    close();
    file_.setFileName(path);
    if (!file_.open(QIODevice::ReadOnly)) return LoadResult::CannotOpen;
    const qint64 size = file_.size();
    const qint64 records = size / static_cast<qint64>(kRecordSize);
    // Counts beyond 32 bits cannot be played back; such a file is not a recording.
    if (records > static_cast<qint64>(UINT32_MAX)) {
        close();
        return LoadResult::Corrupted;
    }
    count_ = static_cast<std::uint32_t>(records);
    buffer_.resize(kBufferRecords * kRecordSize);

    bool frameFound = false;
    link::Report record{};
    for (int i = 0; i < kSearchLimit && readRaw(record); ++i) {
        if (link::frameByte(record, 0) == kFrameFormat) {
            frameFound = true;
            break;
        }
    }
    if (records * static_cast<qint64>(kRecordSize) != size || !frameFound) {
        close();
        return LoadResult::Corrupted;
    }

    rewind();
    identity_ = {};
    // An ECM of the second scheme first answers the part-number request with 12 31 instead of
    // its part number, and the connection records that answer too; the real part number follows
    // in the second scheme's answer.
    bool found = readUntilFrameByte5(record, kPartNumberAnswer, kPartNumberAnswerSecondScheme);
    if (found && isSecondSchemeMarker(record)) {
        found = readUntilFrameByte5(record, kPartNumberAnswer, kPartNumberAnswerSecondScheme);
    }
    if (found) {
        identity_.altListVariant = link::frameByte(record, 5) == kPartNumberAnswerSecondScheme;
        identity_.ecmPartNumber = frameText(record, 6, 11);
    }
    if (readUntilFrameByte5(record, kCodeAnswer, kCodeAnswerSecondScheme)) {
        identity_.ecmCode = frameText(record, 12, 4).toStdString();
    }
    // The first records after the identification: one, three more when it was written on the
    // Error codes page, and one more.
    if (readRaw(record) && record[0] == kErrorCodesPage) {
        for (int i = 0; i < 3; ++i) readRaw(record);
    }
    readRaw(record);
    playbackStart_ = next_;
    return LoadResult::Loaded;
}

void RecordingFile::close() {
    file_.close();
    count_ = 0;
    next_ = 0;
    playbackStart_ = 0;
    identity_ = {};
    bufferPos_ = bufferEnd_ = 0;
}

bool RecordingFile::readUntilFrameByte5(link::Report& record, std::uint8_t first,
                                        std::uint8_t second) {
    for (int i = 0; i < kSearchLimit && readRaw(record); ++i) {
        const std::uint8_t identifier = link::frameByte(record, 5);
        if (identifier == first || identifier == second) return true;
    }
    return false;
}

bool RecordingFile::seek(std::uint32_t index) {
    bufferPos_ = bufferEnd_ = 0;
    next_ = std::min(index, count_);
    return isOpen() && file_.seek(static_cast<qint64>(next_) * static_cast<qint64>(kRecordSize)) &&
           index <= count_;
}

bool RecordingFile::refill() {
    const std::uint32_t remaining = count_ - next_;
    const std::size_t wanted = std::min<std::size_t>(remaining, kBufferRecords) * kRecordSize;
    if (wanted == 0) return false;
    const qint64 got =
        file_.read(reinterpret_cast<char*>(buffer_.data()), static_cast<qint64>(wanted));
    if (got <= 0) return false;
    bufferPos_ = 0;
    // A file that shrank while open ends at its last whole record.
    bufferEnd_ = static_cast<std::size_t>(got) / kRecordSize * kRecordSize;
    return bufferEnd_ > 0;
}

bool RecordingFile::readRaw(link::Report& record) {
    if (!isOpen() || next_ >= count_) return false;
    if (bufferPos_ >= bufferEnd_ && !refill()) return false;
    std::memcpy(record.data(), buffer_.data() + bufferPos_, kRecordSize);
    bufferPos_ += kRecordSize;
    ++next_;
    return true;
}

bool RecordingFile::read(link::Report& report) {
    if (!readRaw(report)) return false;
    link::checkResponse(report, identity_.altListVariant);
    return true;
}

QString durationText(std::uint32_t records, const QString& secondsWord) {
    char text[40];
    int size = std::snprintf(text, 32, "%.3g", records * kSecondsPerRecord);
    if (size < 0) size = 0;
    // Exponents are written with three digits, as the rest of the program writes them.
    if (const char* e = std::strchr(text, 'e'); e != nullptr && text + size - e == 4) {
        const auto at = static_cast<std::size_t>(e - text) + 2;
        std::memmove(text + at + 1, text + at, static_cast<std::size_t>(size) - at + 1);
        text[at] = '0';
        ++size;
    }
    if (size >= 2 && text[size - 2] == '.') {
        text[size++] = '0';
    } else if (size >= 1 && text[size - 1] == '.') {
        text[size++] = '0';
        text[size++] = '0';
    }
    return QString::fromLatin1(text, size) + secondsWord;
}

RecordingSummary summarizeRecording(RecordingFile& recording) {
    RecordingSummary summary;
    recording.rewind();
    link::Report record{};
    while (recording.readRaw(record)) {
        const int page = record[0];
        if (summary.segments.empty() || summary.segments.back().page != page) {
            summary.segments.push_back({page, 0});
        }
        ++summary.segments.back().records;
        if (!link::responseChecksumOk(record)) ++summary.checksumErrors;
    }
    recording.rewind();
    return summary;
}

}  // namespace quilldar::files
