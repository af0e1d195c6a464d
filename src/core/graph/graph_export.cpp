#include "graph/graph_export.h"

#include <QFile>
#include <QSaveFile>

#include <string>

#include "pages/graph_channels.h"
#include "platform/file_replace.h"

namespace quilldar::graph {

bool LiveExport::start(const QString& path, const QByteArray& headerLine) {
    path_ = path;
    QFile file(path);
    // Truncate: a new export starts the file afresh.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const QByteArray line = headerLine + "\r\n";
    return file.write(line) == line.size() && file.flush();
}

bool LiveExport::appendLine(const vehicle::LiveValueSlots& values, const files::ChannelSelection& channels,
                            const files::ExtraCsvFields& extra, double seconds) {
    std::string line;
    files::appendCsvDataLine(line, values, channels, extra, seconds);
    QFile file(path_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return false;
    return file.write(line.data(), static_cast<qint64>(line.size())) ==
           static_cast<qint64>(line.size());
}

void addReferenceColumns(files::CsvExportOptions& options, const ReferenceRide& reference,
                         const settings::LanguageTable& texts) {
    for (const int channel : options.channels)
        options.extraHeader << QStringLiteral("%1 (%2)").arg(pages::channelName(texts, channel), reference.name());
    options.extraFields = [&reference](std::string& line, double seconds) {
        for (int chart = 0; chart < ReferenceRide::kCharts; ++chart)
            files::appendCsvField(line, reference.offers(chart) ? reference.valueAt(chart, seconds) : std::nullopt);
    };
}

namespace {

// Copies the working file over the target in one step where a rename cannot (another file
// system): the target is replaced only once the copy is complete.
bool copyOver(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) return false;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)) return false;
    while (!in.atEnd()) {
        const QByteArray block = in.read(1 << 20);
        if (block.isEmpty() || out.write(block) != block.size()) {
            out.cancelWriting();
            return false;
        }
    }
    return out.commit();
}

}  // namespace

ExportResult exportRecordingToFile(files::RecordingFile& recording, pages::ChannelDecoders& decoders,
                                   const vehicle::LiveValueSlots& values,
                                   const files::CsvExportOptions& options,
                                   const QString& workingFile, const QString& target) {
    QFile::remove(workingFile);
    bool ok = false;
    {
        QFile working(workingFile);
        ok = working.open(QIODevice::WriteOnly) &&
             files::exportRecording(recording, decoders, values, options, working) &&
             working.flush();
        working.close();
        ok = ok && working.error() == QFileDevice::NoError;
    }
    if (ok) ok = platform::replaceFile(workingFile, target) || copyOver(workingFile, target);
    QFile::remove(workingFile);  // gone after a move; left over only after a failure
    return ok ? ExportResult::Written : ExportResult::CannotWrite;
}

}  // namespace quilldar::graph
