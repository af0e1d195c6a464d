#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <utility>
#include <vector>

#include "pages/page_model.h"
#include "pages/page_texts.h"
#include "settings/language_table.h"
#include "settings/languages.h"
#include "settings/settings.h"
#include "support/recording_builder.h"
#include "vehicle/live_value_slots.h"

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace quilldar::pages {

// The surroundings of a data page: the language table, the settings, the shared slots and the
// receive report, with frames built with correct checksums.
class GridPageTest : public ::testing::Test {
protected:
    GridPageTest() {
        settings_.entries = {0, 0, 0, 0, 0, 5, 0, 0, 0, 0};
        refill(settings::kEnglish);
    }

    // A language switch or a unit change: the table is refilled, the units follow the settings.
    void refill(int language) {
        texts_.fill(language, settings_);
        input_.units = unitSettings(settings_);
        input_.units.highlightColour = kHighlight;
    }

    // One tick of the page on a response frame source → tester, bytes from frame byte 6 zero
    // except those given.
    bool tick(PageModel& page, const std::map<int, std::uint8_t>& bytes, std::uint8_t identifier,
              std::uint8_t source) {
        report_ = testing::reportOf(testing::engineLiveFrame(bytes, identifier, source));
        return page.tick(report_, input_);
    }
    // A tick on an empty receive report: only a pending reset runs.
    bool idleTick(PageModel& page) {
        report_ = link::Report{};
        return page.tick(report_, input_);
    }

    static bool untouched(const PageModel& page, int row) {
        return page.cellText(row) == QStringLiteral("---") &&
               page.cellColour(row) == vehicle::kPlaceholderGrey;
    }
    static std::optional<int> rowLabelled(const PageModel& page, const QString& label) {
        for (int row = 0; row < page.rowCount(); ++row) {
            if (page.label(row) == label) return row;
        }
        return std::nullopt;
    }
    // The value of the row with that label ("?" for a label the page does not have).
    static QString valueOf(const PageModel& page, const QString& label) {
        const auto row = rowLabelled(page, label);
        return row ? page.cellText(*row) : QStringLiteral("?");
    }

    // Each labelled cell shows its text.
    using Shown = std::vector<std::pair<const char*, const char*>>;
    static void expectShown(const PageModel& page, const Shown& expected) {
        for (const auto& [label, text] : expected)
            EXPECT_EQ(valueOf(page, QString::fromUtf8(label)), QString::fromUtf8(text)) << label;
    }

    // The number of rows in each column; every row sits within the grid on a line of its own.
    static std::array<int, PageModel::kColumns> columnSizes(const PageModel& page) {
        std::array<int, PageModel::kColumns> sizes{};
        std::set<std::pair<int, int>> used;
        for (int row = 0; row < page.rowCount(); ++row) {
            const GridPlace place = page.place(row);
            EXPECT_TRUE(place.column >= 0 && place.column < PageModel::kColumns &&
                        place.line >= 0 && place.line < PageModel::kLines)
                << "row " << row;
            EXPECT_TRUE(used.insert({place.column, place.line}).second) << "row " << row;
            if (place.column >= 0 && place.column < PageModel::kColumns)
                ++sizes[static_cast<std::size_t>(place.column)];
        }
        return sizes;
    }
    static QString labelAt(const PageModel& page, int column, int line) {
        for (int row = 0; row < page.rowCount(); ++row) {
            if (page.place(row).column == column && page.place(row).line == line)
                return page.label(row);
        }
        return {};
    }

    // A column of the grid holds these labels from its first line on, "" for an empty line,
    // and nothing below them; every row sits within the three columns of 13 lines.
    static void expectColumn(const PageModel& page, int column,
                             const std::vector<const char*>& labels) {
        std::vector<QString> lines(PageModel::kLines);
        for (int row = 0; row < page.rowCount(); ++row) {
            const GridPlace place = page.place(row);
            ASSERT_GE(place.line, 0);
            ASSERT_LT(place.line, PageModel::kLines);
            ASSERT_GE(place.column, 0);
            ASSERT_LT(place.column, PageModel::kColumns);
            if (place.column != column) continue;
            auto& line = lines[static_cast<std::size_t>(place.line)];
            EXPECT_TRUE(line.isEmpty()) << "two rows on line " << place.line;
            line = page.label(row);
        }
        std::vector<QString> expected;
        for (const char* label : labels) expected.push_back(QString::fromUtf8(label));
        expected.resize(PageModel::kLines);
        EXPECT_EQ(lines, expected) << "column " << column;
    }

    static constexpr vehicle::Colour kHighlight = 0x00FF00;

    settings::Settings settings_;
    settings::LanguageTable texts_;
    vehicle::LiveValueSlots values_;
    PageInput input_;
    link::Report report_{};
};

// The fixture of one page whose responses come from one address with one local identifier.
template <typename Page, std::uint8_t kSource, std::uint8_t kIdentifier>
class OnePageTest : public GridPageTest {
protected:
    bool tick(const std::map<int, std::uint8_t>& bytes, std::uint8_t identifier = kIdentifier,
              std::uint8_t source = kSource) {
        return GridPageTest::tick(page_, bytes, identifier, source);
    }
    QString value(const char* label) const { return valueOf(page_, QString::fromUtf8(label)); }
    int row(const char* label) const {
        return rowLabelled(page_, QString::fromUtf8(label)).value();
    }
    void expectShown(const Shown& expected) const { GridPageTest::expectShown(page_, expected); }

    Page page_{values_, texts_};
};

}  // namespace quilldar::pages
