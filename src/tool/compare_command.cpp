#include "tool/compare_command.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstdio>
#include <map>

#include "files/recording_file.h"
#include "files/recording_statistics.h"
#include "pages/channel_decoders.h"
#include "pages/graph_channels.h"
#include "pages/page_texts.h"
#include "settings/language_table.h"
#include "settings/languages.h"
#include "settings/settings_store.h"
#include "tool/recording_commands.h"
#include "tool/stored_settings.h"
#include "vehicle/dtc_catalogue.h"
#include "vehicle/english_texts.h"

namespace quilldar::tool {

namespace {

// Records of a recording stand for 0.15 s each.
constexpr double kSecondsPerRecord = 0.15;

void printError(const QString& text) { std::fprintf(stderr, "%s\n", text.toUtf8().constData()); }

struct Code {
    QString code;
    QString description;
};

// One recording as the comparison sees it.
struct Side {
    QString file;
    files::RecordingFile recording;
    bool codesRead = false;  // the recording holds a trouble-code answer
    std::vector<Code> codes;
    std::map<int, files::ChannelStatistics> channels;
};

bool load(Side& side, const QString& path) {
    side.file = path;
    switch (side.recording.load(path)) {
        case files::LoadResult::Loaded: return true;
        case files::LoadResult::CannotOpen:
            printError(QStringLiteral("%1: %2").arg(path, vehicle::englishFileLockedMessage()));
            return false;
        case files::LoadResult::Corrupted:
            printError(QStringLiteral("%1: %2").arg(path, vehicle::englishFileCorruptedMessage()));
            return false;
    }
    return false;
}

// The codes of the recording's last trouble-code answer, with their descriptions.
std::vector<Code> storedCodes(Side& side, vehicle::DtcCatalogue& catalogue) {
    std::vector<Code> codes;
    const std::optional<link::Report> answer = lastTroubleCodeAnswer(side.recording);
    side.recording.rewind();
    side.codesRead = answer.has_value();
    if (!answer) return codes;
    for (const vehicle::DtcRecord& record : vehicle::dtcRecords(*answer)) {
        const int number = vehicle::dtcNumber(record.high, record.low);
        codes.push_back({vehicle::dtcDisplayCode(number, record.status), catalogue.text(number)});
    }
    return codes;
}

// Every channel the units of both recordings offer, in number order.
std::vector<int> sharedChannels(const files::RecordingIdentity& a, const files::RecordingIdentity& b) {
    std::vector<int> shared;
    const auto offeredB = pages::offeredChannels(pages::familyOfAddress(b.unitAddress), b.ecmCode);
    for (const pages::GraphChannel* channel : pages::offeredChannels(pages::familyOfAddress(a.unitAddress), a.ecmCode)) {
        const bool inB = std::ranges::any_of(offeredB, [&](const pages::GraphChannel* c) { return c->number == channel->number; });
        if (inB) shared.push_back(channel->number);
    }
    return shared;
}

bool hasCode(const std::vector<Code>& codes, const QString& code) {
    return std::ranges::any_of(codes, [&](const Code& c) { return c.code == code; });
}

QJsonObject identityObject(Side& side) {
    const files::RecordingIdentity& identity = side.recording.identity();
    return {{"file", side.file},
            {"ecmPartNumber", QString::fromLatin1(identity.ecmPartNumber)},
            {"ecmCode", QString::fromStdString(identity.ecmCode)},
            {"records", static_cast<qint64>(side.recording.recordCount())},
            {"seconds", side.recording.recordCount() * kSecondsPerRecord},
            {"troubleCodesRead", side.codesRead}};
}

QJsonValue statisticsValue(const files::ChannelStatistics& s) {
    if (s.samples == 0) return QJsonValue::Null;
    return QJsonObject{{"min", s.minimum}, {"mean", s.mean}, {"max", s.maximum}};
}

QJsonArray codeArray(const std::vector<Code>& codes) {
    QJsonArray array;
    for (const Code& code : codes) array.append(QJsonObject{{"code", code.code}, {"description", code.description}});
    return array;
}

QString number(double value) { return QString::number(value, 'g', 6); }

QString statisticsText(const files::ChannelStatistics& s) {
    if (s.samples == 0) return QStringLiteral("no reading");
    return QStringLiteral("%1 / %2 / %3").arg(number(s.minimum), number(s.mean), number(s.maximum));
}

}  // namespace

int runCompare(const CompareOptions& options) {
    Side a, b;
    if (!load(a, options.pathA) || !load(b, options.pathB)) return 1;

    settings::Settings stored = readStoredSettings();
    if (options.language) stored.languageIndex = *options.language;
    const int language = settings::isKnownLanguage(stored.languageIndex) ? stored.languageIndex : settings::kEnglish;
    vehicle::DtcCatalogue catalogue;
    vehicle::assignEnglishDtcTexts(catalogue);
    settings::LanguageTable texts;
    texts.setTroubleCodeSink([&catalogue](int n, const QString& text) { catalogue.assign(n, text); });
    texts.fill(language, stored);
    const vehicle::UnitSettings units = pages::unitSettings(stored);

    const std::vector<int> channels =
        options.channels.value_or(sharedChannels(a.recording.identity(), b.recording.identity()));
    for (Side* side : {&a, &b}) {
        side->codes = storedCodes(*side, catalogue);
        vehicle::LiveValueSlots values;
        pages::ChannelDecoders decoders(values, texts);
        side->channels = files::channelStatistics(side->recording, decoders, values, channels, units);
    }

    std::vector<Code> onlyA, onlyB, both;
    for (const Code& code : a.codes) (hasCode(b.codes, code.code) ? both : onlyA).push_back(code);
    for (const Code& code : b.codes) {
        if (!hasCode(a.codes, code.code)) onlyB.push_back(code);
    }

    if (options.json) {
        QJsonArray channelArray;
        for (const int channel : channels) {
            const files::ChannelStatistics& sa = a.channels[channel];
            const files::ChannelStatistics& sb = b.channels[channel];
            QJsonObject entry{{"channel", channel},
                              {"name", pages::channelName(texts, channel)},
                              {"unit", pages::channelUnit(texts, channel)},
                              {"a", statisticsValue(sa)},
                              {"b", statisticsValue(sb)}};
            entry.insert("meanDifference",
                         sa.samples > 0 && sb.samples > 0 ? QJsonValue(sb.mean - sa.mean) : QJsonValue::Null);
            channelArray.append(entry);
        }
        const QJsonObject result{{"a", identityObject(a)},
                                 {"b", identityObject(b)},
                                 {"codes", QJsonObject{{"onlyA", codeArray(onlyA)},
                                                       {"onlyB", codeArray(onlyB)},
                                                       {"both", codeArray(both)}}},
                                 {"channels", channelArray}};
        std::fputs(QJsonDocument(result).toJson(QJsonDocument::Indented).constData(), stdout);
        return 0;
    }

    QString text;
    for (const auto& [label, side] : {std::pair<const char*, Side*>{"A", &a}, {"B", &b}}) {
        const files::RecordingIdentity& identity = side->recording.identity();
        text += QStringLiteral("%1: %2\n  ECM ID: %3 (%4), %5 records, %6 s\n")
                    .arg(QLatin1String(label), QFileInfo(side->file).fileName(),
                         identity.ecmPartNumber.isEmpty() ? QStringLiteral("---") : QString::fromLatin1(identity.ecmPartNumber),
                         identity.ecmCode.empty() ? QStringLiteral("---") : QString::fromStdString(identity.ecmCode))
                    .arg(side->recording.recordCount())
                    .arg(number(side->recording.recordCount() * kSecondsPerRecord));
        // A recording that never read the codes says nothing about them.
        if (!side->codesRead) text += QStringLiteral("  No trouble-code answer: its codes are not known.\n");
    }
    const auto codeLines = [&](const char* title, const std::vector<Code>& codes) {
        text += QLatin1String(title) + QStringLiteral(":\n");
        if (codes.empty()) text += QStringLiteral("  none\n");
        for (const Code& code : codes) text += QStringLiteral("  %1 %2\n").arg(code.code, code.description);
    };
    codeLines("Trouble codes only in A", onlyA);
    codeLines("Trouble codes only in B", onlyB);
    codeLines("Trouble codes in both", both);
    text += QStringLiteral("Channels (minimum / mean / maximum; B - A of the means):\n");
    if (channels.empty()) text += QStringLiteral("  none that both units have\n");
    for (const int channel : channels) {
        const files::ChannelStatistics& sa = a.channels[channel];
        const files::ChannelStatistics& sb = b.channels[channel];
        const QString unit = pages::channelUnit(texts, channel);
        text += QStringLiteral("  %1%2: A %3; B %4")
                    .arg(pages::channelName(texts, channel),
                         unit.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(unit), statisticsText(sa),
                         statisticsText(sb));
        if (sa.samples > 0 && sb.samples > 0) text += QStringLiteral("; %1").arg(number(sb.mean - sa.mean));
        text += QLatin1Char('\n');
    }
    std::fputs(text.toUtf8().constData(), stdout);
    return 0;
}

}  // namespace quilldar::tool
