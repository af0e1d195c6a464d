#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "link/kwp_frame.h"
#include "link/report.h"

namespace quilldar::testing {

// Frames as the engine ECM sends them, with correct checksums.
link::Frame partNumberAnswer(const std::string& partNumber, bool secondScheme = false,
                             std::uint8_t source = link::address::kEngine);
link::Frame modelCodeAnswer(const std::string& code, bool secondScheme = false,
                            std::uint8_t source = link::address::kEngine);
// The live-data response 80 F1 12 33 61 id, frame bytes 6..54 zero except those given.
link::Frame engineLiveFrame(const std::map<int, std::uint8_t>& bytes,
                            std::uint8_t identifier = 0x08, std::uint8_t source = 0x12);
// The trouble-code answer 80 F1 12 L 58 count, then three bytes per code.
struct Code {
    std::uint8_t high;
    std::uint8_t low;
    std::uint8_t status;
};
link::Frame troubleCodeAnswer(const std::vector<Code>& codes, std::uint8_t source = 0x12);

// The report that holds a frame, as the interface module delivers it (report id 0).
link::Report reportOf(const link::Frame& frame);
// The same as a record: the page tag in byte 0.
link::Report recordOf(int page, const link::Frame& frame);

// Builds a recording record by record.
class RecordingBuilder {
public:
    RecordingBuilder& add(int page, const link::Frame& frame);
    RecordingBuilder& addRecord(const link::Report& record);
    // The same frame with its checksum byte off by one, as a line fault would leave it.
    RecordingBuilder& addWithBadChecksum(int page, const link::Frame& frame);
    // The identification answers a connection records first.
    RecordingBuilder& addIdentification(int page, const std::string& partNumber,
                                        const std::string& code, bool secondScheme = false,
                                        std::uint8_t source = link::address::kEngine);

    const QByteArray& bytes() const { return bytes_; }
    int records() const { return static_cast<int>(bytes_.size() / link::kReportSize); }
    bool writeTo(const QString& path) const;

private:
    QByteArray bytes_;
};

bool writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

}  // namespace quilldar::testing
