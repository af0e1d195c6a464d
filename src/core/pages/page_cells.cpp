#include "pages/page_cells.h"

namespace quilldar::pages {

QString unitLabel(const CellUnit& unit, const vehicle::UnitTexts& unitWords, const QString& stepsWord) {
    switch (unit.kind) {
        case UnitKind::None: return {};
        case UnitKind::Fixed: return QString::fromUtf8(unit.fixed);
        case UnitKind::Speed: return unitWords.speed;
        case UnitKind::Temperature: return unitWords.temperature;
        case UnitKind::Pressure: return unitWords.pressure;
        case UnitKind::Steps: return stepsWord;
    }
    return {};
}

}  // namespace quilldar::pages
