#include "sim/simulation_spec.h"

#include <QStringList>

#include "sim/virtual_engine_ecm.h"

namespace quilldar::sim {

namespace {

constexpr const char* kDefaultEngineModel = "12F0";

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
    if (unit != QLatin1String("engine")) {
        error = QStringLiteral("The simulated module has no '%1' unit; available: engine.").arg(fields.at(0));
        return std::nullopt;
    }
    spec.unit = unit.toStdString();
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
        spec.secondScheme = true;
    }
    return spec;
}

std::unique_ptr<SimulatedModule> buildSimulatedModule(const SimulationSpec& spec,
                                                      std::shared_ptr<const SimClock> clock,
                                                      ModuleTiming timing) {
    auto vehicle = std::make_unique<VirtualVehicle>();
    EngineEcmProfile profile;
    profile.modelCode = spec.model.empty() ? kDefaultEngineModel : spec.model;
    profile.partNumber = "71820-" + profile.modelCode + "0";
    profile.secondScheme = spec.secondScheme;
    vehicle->addUnit(std::make_unique<VirtualEngineEcm>(profile, std::move(clock)));
    return std::make_unique<SimulatedModule>(std::move(vehicle), timing);
}

}  // namespace quilldar::sim
