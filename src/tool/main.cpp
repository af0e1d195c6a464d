#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "tool/probe_command.h"

namespace {

constexpr const char* kUsage =
    "Usage: quilldar-tool COMMAND [OPTIONS]\n"
    "\n"
    "Commands:\n"
    "  probe [--simulate[=UNIT[:MODEL]]]\n"
    "      Open the interface module, show its hardware id, serial number and type,\n"
    "      and wait for stable vehicle power. With --simulate, use the built-in\n"
    "      simulated module (UNIT: engine; MODEL: a model code such as 12F0).\n"
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

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usageError("no command given");
    const std::string_view command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (command == "probe") return probe(argc, argv);
    return usageError("unknown command: " + std::string(command));
}
