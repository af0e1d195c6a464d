#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "tool/probe_command.h"
#include "tool/simulate_command.h"

namespace {

constexpr const char* kUsage =
    "Usage: quilldar-tool COMMAND [OPTIONS]\n"
    "\n"
    "Commands:\n"
    "  probe [--simulate[=UNIT[:MODEL]]]\n"
    "      Open the interface module, show its hardware id, serial number and type,\n"
    "      and wait for stable vehicle power. With --simulate, use the built-in\n"
    "      simulated module (UNIT: engine; MODEL: a model code such as 12F0).\n"
    "  simulate --unit engine|transmission|combined|abs|eps [--model CODE] [--alt]\n"
    "           [--ticks N] [--page N] [--realtime] -o FILE\n"
    "      Run a whole live session against the simulated module (N poll ticks,\n"
    "      default 100, on page N, default the unit's data page) and save the\n"
    "      recording to FILE. --alt: an engine of the second identification scheme.\n"
    "      Without --realtime the ticks run back to back.\n"
    "\n"
    "Exit status: 0 success, 1 the module is not ready, 2 a bad command or option.\n";

int usageError(const std::string& message) {
    std::fprintf(stderr, "quilldar-tool: %s\n\n%s", message.c_str(), kUsage);
    return 2;
}

int probe(int argc, char** argv) {
    quilldar::tool::ProbeOptions options;
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--simulate") {
            options.simulate = std::string();
        } else if (arg.starts_with("--simulate=")) {
            options.simulate = std::string(arg.substr(std::strlen("--simulate=")));
        } else {
            return usageError("unknown option for probe: " + std::string(arg));
        }
    }
    return quilldar::tool::runProbe(options);
}

bool parseNumber(std::string_view text, int& into) {
    try {
        std::size_t used = 0;
        into = std::stoi(std::string(text), &used);
        return used == text.size();
    } catch (...) {
        return false;
    }
}

int simulate(int argc, char** argv) {
    quilldar::tool::SimulateOptions options;
    bool unitGiven = false;
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--realtime") {
            options.realtime = true;
        } else if (arg == "--alt") {
            options.secondScheme = true;
        } else if (arg == "--unit" && hasValue) {
            options.unit = argv[++i];
            unitGiven = true;
        } else if (arg == "--model" && hasValue) {
            options.model = argv[++i];
        } else if (arg == "--ticks" && hasValue) {
            if (!parseNumber(argv[++i], options.ticks)) return usageError("--ticks needs a number");
        } else if (arg == "--page" && hasValue) {
            int page = 0;
            if (!parseNumber(argv[++i], page)) return usageError("--page needs a number");
            options.page = page;
        } else if ((arg == "-o" || arg == "--output") && hasValue) {
            options.output = argv[++i];
        } else {
            return usageError("unknown option for simulate: " + std::string(arg));
        }
    }
    if (!unitGiven) return usageError("simulate needs --unit");
    if (options.output.empty()) return usageError("simulate needs -o FILE");
    return quilldar::tool::runSimulate(options);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usageError("no command given");
    const std::string_view command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (command == "probe") return probe(argc, argv);
    if (command == "simulate") return simulate(argc, argv);
    return usageError("unknown command: " + std::string(command));
}
