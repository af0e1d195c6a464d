#include "vehicle/english_texts.h"

#include <array>

namespace quilldar::vehicle {

namespace {

// clang-format off
constexpr DtcText kDtcTexts[] = {
    {0, "Unknown error"},
    {105, "Manifold absolute pressure circuit malfunction 1"},
    {110, "Intake air temperature circuit malfunction"},
    {115, "Engine coolant / oil temperature circuit malfunction"},
    {120, "Throttle position sensor A circuit malfunction"},
    {130, "O2 sensor circuit malfunction (Bank1 Sensor 1)"},
    {135, "O2 sensor heater circuit malfunction (Bank1 Sensor 1)"},
    {156, "O2 sensor circuit malfunction (Bank2 Sensor 2)"},
    {161, "O2 sensor heater circuit malfunction (Bank2 Sensor 2)"},
    {201, "Injector circuit cylinder 1 malfunction"},
    {202, "Injector circuit cylinder 2 malfunction"},
    {203, "Injector circuit cylinder 3 malfunction"},
    {204, "Injector circuit cylinder 4 malfunction"},
    {230, "Fuel pump circuit malfunction"},
    {335, "Crankshaft position sensor A circuit malfunction"},
    {340, "Camshaft position sensor A circuit malfunction"},
    {351, "Ignition coil A circuit malfunction"},
    {352, "Ignition coil B circuit malfunction"},
    {353, "Ignition coil C circuit malfunction"},
    {354, "Ignition coil D circuit malfunction"},
    {418, "PAIR System Control ''A'' Circuit malfunction"},
    {443, "EVAP system purge valve circuit malfunction"},
    {480, "Cooling fan control circuit malfunction"},
    {500, "Vehicle speed sensor malfunction"},
    {505, "ISC valve circuit malfunction"},
    {506, "ISC valve, lower than desired rpm"},
    {507, "ISC valve, higher than desired rpm"},
    {615, "Starter relay circuit malfunction"},
    {705, "Gear position switch circuit malfunction"},
    {720, "Output Speed Sensor Circuit Malfunction"},
    {725, "Engine Speed Input Circuit Malfunction"},
    {1111, "EPS torque sensor (Main) circuit malfunction"},
    {1113, "EPS torque sensor (Main/Sub) circuit correlation"},
    {1114, "EPS torque sensor power supply (5V) circuit malfunction"},
    {1115, "EPS torque sensor (Sub) circuit malfunction"},
    {1121, "Vehicle speed sensor malfunction"},
    {1122, "Engine speed signal malfunction"},
    {1141, "Motor circuit voltage malfunction"},
    {1142, "Motor detecting current malfunction"},
    {1143, "Motor circuit current too high"},
    {1145, "Motor circuit current too low"},
    {1152, "Relay welding"},
    {1153, "Battery voltage too low"},
    {1154, "Relay malfunction"},
    {1155, "EPS control unit malfunction"},
    {1450, "Atmospheric pressure sensor circuit malfunction"},
    {1600, "Serial communication problem between ECM and TCM"},
    {1613, "Wheel speed sensor rotor malfunction(F)"},
    {1614, "Wheel speed sensor rotor malfunction(R)"},
    {1622, "ABS actuator circuit malfunction(F)"},
    {1623, "ABS actuator circuit malfunction(R)"},
    {1625, "Incorrect tire size or wheel speed sensor related malfunction"},
    {1635, "ABS motor malfunction"},
    {1641, "Wheel speed sensor signal malfunction(F)"},
    {1642, "Wheel speed sensor circuit open (F)"},
    {1643, "Wheel speed sensor circuit short (F)"},
    {1644, "Wheel speed sensor signal malfunction(R)"},
    {1645, "Wheel speed sensor circuit open(R)"},
    {1646, "Wheel speed sensor circuit short(R)"},
    {1647, "Supply voltage(Increased)"},
    {1648, "Supply voltage(Decreased)"},
    {1650, "Ignition switch signal circuit malfunction"},
    {1651, "Tip over sensor circuit malfunction"},
    {1652, "PTC heater circuit malfunction"},
    {1653, "ECM TCM communication line A malfunction "},
    {1654, "Secondary throttle actuator position sensor circuit malfunction"},
    {1655, "Secondary throttle motor circuit malfunction"},
    {1656, "PAIR circuit malfunction"},
    {1657, "Exhaust control valve actuator position sensor circuit malfunction"},
    {1658, "Exhaust control valve motor circuit malfunction"},
    {1661, "ABS solenoid malfunction"},
    {1700, "Throttle position signal input malfunction"},
    {1750, "Manifold absolute pressure circuit malfunction 2"},
    {1751, "Decomp solenoid relay circuit malfunction"},
    {1752, "Differential lock relay circuit malfunction"},
    {1764, "Secondary injector cir. - cyl. 1 malfunction"},
    {1765, "Secondary injector cir. - cyl. 2 malfunction"},
    {1766, "Secondary injector cir. - cyl. 3 malfunction"},
    {1767, "Secondary injector cir. - cyl. 4 malfunction"},
    {1768, "PAIR circuit malfunction 2"},
    {1769, "Steering damper solenoid circuit malfunction"},
    {1771, "Crankshaft rotation signal circuit malfunction"},
    {1815, "Switch circuit malfunction for CVT"},
    {1831, "Secondary pulley speed sensor circuit malfunction"},
    {1861, "Motor system malfunction"},
    {1862, "Pulley position sensor circuit malfunction"},
    {1863, "Belt slip/Pulley position sensor system malfunction"},
    {2505, "ECM/PCM power input signal malfunction"},
};
// clang-format on

}  // namespace

const EngineTexts& englishEngineTexts() {
    static const EngineTexts texts = {
        QStringLiteral("Engine speed"),
        QStringLiteral("Throttle position"),
        QStringLiteral("Secondary throttle position"),
        QStringLiteral("Engine coolant / oil temperature"),
        QStringLiteral("Intake air temperature"),
        QStringLiteral("Manifold absolute pressure 1"),
        QStringLiteral("Manifold absolute pressure 2"),
        QStringLiteral("Atmospheric pressure"),
        QStringLiteral("Battery voltage"),
        QStringLiteral("Vehicle speed"),
        QStringLiteral("Exhaust control valve actuator"),
        QStringLiteral("O2 sensor Bank 1 - Sensor 1"),
        QStringLiteral("O2 sensor Bank 2 - Sensor 2"),
        QStringLiteral("Target idle speed"),
        QStringLiteral("Steering damper solenoid current"),
        QStringLiteral("Cylinder 1 injection time"),
        QStringLiteral("Cylinder 2 injection time"),
        QStringLiteral("Cylinder 3 injection time"),
        QStringLiteral("Cylinder 4 injection time"),
        QStringLiteral("Advance"),
        QStringLiteral("ISC valve position"),
        QStringLiteral("Gear position"),
        QStringLiteral("ISC duty"),
        QStringLiteral("Exhaust valve control select terminal"),
        QStringLiteral("O2 sensor control select terminal"),
        QStringLiteral("Neutral switch signal"),
        QStringLiteral("Driving mode selection 1"),
        QStringLiteral("Driving mode selection 2"),
        QStringLiteral("Ignition switch signal"),
        QStringLiteral("Clutch switch signal"),
        QStringLiteral("Starter signal"),
        QStringLiteral("EVAP purge valve"),
        QStringLiteral("Tip over sensor"),
        QStringLiteral("Cooling fan relay"),
        QStringLiteral("PAIR control solenoid valve"),
        QStringLiteral("---"),
        QStringLiteral("Side stand switch"),
        QStringLiteral("Load cut off relay"),
        QStringLiteral("Shift switch signal"),
        QStringLiteral("Engine speed limiter signal"),
        QStringLiteral("Steps"),
        QStringLiteral("Open"),
        QStringLiteral("GND"),
        QStringLiteral("Normal"),
        QStringLiteral("Abnormal"),
        QStringLiteral("On"),
        QStringLiteral("Off"),
    };
    return texts;
}

const ChannelNames& englishChannelNames() {
    // The graph's channel list names channels 0..22 like the first 23 Engine rows.
    static const ChannelNames names = [] {
        ChannelNames list;
        for (std::size_t i = 0; i < list.size(); ++i) list[i] = englishEngineTexts()[i];
        return list;
    }();
    return names;
}

UnitTexts englishUnitTexts(const UnitSettings& units) {
    static const std::array<QString, 4> pressures = {QStringLiteral("kPa"), QStringLiteral("mmHg"),
                                                     QStringLiteral("inHg"),
                                                     QStringLiteral("psig")};
    UnitTexts texts;
    texts.speed = units.milesPerHour() ? QStringLiteral("MPH") : QStringLiteral("Km/h");
    texts.temperature = units.fahrenheit() ? QStringLiteral("\u00B0F") : QStringLiteral("\u00B0C");
    texts.pressure = units.pressure >= 0 && units.pressure <= 3
                         ? pressures[static_cast<std::size_t>(units.pressure)]
                         : pressures[0];
    return texts;
}

const DtcStatusWords& englishDtcStatusWords() {
    static const DtcStatusWords words{QStringLiteral("Past"), QStringLiteral("Pending"),
                                      QStringLiteral("Current")};
    return words;
}

std::span<const DtcText> englishDtcTexts() { return kDtcTexts; }

QString englishSecondsWord() { return QStringLiteral(" sec"); }
QString englishFileLockedMessage() {
    return QStringLiteral("File is locked by another application.");
}
QString englishFileCorruptedMessage() { return QStringLiteral("File is corrupted, load skipped."); }

}  // namespace quilldar::vehicle
