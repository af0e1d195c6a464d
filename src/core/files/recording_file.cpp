#include "files/recording_file.h"

#include <algorithm>
#include <charconv>
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
// Positive response to readEcuIdentification.
constexpr std::uint8_t kIdentificationAnswer = 0x5A;

// Frame bytes first..first+count-1 as text, ending at the first zero byte.
QByteArray frameText(const link::Report& record, std::size_t first, std::size_t count) {
    const char* begin = reinterpret_cast<const char*>(record.data() + first + 1);
    const std::size_t length = std::find(begin, begin + count, '\0') - begin;
    return QByteArray(begin, static_cast<qsizetype>(length));
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

    identify();
    return LoadResult::Loaded;
}

void RecordingFile::close() {
    file_.close();
    blockFirst_ = blockRecords_ = 0;
    count_ = 0;
    next_ = 0;
    playbackStart_ = 0;
    identity_ = {};
    bufferPos_ = bufferEnd_ = 0;
}

void RecordingFile::identify() {
    rewind();
    identity_ = {};
    // The connection records the identification answers first, a retried request once per try.
    // The unit is the one that answered first; its answers decide the scheme: an engine that
    // answered 0x8E among them was identified through the second scheme, and the steering unit
    // answers the part-number request with 0x8A and the code request with 0x8E.
    std::vector<link::Report> first;
    link::Report record{};
    for (int i = 0; i < kSearchLimit && readRaw(record); ++i) first.push_back(record);
    const auto isAnswer = [&](const link::Report& r) {
        return link::frameByte(r, 0) == kFrameFormat && link::frameByte(r, 4) == kIdentificationAnswer &&
               (identity_.unitAddress == 0 || link::frameByte(r, 2) == identity_.unitAddress);
    };
    for (const link::Report& r : first) {
        if (!isAnswer(r)) continue;
        identity_.unitAddress = link::frameByte(r, 2);
        break;
    }
    if (identity_.unitAddress == link::address::kEps) {
        identity_.partNumberIdentifier = kCodeAnswerSecondScheme;
        identity_.codeIdentifier = kPartNumberAnswerSecondScheme;
    } else if (identity_.unitAddress == link::address::kEngine &&
               std::any_of(first.begin(), first.end(), [&](const link::Report& r) {
                   return isAnswer(r) && link::frameByte(r, 5) == kPartNumberAnswerSecondScheme;
               })) {
        identity_.altListVariant = true;
        identity_.partNumberIdentifier = kPartNumberAnswerSecondScheme;
        identity_.codeIdentifier = kCodeAnswerSecondScheme;
    }
    // The last answer of each kind is the one the session went on with.
    std::size_t lastUsed = first.size();
    for (std::size_t i = 0; i < first.size(); ++i) {
        if (isAnswer(first[i]) && identity_.take(first[i])) lastUsed = i;
    }
    if (identity_.unitAddress == 0 || lastUsed == first.size()) {
        // No identification: playback goes on after the records the searches looked through.
        identity_ = {};
        seek(std::min<std::uint32_t>(count_, 2 * kSearchLimit));
    } else {
        seek(static_cast<std::uint32_t>(lastUsed) + 1);
    }
    // The first records after the identification: one, three more when it was written on the
    // Error codes page, and one more.
    if (readRaw(record) && record[0] == kErrorCodesPage) {
        for (int i = 0; i < 3; ++i) readRaw(record);
    }
    readRaw(record);
    playbackStart_ = next_;
}

bool RecordingIdentity::isCodeAnswer(const link::Report& record) const {
    return link::frameByte(record, 4) == kIdentificationAnswer && link::frameByte(record, 2) == unitAddress &&
           link::frameByte(record, 5) == codeIdentifier;
}

bool RecordingIdentity::take(const link::Report& record) {
    if (link::frameByte(record, 4) != kIdentificationAnswer || link::frameByte(record, 2) != unitAddress) return false;
    const std::uint8_t identifier = link::frameByte(record, 5);
    if (identifier == partNumberIdentifier) {
        ecmPartNumber = frameText(record, 6, 11);
        return true;
    }
    if (identifier == codeIdentifier) {
        ecmCode = frameText(record, 12, 4).toStdString();
        return true;
    }
    return false;
}

bool RecordingFile::recordAt(std::uint32_t index, link::Report& record) {
    if (!isOpen() || index >= count_) return false;
    if (index < blockFirst_ || index >= blockFirst_ + blockRecords_) {
        // The block that ends just after the index: backward steps find the records before it.
        constexpr auto kBlock = static_cast<std::uint32_t>(kBufferRecords);
        const std::uint32_t first = index + 1 >= kBlock ? index + 1 - kBlock : 0;
        const std::uint32_t records = std::min(kBlock, count_ - first);
        block_.resize(static_cast<std::size_t>(records) * kRecordSize);
        blockRecords_ = 0;
        if (!file_.seek(static_cast<qint64>(first) * static_cast<qint64>(kRecordSize))) return false;
        const qint64 got = file_.read(reinterpret_cast<char*>(block_.data()), static_cast<qint64>(block_.size()));
        // The sequential reader goes on from its own position, with its buffer read afresh.
        bufferPos_ = bufferEnd_ = 0;
        if (!file_.seek(static_cast<qint64>(next_) * static_cast<qint64>(kRecordSize))) return false;
        if (got <= 0) return false;
        blockFirst_ = first;
        blockRecords_ = static_cast<std::uint32_t>(static_cast<std::size_t>(got) / kRecordSize);
        if (index >= blockFirst_ + blockRecords_) return false;
    }
    std::memcpy(record.data(), block_.data() + static_cast<std::size_t>(index - blockFirst_) * kRecordSize,
                kRecordSize);
    return true;
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

QString secondsText(double seconds, int digits) {
    // Written with a decimal point whatever the desktop's locale.
    char text[48];
    const auto written = std::to_chars(text, text + 40, seconds, std::chars_format::general, std::clamp(digits, 1, 17));
    int size = written.ec == std::errc{} ? static_cast<int>(written.ptr - text) : 0;
    text[size] = '\0';
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
    return QString::fromLatin1(text, size);
}

QString durationText(std::uint32_t records, const QString& secondsWord) {
    return secondsText(records * kSecondsPerRecord, 3) + secondsWord;
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
