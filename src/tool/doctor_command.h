#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quilldar::tool {

// What the simulated module can be made to show to the connection check.
enum class DoctorFault {
    Power,   // no vehicle power
    Unplug,  // the module is not plugged in
    Mute,    // the module takes commands but never answers
    Type,    // the module is of a type the program does not work with
    Busy,    // another copy of the program holds the module
};

struct DoctorOptions {
    // Set: check the simulated module with this UNIT[:MODEL] (empty for the defaults).
    std::optional<std::string> simulate;
    std::vector<DoctorFault> faults;
};

// Parses power, unplug, mute, type or busy; on a bad name returns nothing and says why in error.
std::optional<DoctorFault> parseDoctorFault(std::string_view text, QString& error);

// Checks everything between the user and a connection and prints one line per check, with a fix
// for the one that failed. Returns the process exit status: 0 when a connection can be made, 1 when
// not, 2 for a bad simulation spec.
int runDoctor(const DoctorOptions& options);

}  // namespace quilldar::tool
