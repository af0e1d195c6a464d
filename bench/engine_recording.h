#pragma once
// Recordings of a running 12F0 engine for the benches, made with the simulator's engine model:
// the two identification records, then a live-data record every 0.15 s.
#include <QByteArray>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "link/kwp_frame.h"
#include "sim/engine_running_model.h"

namespace quilldar::bench {

// One record: the page byte, then the frame.
inline void appendRecord(QByteArray& file, int page, const link::Frame& frame) {
    char record[link::kReportSize] = {};
    record[0] = static_cast<char>(page);
    for (std::size_t i = 0; i < frame.size() && i < link::kPayloadSize; ++i)
        record[i + 1] = static_cast<char>(frame[i]);
    file.append(record, sizeof record);
}

// `records` records in all. `special`, if given, may write record i itself (and return true) in
// place of the live-data record.
inline QByteArray engineRecording(int records,
                                  const std::function<bool(QByteArray&, int, link::Frame&)>& special = {}) {
    QByteArray file;
    file.reserve(static_cast<qsizetype>(records) * static_cast<qsizetype>(link::kReportSize));
    std::vector<std::uint8_t> part{0x5A, 0x91};
    for (const char c : std::string("71820-12F00")) part.push_back(static_cast<std::uint8_t>(c));
    appendRecord(file, 0, link::buildResponse(link::address::kEngine, part));
    std::vector<std::uint8_t> code{0x5A, 0x9A};
    for (const char c : std::string("SW010412F0")) code.push_back(static_cast<std::uint8_t>(c));
    appendRecord(file, 0, link::buildResponse(link::address::kEngine, code));
    const sim::EngineRunningModel engine(4);
    for (int i = 2; i < records; ++i) {
        std::vector<std::uint8_t> service{0x61, 0x08};
        const auto block = engine.liveBlock(i * 0.15, 0);
        service.insert(service.end(), block.begin(), block.end());
        link::Frame frame = link::buildResponse(link::address::kEngine, service);
        if (special && special(file, i, frame)) continue;
        appendRecord(file, 0, frame);
    }
    return file;
}

}  // namespace quilldar::bench
