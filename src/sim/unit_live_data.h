#pragma once

#include <string>

#include "sim/ride_script.h"
#include "sim/virtual_control_unit.h"

// Live-data blocks of the transmission, ABS and EPS units on the scripted ride. Each block holds
// the data bytes from frame byte 6 (the trouble-code count where the unit reports one) to the
// last byte read.
namespace quilldar::sim::live {

// The pulley position the transmission reports is off by this much of the ratio until its
// learned value is reset.
inline constexpr double kPulleyLearnedError = 0.05;

ServiceBytes transmissionBlock(const RideScript& ride, double seconds, double pulleyError = kPulleyLearnedError);
ServiceBytes absWheelBlock(const RideScript& ride, double seconds, const std::string& model);   // identifier 0x00
ServiceBytes absStatusBlock(const RideScript& ride, double seconds, const std::string& model);  // identifier 0x08
ServiceBytes epsBlock(const RideScript& ride, double seconds);

// The same on the ride of the default seed.
ServiceBytes transmissionBlock(double seconds);
ServiceBytes absWheelBlock(double seconds, const std::string& model);
ServiceBytes absStatusBlock(double seconds, const std::string& model);
ServiceBytes epsBlock(double seconds);

}  // namespace quilldar::sim::live
