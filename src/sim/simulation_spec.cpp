#include "sim/simulation_spec.h"

#include <QStringList>
#include <algorithm>
#include <iterator>


namespace quilldar::sim {

namespace {

constexpr UnitKind kUnits[] = {UnitKind::Engine, UnitKind::Transmission, UnitKind::EngineTransmission,
                               UnitKind::Abs, UnitKind::Eps};

bool validModelCode(const QString& code) {
    if (code.size() != 4) return false;
    for (const QChar c : code)
        if (!c.isLetterOrNumber() || c.unicode() > 0x7F) return false;
    return true;
}

}  // namespace

std::optional<SimulationSpec> parseSimulationSpec(std::string_view text, QString& error) {
    SimulationSpec spec;
    if (text.empty()) return spec;
    const QStringList fields =
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).split(u':');
    if (fields.size() > 3) {
        error = QStringLiteral("Expected UNIT[:MODEL], for example engine:12F0.");
        return std::nullopt;
    }
    const QString unit = fields.at(0).toLower();
    const auto kind = std::find_if(std::begin(kUnits), std::end(kUnits),
                                   [&](UnitKind k) { return unit == QLatin1String(unitName(k)); });
    if (kind == std::end(kUnits)) {
        error = QStringLiteral("The simulated module has no '%1' unit; available: engine, "
                               "transmission, combined, abs, eps.")
                    .arg(fields.at(0));
        return std::nullopt;
    }
    spec.unit = *kind;
    if (fields.size() >= 2 && !fields.at(1).isEmpty()) {
        if (!validModelCode(fields.at(1))) {
            error = QStringLiteral("'%1' is not a model code: four letters or digits, for example 12F0.")
                        .arg(fields.at(1));
            return std::nullopt;
        }
        spec.model = fields.at(1).toStdString();
    }
    if (fields.size() == 3) {
        if (fields.at(2) != QLatin1String("alt")) {
            error = QStringLiteral("Unknown option '%1'; the only one is 'alt'.").arg(fields.at(2));
            return std::nullopt;
        }
        if (spec.unit != UnitKind::Engine) {
            error = QStringLiteral("Only an engine ECM has a second identification scheme ('alt').");
            return std::nullopt;
        }
        spec.secondScheme = true;
    }
    return spec;
}

std::unique_ptr<SimulatedModule> buildSimulatedModule(const SimulationSpec& spec,
                                                      std::shared_ptr<const SimClock> clock,
                                                      ModuleTiming timing) {
    UnitProfile profile = defaultProfile(spec.unit, spec.model);
    profile.secondScheme = spec.secondScheme;
    profile.seed = spec.seed;
    auto vehicle = std::make_unique<VirtualVehicle>();
    vehicle->addUnit(makeUnit(profile, std::move(clock)));
    return std::make_unique<SimulatedModule>(std::move(vehicle), timing);
}

const char* unitName(UnitKind kind) {
    switch (kind) {
        case UnitKind::Engine: return "engine";
        case UnitKind::Transmission: return "transmission";
        case UnitKind::EngineTransmission: return "combined";
        case UnitKind::Abs: return "abs";
        case UnitKind::Eps: return "eps";
    }
    return "engine";
}

}  // namespace quilldar::sim
