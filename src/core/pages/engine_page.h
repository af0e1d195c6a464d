#pragma once

#include "pages/engine_page_model.h"
#include "pages/page_model.h"
#include "settings/language_table.h"

namespace quilldar::pages {

// The Engine page as a grid page: its decoder with the texts of the active language.
class EnginePage : public PageModel {
public:
    EnginePage(vehicle::LiveValueSlots& liveValues, CurrentValuesTable& table,
               const settings::LanguageTable& texts);

    int rowCount() const override { return EnginePageModel::kRowCount; }
    // Row r sits in column r / 13, line r % 13.
    GridPlace place(int row) const override { return {row / kLines, row % kLines}; }
    QString label(int row) const override { return model_.label(row); }
    QString unitLabel(int row) const override { return model_.unitLabel(row); }
    QString cellText(int row) const override { return model_.cellText(row); }
    vehicle::Colour cellColour(int row) const override { return model_.cell(row).background; }
    void requestReset() override { model_.requestReset(); }
    void applyPendingReset(const vehicle::UnitSettings& units) override;
    bool tick(link::Report& report, const PageInput& input) override;
    std::uint64_t takeChangedCells() override { return model_.takeChangedCells(); }
    bool takeLayoutChanged() override { return model_.takeLayoutChanged(); }

    EnginePageModel& model() { return model_; }

private:
    EnginePageModel model_;
    const settings::LanguageTable& texts_;
};

}  // namespace quilldar::pages
