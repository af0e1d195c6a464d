#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>

#include "sim/fault_schedule.h"

namespace quilldar::gui {

// What the program was started with.
struct CommandLine {
    std::optional<std::string> simulate;  // --simulate[=UNIT[:MODEL]]: the simulated module
    QString recording;                    // a recording to open at start
    bool graph = false;                   // --graph RECORDING: its graph view opens at once
    QString reference;                    // --reference RECORDING: the graph's reference ride
    sim::FaultSchedule faults;            // --fault NAME[@TICK]: faults of the simulated module
    QString error;                        // not empty: the command line could not be read
};

CommandLine parseCommandLine(const QStringList& arguments);

// The program's usage text, as --help prints it.
QString usageText();
// True when the arguments ask for the usage text (--help or -h).
bool helpRequested(int argc, char** argv);

// The application: reads the settings, fills the language table, decides whether this copy owns
// the interface module, and runs the main window until it is closed.
class CQuilldarApp {
public:
    int run(int argc, char** argv);
};

}  // namespace quilldar::gui
