#include "tool/live_csv_stream.h"

#include "files/csv_export.h"
#include "pages/graph_channels.h"

namespace quilldar::tool {

LiveCsvStream::LiveCsvStream(std::FILE* out, std::vector<int> channels, const settings::LanguageTable& texts,
                             std::string ecmCode, bool altListVariant, const vehicle::UnitSettings& units)
    : out_(out),
      channels_(std::move(channels)),
      texts_(texts),
      ecmCode_(std::move(ecmCode)),
      altListVariant_(altListVariant),
      units_(units),
      decoders_(std::make_unique<pages::ChannelDecoders>(values_, texts)) {}

void LiveCsvStream::start() {
    QString header = QStringLiteral("Time");
    for (const int channel : channels_) header += QLatin1Char(';') + pages::channelName(texts_, channel);
    write(header.toStdString() + '\n');
}

void LiveCsvStream::write(const std::string& line) {
    if (stopped_) return;
    // A reader that goes away (a closed pipe) ends the stream, never the session.
    if (std::fputs(line.c_str(), out_) < 0 || std::fflush(out_) != 0) {
        stopped_ = true;
        std::fprintf(stderr, "The stream of values stopped (its reader is gone); the session goes on and is saved.\n");
    }
}

void LiveCsvStream::take(link::Report reply, std::uint32_t record) {
    if (stopped_) return;
    std::vector<std::uint32_t> before;
    before.reserve(channels_.size());
    for (const int channel : channels_) before.push_back(values_.readings(pages::findGraphChannel(channel)->slot));
    decoders_->decode(reply, ecmCode_, altListVariant_, units_);
    bool carried = false;
    for (std::size_t i = 0; i < channels_.size(); ++i)
        carried = carried || values_.readings(pages::findGraphChannel(channels_[i])->slot) != before[i];
    if (!carried) return;  // an answer without live data
    std::string line;
    files::appendCsvNumber(line, record * files::kSecondsPerRecord);
    for (const int channel : channels_) {
        const std::size_t slot = pages::findGraphChannel(channel)->slot;
        line += ';';
        if (values_.readings(slot) != 0) files::appendCsvNumber(line, values_.latest(slot));
    }
    line += '\n';
    write(line);
}

}  // namespace quilldar::tool
