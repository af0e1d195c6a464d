#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "link/report.h"

namespace quilldar::files {

// A recording is a plain sequence of 65-byte records without header: byte 0 the page shown when
// the record was written, bytes 1..64 one report of the interface module as received.
inline constexpr std::size_t kRecordSize = link::kReportSize;
// A recording must show a diagnostic frame among its first records; the identification searches
// look no further either.
inline constexpr int kSearchLimit = 50;
inline constexpr std::uint8_t kFrameFormat = 0x80;
// One record stands for 0.15 s wherever a time is shown.
inline constexpr double kSecondsPerRecord = 0.15;
// The identification answers at the start of every recording; graphs, exports and statistics
// begin after them.
inline constexpr std::uint32_t kIdentificationRecords = 2;

enum class LoadResult {
    Loaded,
    CannotOpen,  // "File is locked by another application."
    Corrupted,   // "File is corrupted, load skipped."
};

// What the identification records of a recording say about its ECM.
struct RecordingIdentity {
    QByteArray
        ecmPartNumber;    // up to 11 characters; empty when the recording has no part-number answer
    std::string ecmCode;  // up to 4 characters; empty when the recording has no code answer
    bool altListVariant = false;  // the ECM answered in the second identification scheme
    // The unit that answered the identification (its address; 0 when none did), and the
    // identifiers of its part-number and code answers.
    std::uint8_t unitAddress = 0;
    std::uint8_t partNumberIdentifier = 0x91;
    std::uint8_t codeIdentifier = 0x9A;

    // Takes the part number or the code from an identification answer of the recording's unit;
    // false for any other record.
    bool take(const link::Report& record);
    // True when the record is the unit's answer with its model code.
    bool isCodeAnswer(const link::Report& record) const;
};

// A recording opened for reading: validation and identification on load, then buffered reading
// of records by index. Never reads past the end of the file.
class RecordingFile {
public:
    // Opens and validates the file (its length a multiple of 65 and a frame among the first 50
    // records), then reads the identification. On failure the file is closed again.
    LoadResult load(const QString& path);
    void close();
    bool isOpen() const { return file_.isOpen(); }
    // The path it was loaded from.
    QString path() const { return file_.fileName(); }

    std::uint32_t recordCount() const { return count_; }
    const RecordingIdentity& identity() const { return identity_; }
    // The record where playback continues once loading has read the first records.
    std::uint32_t playbackStart() const { return playbackStart_; }

    // The index of the next record to read.
    std::uint32_t position() const { return next_; }
    // The record at the index, as stored, without moving the reading position; false beyond the
    // end or on a read error. Reads nearby records at once, so that stepping backwards through a
    // recording stays cheap.
    bool recordAt(std::uint32_t index, link::Report& record);
    void rewind() { seek(0); }
    bool seek(std::uint32_t index);
    // The next record as stored; false at the end of the file or on a read error.
    bool readRaw(link::Report& record);
    // The next record with the response check applied: a frame whose checksum is wrong is blanked
    // (bytes 0..63 zero) unless the recording's ECM uses the second identification scheme.
    bool read(link::Report& report);

private:
    // Reads the identification from the first records and leaves the position where playback
    // goes on.
    void identify();
    bool refill();

    QFile file_;
    std::uint32_t count_ = 0;
    std::uint32_t next_ = 0;
    std::uint32_t playbackStart_ = 0;
    RecordingIdentity identity_;
    std::vector<std::uint8_t> buffer_;
    std::size_t bufferPos_ = 0;  // next unread byte of buffer_
    std::size_t bufferEnd_ = 0;
    // The block of records that recordAt read last.
    std::vector<std::uint8_t> block_;
    std::uint32_t blockFirst_ = 0;
    std::uint32_t blockRecords_ = 0;
};

// A time in the general notation of the time fields: at most `digits` significant digits,
// exponents with three digits, and two decimals once there is a decimal point ("1.50", "15",
// "1.05e+003").
QString secondsText(double seconds, int digits);
// N × 0.15 s with three significant digits, followed by the seconds word: 10 records
// "1.50 sec", 100 records "15 sec".
QString durationText(std::uint32_t records, const QString& secondsWord);

// A run of consecutive records carrying the same page tag.
struct PageSegment {
    int page;
    std::uint32_t records;
};

// A summary of the whole recording, read from its start; the file is rewound afterwards.
struct RecordingSummary {
    std::vector<PageSegment> segments;
    std::uint32_t checksumErrors = 0;  // records whose frame checksum is wrong
};
RecordingSummary summarizeRecording(RecordingFile& recording);

}  // namespace quilldar::files
