#include "support/recording_builder.h"

#include <QFile>

#include <algorithm>

namespace quilldar::testing {

namespace {

constexpr std::uint8_t kEngine = link::address::kEngine;

void appendText(std::vector<std::uint8_t>& bytes, const std::string& text, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i)
        bytes.push_back(i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0x20);
}

}  // namespace

link::Frame partNumberAnswer(const std::string& partNumber, bool secondScheme, std::uint8_t source) {
    std::vector<std::uint8_t> service{0x5A, static_cast<std::uint8_t>(secondScheme ? 0x8E : 0x91)};
    appendText(service, partNumber, 11);
    return link::buildResponse(source, service);
}

link::Frame modelCodeAnswer(const std::string& code, bool secondScheme, std::uint8_t source) {
    std::vector<std::uint8_t> service{0x5A, static_cast<std::uint8_t>(secondScheme ? 0x8A : 0x9A)};
    appendText(service, "SW0104", 6);
    appendText(service, code, 4);
    return link::buildResponse(source, service);
}

link::Frame engineLiveFrame(const std::map<int, std::uint8_t>& bytes, std::uint8_t identifier,
                            std::uint8_t source) {
    // Service bytes are frame bytes 4..54.
    std::vector<std::uint8_t> service(51, 0);
    service[0] = 0x61;
    service[1] = identifier;
    for (const auto& [frameByte, value] : bytes)
        service.at(static_cast<std::size_t>(frameByte - 4)) = value;
    return link::buildResponse(source, service);
}

link::Frame troubleCodeAnswer(const std::vector<Code>& codes, std::uint8_t source) {
    std::vector<std::uint8_t> service{0x58, static_cast<std::uint8_t>(codes.size())};
    for (const Code& code : codes)
        service.insert(service.end(), {code.high, code.low, code.status});
    return link::buildResponse(source, service);
}

link::Report reportOf(const link::Frame& frame) {
    link::Report report{};
    std::copy_n(frame.begin(), std::min(frame.size(), link::kPayloadSize), report.begin() + 1);
    return report;
}

link::Report recordOf(int page, const link::Frame& frame) {
    link::Report record = reportOf(frame);
    record[0] = static_cast<std::uint8_t>(page);
    return record;
}

RecordingBuilder& RecordingBuilder::add(int page, const link::Frame& frame) {
    return addRecord(recordOf(page, frame));
}

RecordingBuilder& RecordingBuilder::addRecord(const link::Report& record) {
    bytes_.append(reinterpret_cast<const char*>(record.data()),
                  static_cast<qsizetype>(record.size()));
    return *this;
}

RecordingBuilder& RecordingBuilder::addWithBadChecksum(int page, const link::Frame& frame) {
    link::Frame broken = frame;
    broken.back() = static_cast<std::uint8_t>(broken.back() + 1);
    return add(page, broken);
}

RecordingBuilder& RecordingBuilder::addIdentification(int page, const std::string& partNumber,
                                                      const std::string& code, bool secondScheme,
                                                      std::uint8_t source) {
    add(page, partNumberAnswer(partNumber, secondScheme, source));
    return add(page, modelCodeAnswer(code, secondScheme, source));
}

bool RecordingBuilder::writeTo(const QString& path) const { return writeFile(path, bytes_); }

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace quilldar::testing
