#pragma once

#include <QByteArray>

#include <span>

namespace quilldar::testing {

// The recordings under tests/fixtures/, as this helper builds them. The committed files are
// written by quilldar_make_fixtures and a test checks that they still equal these.

// An engine session with ECM 12F0 (part number 71820-12F00):
//   0, 1  page 0  identification answers (0x91, 0x9A)
//   2     page 0  live data: speed byte 20, throttle 51, coolant 130, battery 160
//   3     page 0  live data: speed byte 30, throttle 100, coolant 120, battery 229
//   4     page 0  live data with a wrong checksum (speed byte 99)
//   5     page 5  trouble codes: P0130 past
//   6     page 5  trouble codes: P0105 current, P1655 past, P0007-H-L pending
//   7     page 0  live data: all zero except battery 230 (above the 18 V limit)
QByteArray engineSessionRecording();

// An engine session with an ECM of the second identification scheme, code 31J0:
//   0     page 0  part-number answer 12 31 (the second-scheme marker)
//   1, 2  page 0  second-scheme identification (0x8E, 0x8A), part number 32920-31J00
//   3     page 0  live data, identifier 0x00: speed bytes 10, 128
//   4     page 0  the same with speed byte 5 and a wrong checksum
//   5     page 0  live data, identifier 0x08: speed byte 4
QByteArray secondSchemeRecording();

struct FixtureFile {
    const char* name;
    QByteArray (*build)();
};
std::span<const FixtureFile> fixtureFiles();

}  // namespace quilldar::testing
