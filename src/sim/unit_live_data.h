#pragma once

#include <string>

#include "sim/virtual_control_unit.h"

// Live-data blocks of the transmission, ABS and EPS units as they change over a ride: the bike
// sets off, accelerates, cruises, brakes and stops once a minute. Each block holds the data bytes
// from frame byte 6 (the trouble-code count where the unit reports one) to the last byte read.
namespace quilldar::sim::live {

// Vehicle speed in km/h over the one-minute ride.
double rideSpeed(double seconds);
// Deceleration is hard enough for the ABS to work.
bool hardBraking(double seconds);

ServiceBytes transmissionBlock(double seconds);
ServiceBytes absWheelBlock(double seconds, const std::string& model);   // local identifier 0x00
ServiceBytes absStatusBlock(double seconds, const std::string& model);  // local identifier 0x08
ServiceBytes epsBlock(double seconds);

}  // namespace quilldar::sim::live
