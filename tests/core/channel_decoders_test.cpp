// The graph's and the export's decoders keep only values, and only of the slots they are asked
// for: each of those must still get exactly the readings and values the pages on screen give it,
// record after record, for every unit; the others get nothing.
#include <gtest/gtest.h>

#include <QFile>
#include <cstring>
#include <set>

#include "files/temporary_recording.h"
#include "pages/channel_decoders.h"
#include "pages/page_texts.h"
#include "support/session_fixture.h"

namespace quilldar::testing {
namespace {

// The pages as the window runs them: cells, highlights and all.
class ShownPages {
public:
    ShownPages(vehicle::LiveValueSlots& values, const settings::LanguageTable& texts)
        : texts_(texts), engine_(values, table_), transmission_(values, texts), combined_(values, texts),
          abs_(values, texts), eps_(values, texts) {}

    void decode(link::Report& report, std::string_view ecmCode, bool altListVariant,
                const vehicle::UnitSettings& units) {
        const pages::EngineRefreshInput engineInput{ecmCode, altListVariant, false, units};
        if (engine_.tick(report, engineInput, pages::engineTexts(texts_), pages::unitTexts(texts_))) return;
        const pages::PageInput input{ecmCode, altListVariant, false, units};
        if (transmission_.tick(report, input) || combined_.tick(report, input) || abs_.tick(report, input)) return;
        eps_.tick(report, input);
    }

private:
    const settings::LanguageTable& texts_;
    pages::CurrentValuesTable table_;
    pages::EnginePageModel engine_;
    pages::TransmissionPage transmission_;
    pages::CombinedPage combined_;
    pages::AbsPage abs_;
    pages::EpsPage eps_;
};

class ChannelDecodersTest : public SessionTest {
protected:
    // The records of a session of the unit's default profile, as recorded.
    std::vector<link::Report> sessionRecords(sim::UnitKind unit) {
        use(sim::defaultProfile(unit));
        connectOnTab(static_cast<int>(unit));
        ticks(120);
        ecmCode_ = context_->ecm().code.toStdString();
        controller().connectCommand();
        QFile scratch(folder_.filePath(QString::fromLatin1(files::TemporaryRecording::kFileName)));
        EXPECT_TRUE(scratch.open(QIODevice::ReadOnly));
        const QByteArray bytes = scratch.readAll();
        std::vector<link::Report> records(static_cast<std::size_t>(bytes.size()) / link::kReportSize);
        for (std::size_t i = 0; i < records.size(); ++i)
            std::memcpy(records[i].data(), bytes.constData() + i * link::kReportSize, link::kReportSize);
        return records;
    }

    // Each record, then copies of it with every byte after the frame's identifier (frame byte
    // 6 on) set to one value, for every value, and with random bytes: the readings at the ends of
    // every range, and values just around zero.
    static std::vector<link::Report> withEveryByteValue(const std::vector<link::Report>& records) {
        std::vector<link::Report> all;
        std::uint32_t random = 12345;
        std::set<std::pair<int, int>> swept;  // (source, identifier) of the live data swept
        for (const link::Report& record : records) {
            all.push_back(record);
            if (link::frameByte(record, 4) != 0x61) continue;
            if (!swept.insert({link::frameByte(record, 2), link::frameByte(record, 5)}).second) continue;
            for (int value = 0; value < 256 + 16; ++value) {
                link::Report copy = record;
                for (std::size_t k = 7; k < copy.size(); ++k) {
                    random = random * 1664525u + 1013904223u;
                    copy[k] = static_cast<std::uint8_t>(value < 256 ? value : random >> 24);
                }
                all.push_back(copy);
            }
        }
        return all;
    }

    std::string ecmCode_;  // of the last session
};

TEST_F(ChannelDecodersTest, ValuesOnlyDecodingGivesEverySlotWhatTheShownPagesGive) {
    const sim::UnitKind units[] = {sim::UnitKind::Engine, sim::UnitKind::Transmission,
                                   sim::UnitKind::EngineTransmission, sim::UnitKind::Abs, sim::UnitKind::Eps};
    vehicle::UnitSettings metric;
    vehicle::UnitSettings imperial;
    imperial.temperature = 1;
    imperial.speed = 1;
    imperial.pressure = 2;
    for (const sim::UnitKind unit : units) {
        const std::vector<link::Report> records = withEveryByteValue(sessionRecords(unit));
        const std::string ecmCode = ecmCode_;
        ASSERT_GT(records.size(), 60u);
        for (const vehicle::UnitSettings& settings : {metric, imperial}) {
            SCOPED_TRACE(::testing::Message() << "unit " << static_cast<int>(unit) << ", ECM " << ecmCode
                                              << ", temperature unit " << settings.temperature);
            vehicle::LiveValueSlots valuesOnly, shown, masked;
            pages::ChannelDecoders decoders(valuesOnly, context_->languageTable());
            // Every third slot only: the others stay untouched, the wanted ones as above.
            vehicle::SlotMask wanted;
            for (std::size_t slot = 0; slot < wanted.size(); slot += 3) wanted.set(slot);
            pages::ChannelDecoders maskedDecoders(masked, context_->languageTable(), wanted);
            ShownPages pages(shown, context_->languageTable());
            std::uint32_t readings = 0;
            for (std::size_t r = 0; r < records.size(); ++r) {
                link::Report a = records[r], b = records[r], c = records[r];
                decoders.decode(a, ecmCode, false, settings);
                maskedDecoders.decode(c, ecmCode, false, settings);
                pages.decode(b, ecmCode, false, settings);
                ASSERT_EQ(a, b) << "record " << r;
                for (std::size_t slot = 0; slot < vehicle::LiveValueSlots::kSlotCount; ++slot) {
                    ASSERT_EQ(valuesOnly.readings(slot), shown.readings(slot)) << "record " << r << " slot " << slot;
                    ASSERT_EQ(valuesOnly.latest(slot), shown.latest(slot)) << "record " << r << " slot " << slot;
                    ASSERT_EQ(masked.readings(slot), wanted.test(slot) ? shown.readings(slot) : 0u)
                        << "record " << r << " slot " << slot;
                    if (wanted.test(slot)) {
                        ASSERT_EQ(masked.latest(slot), shown.latest(slot)) << "record " << r << " slot " << slot;
                    }
                }
            }
            for (std::size_t slot = 0; slot < vehicle::LiveValueSlots::kSlotCount; ++slot)
                readings += valuesOnly.readings(slot);
            EXPECT_GT(readings, 100u) << "the session's records carried hardly any reading";
        }
    }
}

}  // namespace
}  // namespace quilldar::testing
