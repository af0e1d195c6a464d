#include "sim/unit_catalogue.h"

#include "link/kwp_frame.h"
#include "sim/virtual_engine.h"
#include "sim/unit_live_data.h"

namespace quilldar::sim {

namespace {

// Identification options of readEcuIdentification.
constexpr std::uint8_t kPartNumber = 0x91;
constexpr std::uint8_t kModelCode = 0x9A;
constexpr std::uint8_t kSecondPartNumber = 0x8E;
constexpr std::uint8_t kSecondModelCode = 0x8A;
// The code reply carries six bytes of software version before the model code.
constexpr const char* kSoftwareVersion = "SW0104";
// The transmission's line wants this initialisation; every other unit the default 0.
constexpr std::uint8_t kTransmissionLineSetup = 5;

ServiceBytes text(const std::string& value, std::size_t length) {
    ServiceBytes bytes;
    for (std::size_t i = 0; i < length; ++i)
        bytes.push_back(i < value.size() ? static_cast<std::uint8_t>(value[i]) : 0x20);
    return bytes;
}

ServiceBytes codeReply(const std::string& modelCode) {
    ServiceBytes bytes = text(kSoftwareVersion, 6);
    const ServiceBytes code = text(modelCode, 4);
    bytes.insert(bytes.end(), code.begin(), code.end());
    return bytes;
}

std::uint8_t addressOf(UnitKind kind) {
    switch (kind) {
        case UnitKind::Engine: return link::address::kEngine;
        case UnitKind::Transmission: return link::address::kTransmission;
        case UnitKind::EngineTransmission: return link::address::kEngineTransmission;
        case UnitKind::Abs: return link::address::kAbs;
        case UnitKind::Eps: return link::address::kEps;
    }
    return 0;
}

std::shared_ptr<VirtualEngine> engineOf(const UnitProfile& profile, bool combined) {
    return std::make_shared<VirtualEngine>(
        VirtualEngine::Setup{profile.modelCode, profile.cylinders, profile.secondScheme, combined, profile.seed});
}

}  // namespace

UnitProfile defaultProfile(UnitKind kind, const std::string& modelCode) {
    UnitProfile profile;
    profile.kind = kind;
    switch (kind) {
        case UnitKind::Engine:
            profile.modelCode = "12F0";
            // A stored current fault and a past one, so that the trouble codes and their freeze
            // frames can be seen and cleared.
            profile.troubleCodes = {{0x01, 0x05, 0x60}, {0x03, 0x51, 0x20}};
            break;
        case UnitKind::Transmission: profile.modelCode = "20J0"; break;
        case UnitKind::EngineTransmission:
            profile.modelCode = "26J0";
            // A current fault of its engine half (coolant temperature sensor, P0115) and a past
            // one of its transmission half (pulley position sensor, P1862).
            profile.troubleCodes = {{0x01, 0x15, 0x60}, {0x18, 0x62, 0x20}};
            break;
        case UnitKind::Abs: profile.modelCode = "27G0"; break;
        case UnitKind::Eps: profile.modelCode = "31H0"; break;
    }
    if (!modelCode.empty()) profile.modelCode = modelCode;
    static constexpr const char* kPartPrefix[] = {"71820-", "71870-", "71830-", "71560-", "71590-"};
    profile.partNumber = kPartPrefix[static_cast<int>(kind)] + profile.modelCode + "0";
    return profile;
}

std::unique_ptr<VirtualUnit> makeUnit(const UnitProfile& profile, std::shared_ptr<const SimClock> clock) {
    auto unit = std::make_unique<VirtualUnit>(addressOf(profile.kind), std::move(clock));
    const std::string model = profile.modelCode;
    switch (profile.kind) {
        case UnitKind::Engine:
            if (profile.secondScheme) {
                // 12 31 in the first part-number reply sends the tester to the second scheme.
                ServiceBytes pointer{0x12, 0x31};
                const ServiceBytes blank = text("", 9);
                pointer.insert(pointer.end(), blank.begin(), blank.end());
                unit->setIdentification(kPartNumber, pointer);
                unit->setIdentification(kSecondPartNumber, text(profile.partNumber, 11));
                unit->setIdentification(kSecondModelCode, codeReply(model));
                VirtualEngine::install(*unit, engineOf(profile, false), 0x00);
            } else {
                unit->setIdentification(kPartNumber, text(profile.partNumber, 11));
                unit->setIdentification(kModelCode, codeReply(model));
                VirtualEngine::install(*unit, engineOf(profile, false), 0x08);
            }
            break;
        case UnitKind::Transmission:
            unit->setLineSetup(kTransmissionLineSetup);
            unit->setIdentification(kPartNumber, text(profile.partNumber, 11));
            unit->setIdentification(kModelCode, codeReply(model));
            unit->setLocalData(0x08, [ride = RideScript(profile.seed)](double t) {
                return live::transmissionBlock(ride, t);
            }, true);
            break;
        case UnitKind::EngineTransmission: {
            unit->setIdentification(kPartNumber, text(profile.partNumber, 11));
            unit->setIdentification(kModelCode, codeReply(model));
            auto engine = engineOf(profile, true);
            VirtualEngine::install(*unit, engine, 0x08);
            // The transmission half rides along; its pulley sensor answers the engine's reset.
            unit->setLocalData(0x09, [engine, ride = RideScript(profile.seed)](double t) {
                return live::transmissionBlock(ride, t, engine->pulleyLearnedError(t));
            }, false);
            break;
        }
        case UnitKind::Abs:
            unit->setIdentification(kPartNumber, text(profile.partNumber, 11));
            unit->setIdentification(kModelCode, codeReply(model));
            unit->setLocalData(0x00, [model, ride = RideScript(profile.seed)](double t) {
                return live::absWheelBlock(ride, t, model);
            }, true);
            unit->setLocalData(0x08, [model, ride = RideScript(profile.seed)](double t) {
                return live::absStatusBlock(ride, t, model);
            }, false);
            break;
        case UnitKind::Eps:
            // The steering unit swaps the two identification options.
            unit->setIdentification(kSecondModelCode, text(profile.partNumber, 11));
            unit->setIdentification(kSecondPartNumber, codeReply(model));
            unit->setLocalData(0x08, [ride = RideScript(profile.seed)](double t) { return live::epsBlock(ride, t); },
                               true);
            break;
    }
    unit->setTroubleCodes(profile.troubleCodes);
    return unit;
}

}  // namespace quilldar::sim
