#include <gtest/gtest.h>

#include <cmath>

#include "vehicle/engine_channels.h"
#include "vehicle/vehicle_texts.h"

namespace quilldar::vehicle {
namespace {

namespace p = position;

UnitSettings metric() { return {}; }
UnitSettings imperial() {
    UnitSettings units;
    units.speed = 1;
    units.temperature = 1;
    units.pressure = 3;
    return units;
}
UnitSettings withPressure(int pressure) {
    UnitSettings units;
    units.pressure = pressure;
    return units;
}

double value(int position, int digit, int a, int b = 0, const UnitSettings& units = metric()) {
    const Conversion conversion = convertChannel(position, digit, static_cast<std::uint8_t>(a),
                                                 static_cast<std::uint8_t>(b), units);
    EXPECT_TRUE(conversion.ok()) << "position " << position << " digit " << digit;
    return conversion.value;
}

Conversion::Status status(int position, int digit, int a = 0) {
    return convertChannel(position, digit, static_cast<std::uint8_t>(a), 0, metric()).status;
}

TEST(EngineChannels, EngineSpeedAddsTheIntegerFractionOfTheLowByte) {
    EXPECT_NEAR(value(p::kEngineSpeed, 1, 10, 128), 2560 / 2.55 + 50, 1e-9);  // shown as 1053
    EXPECT_NEAR(value(p::kEngineSpeed, 1, 10, 254), 2560 / 2.55 + 99, 1e-9);  // 25400 ÷ 255 = 99
    EXPECT_NEAR(value(p::kEngineSpeed, 2, 20), 3200 / 2.55, 1e-9);
    EXPECT_NEAR(value(p::kEngineSpeed, 3, 2, 255), 255 / 2.55 + 50, 1e-9);
    EXPECT_NEAR(value(p::kEngineSpeed, 4, 1, 200), 179.3 / 2.55 + 54, 1e-9);  // 14000 ÷ 255 = 54
    EXPECT_EQ(status(p::kEngineSpeed, 5), Conversion::Status::NoFormula);
}

TEST(EngineChannels, TemperatureVariantOneTruncatesOnlyInCelsius) {
    EXPECT_EQ(value(p::kCoolant, 1, 255), 130.0);
    EXPECT_EQ(value(p::kCoolant, 1, 255, 0, imperial()), 266.0);
    // 160·100 ÷ 255 = 62 → 32 °C; °F from the unrounded 32.745...: 90.94, not 32 × 1.8 + 32 = 89.6.
    EXPECT_EQ(value(p::kCoolant, 1, 100), 32.0);
    EXPECT_NEAR(value(p::kCoolant, 1, 100, 0, imperial()), (1.6 * 100 / 2.55 - 30) * 1.8 + 32,
                1e-9);
    EXPECT_EQ(value(p::kIntakeAir, 1, 100), 32.0);
}

TEST(EngineChannels, TemperatureVariantsTwoAndThreeConvertTheCelsiusInteger) {
    EXPECT_EQ(value(p::kCoolant, 2, 130), 90.0);
    EXPECT_EQ(value(p::kCoolant, 2, 0, 0, imperial()), -40.0);
    // 240·100 ÷ 255 = 94 → 64 °C → 147.2 °F: the °F value follows the byte through the integer.
    EXPECT_EQ(value(p::kCoolant, 3, 100), 64.0);
    EXPECT_NEAR(value(p::kCoolant, 3, 100, 0, imperial()), 64 * 1.8 + 32, 1e-9);
    EXPECT_NE(value(p::kCoolant, 3, 101, 0, imperial()), value(p::kCoolant, 3, 100, 0, imperial()));
    for (const int a : {0, 77, 255}) {
        EXPECT_EQ(value(p::kIntakeAir, 3, a), -30.0);
        EXPECT_EQ(value(p::kIntakeAir, 3, a, 0, imperial()), -22.0);
    }
}

TEST(EngineChannels, PressuresUseTheirVariantThenAPlainUnitFactor) {
    EXPECT_NEAR(value(p::kManifoldPressure1, 2, 255, 0, withPressure(3)), 126.7 * 0.145,
                1e-9);  // shown 18
    EXPECT_NEAR(value(p::kManifoldPressure1, 1, 0), -20.0, 1e-12);
    EXPECT_NEAR(value(p::kManifoldPressure1, 4, 255), 178.3, 1e-9);
    EXPECT_NEAR(value(p::kManifoldPressure1, 5, 0, 0, withPressure(1)), 8.6 * 7.5, 1e-9);
    EXPECT_NEAR(value(p::kAtmosphericPressure, 3, 255, 0, withPressure(2)), 146.3 * 0.295, 1e-9);
    EXPECT_EQ(status(p::kManifoldPressure2, 4), Conversion::Status::NoFormula);
    EXPECT_EQ(status(p::kAtmosphericPressure, 5), Conversion::Status::NoFormula);
}

TEST(EngineChannels, SpeedsAndIntegerDivisions) {
    EXPECT_EQ(value(p::kVehicleSpeed, 1, 100), 200.0);  // 51200 ÷ 255 = 200
    EXPECT_NEAR(value(p::kVehicleSpeed, 1, 100, 0, imperial()), 200 * 0.621371192, 1e-9);
    EXPECT_EQ(value(p::kVehicleSpeed, 2, 88), 88.0);
    EXPECT_EQ(value(p::kSecondaryThrottle, 1, 128), 50.0);
    EXPECT_EQ(status(p::kSecondaryThrottle, 2), Conversion::Status::NoFormula);
    EXPECT_EQ(value(p::kExhaustValve, 1, 255), 100.0);
    EXPECT_NEAR(value(p::kIscDuty, 1, 51), 20.0, 1e-9);
    EXPECT_NEAR(value(p::kTargetIdle, 1, 100), 3200 / 2.55, 1e-9);
    EXPECT_NEAR(value(p::kThrottle, 2, 255), 85.0, 1e-9);
}

TEST(EngineChannels, IscValvePositionThirdVariantIsExactlyHighTimes256PlusLow) {
    // In doubles 652.8·29 / 2.55 is 7423.999..., which a truncating display shows as 7423.
    for (int a = 0; a < 256; ++a) EXPECT_EQ(value(p::kIscValve, 3, a, 7), 256.0 * a + 7) << a;
    EXPECT_EQ(value(p::kIscValve, 1, 77), 77.0);
    EXPECT_EQ(value(p::kIscValve, 2, 100), 200.0);
    // Digit 4 (05H0, 05H3, 39H0) has no known layout: the row is left alone.
    EXPECT_EQ(status(p::kIscValve, 4, 10), Conversion::Status::NoFormula);
}

TEST(EngineChannels, GearPositionLettersAndUnreadableValues) {
    EXPECT_EQ(value(p::kGear, 1, 4), 4.0);
    EXPECT_EQ(value(p::kGear, 2, 0), 'N');
    EXPECT_EQ(value(p::kGear, 2, 1), 76.0);  // 'L': what the graph sees
    EXPECT_EQ(value(p::kGear, 2, 2), 'H');
    EXPECT_EQ(status(p::kGear, 2, 3), Conversion::Status::Unreadable);
    EXPECT_EQ(status(p::kGear, 2, 255), Conversion::Status::Unreadable);
}

TEST(EngineChannels, SingleFormulaChannelsAcceptEveryDigit) {
    for (const int digit : {1, 2, 5}) {
        EXPECT_NEAR(value(p::kBattery, digit, 229), 17.960784313725, 1e-9);
        EXPECT_NEAR(value(p::kO2Bank1, digit, 255), 5.0, 1e-12);
        EXPECT_NEAR(value(p::kO2Bank2, digit, 51), 1.0, 1e-12);
        EXPECT_NEAR(value(p::kSteeringDamper, digit, 255), 2.0, 1e-12);
    }
    EXPECT_EQ(status(p::kBattery, 0, 100), Conversion::Status::NoFormula);
    EXPECT_GT(value(p::kBattery, 1, 230), kBatteryLimit);
    EXPECT_LT(value(p::kBattery, 1, 229), kBatteryLimit);
}

TEST(EngineChannels, InjectionAndAdvanceHelpers) {
    EXPECT_DOUBLE_EQ(injectionTime(1, 0), 0.255);  // 255 per high step, not 256
    EXPECT_DOUBLE_EQ(injectionTime(9, 5), 2.3);
    EXPECT_EQ(advanceDegrees(36), 0);
    EXPECT_EQ(advanceDegrees(39), 0);
    EXPECT_EQ(advanceDegrees(40), 1);
    EXPECT_EQ(advanceDegrees(255), 54);
}

TEST(EngineChannels, SwitchDigitsChooseTheirBit) {
    const SwitchBit* neutral1 = switchBit(20, 1);
    const SwitchBit* neutral2 = switchBit(20, 2);
    ASSERT_TRUE(neutral1 && neutral2);
    EXPECT_EQ(neutral1->mask, 0x02);
    EXPECT_EQ(neutral2->mask, 0x04);
    const SwitchBit* o2 = switchBit(19, 2);
    ASSERT_TRUE(o2);
    EXPECT_EQ(o2->frameByte, 53);
    EXPECT_EQ(o2->mask, 0x10);
    EXPECT_EQ(o2->onText, engine_text::kOn);
    const SwitchBit* ignition1 = switchBit(23, 1);
    const SwitchBit* ignition2 = switchBit(23, 2);
    ASSERT_TRUE(ignition1 && ignition2);
    EXPECT_EQ(ignition1->onText, engine_text::kNormal);
    EXPECT_EQ(ignition1->offText, engine_text::kAbnormal);
    EXPECT_EQ(ignition2->frameByte, 54);
    // A single-bit switch reads the same bit for any digit.
    EXPECT_EQ(switchBit(25, 2)->mask, switchBit(25, 1)->mask);
    EXPECT_FALSE(switchBit(25, 0));
    EXPECT_FALSE(switchBit(17, 1));
    EXPECT_FALSE(switchBit(34, 1));
    EXPECT_EQ(switchRow(18), 23);
    EXPECT_EQ(switchRow(33), 38);
    EXPECT_EQ(switchSlot(18), 30);
    EXPECT_EQ(switchSlot(33), 45);
}

TEST(EngineChannels, NumericChannelLayout) {
    // Rows and slots coincide for the channel table; ISC valve, gear and ISC duty sit after the
    // injection times and the advance.
    for (int position = 0; position < p::kNumericCount; ++position) {
        const EngineChannel& channel = numericChannel(position);
        EXPECT_EQ(channel.row, channel.slot);
        EXPECT_EQ(channel.row, position < 15 ? position : position + 5);
    }
    EXPECT_EQ(numericChannel(p::kIscDuty).firstByte, numericChannel(p::kIscValve).firstByte);
}

}  // namespace
}  // namespace quilldar::vehicle
