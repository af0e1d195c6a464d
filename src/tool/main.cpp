#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "pages/graph_channels.h"
#include "settings/languages.h"
#include "tool/compare_command.h"
#include "tool/doctor_command.h"
#include "tool/probe_command.h"
#include "tool/record_command.h"
#include "tool/simulate_command.h"
#include "tool/recording_commands.h"
#include "tool/report_command.h"
#include "tool/update_command.h"

namespace {

constexpr const char* kUsage =
    "Usage: quilldar-tool COMMAND [OPTIONS]\n"
    "\n"
    "Commands:\n"
    "  probe [--simulate[=UNIT[:MODEL]]]\n"
    "      Open the interface module, show its hardware id, serial number and type,\n"
    "      and wait for stable vehicle power. With --simulate, use the built-in\n"
    "      simulated module (UNIT: engine, transmission, combined, abs or eps;\n"
    "      MODEL: a model code such as 12F0).\n"
    "  doctor [--simulate[=UNIT[:MODEL]] [--fault power|unplug|mute|type|busy]]\n"
    "      Check, one line each with a fix, what stands between this user and a\n"
    "      connection: the HID library, the module on USB (04d8:05f1), permission\n"
    "      to open it, another Quilldar using it, the module's answers and type,\n"
    "      vehicle power. Exit status 0 when a connection can be made, 1 when not.\n"
    "      With --simulate, check the simulated module; --fault makes it show a\n"
    "      fault: no vehicle power, unplugged, silent, of another type, or held\n"
    "      by another Quilldar.\n"
    "  simulate --unit engine|transmission|combined|abs|eps [--model CODE] [--alt]\n"
    "           [--ticks N] [--page N] [--realtime] [--fault NAME[@TICK]]...\n"
    "           [--scratch-dir DIR] [--module-log LOG] -o FILE\n"
    "      Run a whole live session against the simulated module (N poll ticks,\n"
    "      default 100, on page N, default the unit's data page) and save the\n"
    "      recording to FILE. --alt: an engine of the second identification scheme.\n"
    "      Without --realtime the ticks run back to back. --fault (repeatable) makes\n"
    "      the module show a fault before session tick TICK (1 = the first tick\n"
    "      after connecting; 0 or none = before the module is opened): power,\n"
    "      unplug, replug, mute, slow, stale, tmr, connect-error, disconnected,\n"
    "      bad-checksum, long-frame, module-type. --scratch-dir: record into\n"
    "      DIR/Quilldar_Temp.QLT (DIR must exist) instead of a temporary folder; the\n"
    "      file stays there when the run is killed. --module-log: append every\n"
    "      report the module hands to the link, 65 bytes each, to LOG before the\n"
    "      link takes it. Says how the session ended; exit status 0 when a\n"
    "      recording was saved, 1 when no session started, or when the recording\n"
    "      failed part-way (the records kept before the failure are saved).\n"
    "  record --unit engine|transmission|combined|abs|eps [--page N]\n"
    "         [--duration SECONDS] [--scratch-dir DIR] [--simulate[=UNIT[:MODEL]]]\n"
    "         [--csv FILE|-] -o FILE\n"
    "      Record a live session of the unit on the interface module without a\n"
    "      screen, until Ctrl-C, SIGTERM or the duration ends it as Disconnect does,\n"
    "      or a lost module ends it; then save the recording to FILE and say\n"
    "      \"Saved N records to FILE\". --scratch-dir: record into\n"
    "      DIR/Quilldar_Temp.QLT, which a kill leaves with whole records. With\n"
    "      --simulate, use the built-in simulated module. --csv: write the unit's\n"
    "      decoded values as they arrive to FILE (- for standard output, the\n"
    "      command's own lines then going to standard error): a header, then per\n"
    "      record its time in seconds and each channel, separated by ';'. Exit\n"
    "      status 0 when a recording was saved, 1 when no session started or nothing\n"
    "      was saved.\n"
    "  info FILE [--json]\n"
    "      Show a recording's ECM part number and code, record count, duration,\n"
    "      page segments and the number of records with a wrong checksum.\n"
    "  export FILE [--channels A,B,C,D] [-o OUT] [--speed kmh|mph]\n"
    "         [--temperature C|F] [--pressure kPa|mmHg|inHg|psig] [--language NAME]\n"
    "      Write four channels of a recording as semicolon-separated text, to OUT or\n"
    "      standard output: engine and transmission 0..22, ABS 23..42, EPS 43..55; by default\n"
    "      the graph's stored channels where the recording's unit has them, else its first\n"
    "      four. A record without a reading of the four channels adds no line. Units and language\n"
    "      default to the stored settings; the header is written in the language's\n"
    "      Windows code page.\n"
    "  dtc FILE\n"
    "      Show the trouble codes of the last trouble-code answer in a recording,\n"
    "      one per line as code;description;status.\n"
    "  compare A.QLS B.QLS [--channels LIST] [--language NAME] [--json]\n"
    "      Compare two recordings: the identification of each, the trouble codes\n"
    "      only in A, only in B and in both, and each channel's minimum, mean and\n"
    "      maximum with the difference of the means (LIST: channel numbers separated\n"
    "      by commas; default: every channel both units have).\n"
    "  report FILE [--at SECONDS | --record N] [--language NAME]\n"
    "         [-o OUT.pdf | -o FOLDER]\n"
    "      Play a recording up to a position (default: its end) and write the\n"
    "      one-page PDF report that Print writes at that moment: the trouble codes,\n"
    "      the freeze frames and the live readings. With a folder, or without -o\n"
    "      (then the Prints folder of the current folder), the file is named\n"
    "      MV_QLS_YYYYMMDD-HHMMSS.pdf. Prints the path of the report.\n"
    "  update\n"
    "      Run the program's update check: fetch the version file from the update\n"
    "      server (QUILLDAR_UPDATE_URL), announce a new program version (never\n"
    "      installed from here) and refresh the FAQ documents into this user's data\n"
    "      folder when their version differs. Prints the program's messages; exit\n"
    "      status 1 when the check showed an error or a file could not be fetched\n"
    "      (the reason on standard error).\n"
    "  faq [--language NAME]\n"
    "      Print the path of the FAQ document the program's FAQ button opens: this\n"
    "      user's downloaded one, else the installed one.\n"
    "\n"
    "Exit status: 0 success, 1 the module is not ready or the file cannot be used,\n"
    "2 a bad command or option.\n";

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

int doctor(int argc, char** argv) {
    quilldar::tool::DoctorOptions options;
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--simulate") {
            options.simulate = std::string();
        } else if (arg.starts_with("--simulate=")) {
            options.simulate = std::string(arg.substr(std::strlen("--simulate=")));
        } else if (arg == "--fault" || arg.starts_with("--fault=")) {
            std::string_view value;
            if (arg == "--fault") {
                if (i + 1 >= argc) return usageError("option --fault needs a value");
                value = argv[++i];
            } else {
                value = arg.substr(std::strlen("--fault="));
            }
            QString reason;
            const auto fault = quilldar::tool::parseDoctorFault(value, reason);
            if (!fault) return usageError(reason.toStdString());
            options.faults.push_back(*fault);
        } else {
            return usageError("unknown option for doctor: " + std::string(arg));
        }
    }
    if (!options.faults.empty() && !options.simulate)
        return usageError("--fault needs the simulated module (--simulate)");
    return quilldar::tool::runDoctor(options);
}

class Arguments {
public:
    // A command that names no recording file passes fileExpected = false.
    Arguments(int argc, char** argv, std::string command, bool fileExpected = true)
        : command_(std::move(command)), fileExpected_(fileExpected) {
        for (int i = 2; i < argc; ++i) args_.emplace_back(argv[i]);
    }

    // Walks the arguments; handler(option, value) returns an error text or nothing.
    template <typename Handler>
    std::optional<std::string> parse(const std::vector<std::string_view>& withValue,
                                     Handler handler) {
        for (std::size_t i = 0; i < args_.size(); ++i) {
            std::string_view arg = args_[i];
            if (arg.size() > 1 && arg[0] == '-') {
                std::string_view name = arg;
                std::optional<std::string_view> value;
                if (const auto eq = arg.find('=');
                    eq != std::string_view::npos && arg.starts_with("--")) {
                    name = arg.substr(0, eq);
                    value = arg.substr(eq + 1);
                }
                const bool takesValue =
                    std::find(withValue.begin(), withValue.end(), name) != withValue.end();
                if (takesValue && !value) {
                    if (i + 1 >= args_.size())
                        return "option " + std::string(name) + " needs a value";
                    value = args_[++i];
                }
                if (!takesValue && value) return "option " + std::string(name) + " takes no value";
                if (auto error = handler(name, value.value_or(std::string_view()))) return error;
            } else if (!fileExpected_) {
                return "unexpected argument for " + command_ + ": " + std::string(arg);
            } else if (file_.isEmpty()) {
                file_ = QString::fromLocal8Bit(arg.data(), static_cast<qsizetype>(arg.size()));
            } else {
                return "more than one file given: " + std::string(arg);
            }
        }
        if (fileExpected_ && file_.isEmpty()) return "no recording file given for " + command_;
        return std::nullopt;
    }

    const QString& file() const { return file_; }

private:
    std::string command_;
    bool fileExpected_;
    std::vector<std::string_view> args_;
    QString file_;
};

std::optional<std::string> unknownOption(const std::string& command, std::string_view option) {
    return "unknown option for " + command + ": " + std::string(option);
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
    Arguments args(argc, argv, "simulate", false);
    const auto error = args.parse(
        {"--unit", "--model", "--ticks", "--page", "--fault", "-o", "--output", "--scratch-dir",
         "--module-log"},
        [&](std::string_view option, std::string_view value) -> std::optional<std::string> {
            if (option == "--realtime") {
                options.realtime = true;
            } else if (option == "--alt") {
                options.secondScheme = true;
            } else if (option == "--unit") {
                options.unit = std::string(value);
                unitGiven = true;
            } else if (option == "--model") {
                options.model = std::string(value);
            } else if (option == "--ticks") {
                if (!parseNumber(value, options.ticks)) return "--ticks needs a number";
            } else if (option == "--page") {
                int page = 0;
                if (!parseNumber(value, page)) return "--page needs a number";
                options.page = page;
            } else if (option == "--fault") {
                QString reason;
                const auto fault = quilldar::sim::parseScheduledFault(value, reason);
                if (!fault) return reason.toStdString();
                options.faults.add(*fault);
            } else if (option == "-o" || option == "--output") {
                options.output = std::string(value);
            } else if (option == "--scratch-dir") {
                options.scratchDir = std::string(value);

            } else if (option == "--module-log") {
                options.moduleLog = std::string(value);
            } else {
                return unknownOption("simulate", option);
            }
            return std::nullopt;
        });
    if (error) return usageError(*error);
    if (!unitGiven) return usageError("simulate needs --unit");
    if (options.output.empty()) return usageError("simulate needs -o FILE");
    return quilldar::tool::runSimulate(options);
}

int record(int argc, char** argv) {
    quilldar::tool::RecordOptions options;
    // --simulate takes an optional value, which the common parser has no way to say: it is
    // taken out first.
    std::vector<char*> rest(argv, argv + argc);
    std::erase_if(rest, [&](char* arg) {
        const std::string_view text = arg;
        if (text == "--simulate") options.simulate = std::string();
        else if (text.starts_with("--simulate=")) options.simulate = std::string(text.substr(std::strlen("--simulate=")));
        else return false;
        return true;
    });
    Arguments args(static_cast<int>(rest.size()), rest.data(), "record", false);
    const auto error = args.parse(
        {"--unit", "--page", "--duration", "--scratch-dir", "-o", "--output", "--csv"},
        [&](std::string_view option, std::string_view value) -> std::optional<std::string> {
            if (option == "--unit") {
                options.unit = std::string(value);
            } else if (option == "--page") {
                int page = 0;
                if (!parseNumber(value, page)) return "--page needs a number";
                options.page = page;
            } else if (option == "--duration") {
                try {
                    std::size_t used = 0;
                    const double seconds = std::stod(std::string(value), &used);
                    if (used != value.size() || !(seconds > 0)) return "--duration needs a time in seconds";
                    options.durationSeconds = seconds;
                } catch (...) {
                    return "--duration needs a time in seconds";
                }
            } else if (option == "--csv") {
                options.csv = std::string(value);
                if (options.csv.empty()) return "--csv needs a file name or -";
            } else if (option == "--scratch-dir") {
                options.scratchDir = std::string(value);
            } else if (option == "-o" || option == "--output") {
                options.output = std::string(value);
            } else {
                return unknownOption("record", option);
            }
            return std::nullopt;
        });
    if (error) return usageError(*error);
    if (options.unit.empty()) return usageError("record needs --unit");
    if (options.output.empty()) return usageError("record needs -o FILE");
    return quilldar::tool::runRecord(options);
}

int info(int argc, char** argv) {
    quilldar::tool::InfoOptions options;
    Arguments args(argc, argv, "info");
    const auto error = args.parse(
        {}, [&](std::string_view option, std::string_view) -> std::optional<std::string> {
            if (option == "--json") {
                options.json = true;
                return std::nullopt;
            }
            return unknownOption("info", option);
        });
    if (error) return usageError(*error);
    options.path = args.file();
    return quilldar::tool::runInfo(options);
}

std::optional<quilldar::files::ChannelSelection> parseChannels(std::string_view text) {
    const QStringList parts = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()))
                                  .split(QLatin1Char(','));
    quilldar::files::ChannelSelection channels{};
    if (parts.size() != static_cast<qsizetype>(channels.size())) return std::nullopt;
    for (std::size_t i = 0; i < channels.size(); ++i) {
        bool ok = false;
        channels[i] = parts[static_cast<qsizetype>(i)].trimmed().toInt(&ok);
        if (!ok) return std::nullopt;
    }
    if (!quilldar::files::isValidChannelSelection(channels)) return std::nullopt;
    return channels;
}

// The index of text in choices, or -1.
// The language of --language, by name or index; a reason when there is none of that name.
std::optional<std::string> parseLanguage(std::string_view value, std::optional<int>& language) {
    const QString name = QString::fromLocal8Bit(value.data(), static_cast<qsizetype>(value.size()));
    language = quilldar::settings::languageIndexFromName(name);
    if (language) return std::nullopt;
    return "--language is one of " + quilldar::settings::languageListNames().join(", ").toStdString() +
           " (or its index 0..9)";
}

int choice(std::string_view text, std::initializer_list<std::string_view> choices) {
    int index = 0;
    for (const std::string_view c : choices) {
        if (c == text) return index;
        ++index;
    }
    return -1;
}

int exportCommand(int argc, char** argv) {
    quilldar::tool::ExportOptions options;
    Arguments args(argc, argv, "export");
    const auto error = args.parse(
        {"--channels", "-o", "--output", "--speed", "--temperature", "--pressure", "--language"},
        [&](std::string_view option, std::string_view value) -> std::optional<std::string> {
            if (option == "--channels") {
                const auto channels = parseChannels(value);
                if (!channels)
                    return "--channels needs four channel numbers from 0 to 55, e.g. 0,1,9,8";
                options.channels = *channels;
            } else if (option == "-o" || option == "--output") {
                options.output =
                    QString::fromLocal8Bit(value.data(), static_cast<qsizetype>(value.size()));
                if (options.output.isEmpty()) return "-o needs a file name";
            } else if (option == "--speed") {
                options.speed = choice(value, {"kmh", "mph"});
                if (*options.speed < 0) return "--speed is kmh or mph";
            } else if (option == "--temperature") {
                options.temperature = choice(value, {"C", "F"});
                if (*options.temperature < 0) return "--temperature is C or F";
            } else if (option == "--pressure") {
                options.pressure = choice(value, {"kPa", "mmHg", "inHg", "psig"});
                if (*options.pressure < 0) return "--pressure is kPa, mmHg, inHg or psig";
            } else if (option == "--language") {
                if (auto problem = parseLanguage(value, options.language)) return problem;
            } else {
                return unknownOption("export", option);
            }
            return std::nullopt;
        });
    if (error) return usageError(*error);
    options.path = args.file();
    return quilldar::tool::runExport(options);
}

int dtc(int argc, char** argv) {
    quilldar::tool::DtcOptions options;
    Arguments args(argc, argv, "dtc");
    const auto error = args.parse(
        {}, [&](std::string_view option, std::string_view) -> std::optional<std::string> {
            return unknownOption("dtc", option);
        });
    if (error) return usageError(*error);
    options.path = args.file();
    return quilldar::tool::runDtc(options);
}

// compare takes two recording files, so it reads its arguments itself.
int compareCommand(int argc, char** argv) {
    quilldar::tool::CompareOptions options;
    QStringList files;
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--json") {
            options.json = true;
        } else if (arg == "--channels" || arg == "--language") {
            if (i + 1 >= argc) return usageError(std::string(arg) + " needs a value");
            const std::string_view value = argv[++i];
            if (arg == "--language") {
                if (auto problem = parseLanguage(value, options.language)) return usageError(*problem);
                continue;
            }
            std::vector<int> channels;
            for (const QString& part : QString::fromLatin1(value.data(), static_cast<qsizetype>(value.size())).split(u',')) {
                bool ok = false;
                const int channel = part.trimmed().toInt(&ok);
                if (!ok || quilldar::pages::findGraphChannel(channel) == nullptr)
                    return usageError("--channels needs channel numbers from 0 to 55 separated by commas, e.g. 0,3,8");
                channels.push_back(channel);
            }
            options.channels = channels;
        } else if (arg.starts_with("-")) {
            return usageError(*unknownOption("compare", arg));
        } else {
            files << QString::fromLocal8Bit(arg.data(), static_cast<qsizetype>(arg.size()));
        }
    }
    if (files.size() != 2) return usageError("compare needs two recording files");
    options.pathA = files[0];
    options.pathB = files[1];
    return quilldar::tool::runCompare(options);
}

int reportCommand(int argc, char** argv) {
    quilldar::tool::ReportOptions options;
    Arguments args(argc, argv, "report");
    const auto error = args.parse(
        {"--at", "--record", "--language", "-o", "--output"},
        [&](std::string_view option, std::string_view value) -> std::optional<std::string> {
            if (option == "--at") {
                try {
                    std::size_t used = 0;
                    const double seconds = std::stod(std::string(value), &used);
                    if (used != value.size() || !(seconds >= 0)) return "--at needs a time in seconds, e.g. 12.30";
                    options.atSeconds = seconds;
                } catch (...) {
                    return "--at needs a time in seconds, e.g. 12.30";
                }
            } else if (option == "--record") {
                int record = 0;
                if (!parseNumber(value, record) || record < 0) return "--record needs a record count";
                options.record = record;
            } else if (option == "--language") {
                if (auto problem = parseLanguage(value, options.language)) return problem;
            } else if (option == "-o" || option == "--output") {
                options.output = QString::fromLocal8Bit(value.data(), static_cast<qsizetype>(value.size()));
                if (options.output.isEmpty()) return "-o needs a file or folder name";
            } else {
                return unknownOption("report", option);
            }
            return std::nullopt;
        });
    if (error) return usageError(*error);
    if (options.atSeconds && options.record) return usageError("give either --at or --record, not both");
    options.path = args.file();
    return quilldar::tool::runReport(options);
}

int faqCommand(int argc, char** argv) {
    std::optional<int> language;
    Arguments args(argc, argv, "faq", false);
    const auto error = args.parse({"--language"}, [&](std::string_view option, std::string_view value) -> std::optional<std::string> {
        if (option == "--language") return parseLanguage(value, language);
        return unknownOption("faq", option);
    });
    if (error) return usageError(*error);
    return quilldar::tool::runFaq(language);
}

int updateCommand(int argc, char** argv) {
    Arguments args(argc, argv, "update", false);
    const auto error = args.parse({}, [&](std::string_view option, std::string_view) -> std::optional<std::string> {
        return unknownOption("update", option);
    });
    if (error) return usageError(*error);
    return quilldar::tool::runUpdate();
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
    if (command == "doctor") return doctor(argc, argv);
    if (command == "simulate") return simulate(argc, argv);
    if (command == "record") return record(argc, argv);
    if (command == "info") return info(argc, argv);
    if (command == "export") return exportCommand(argc, argv);
    if (command == "dtc") return dtc(argc, argv);
    if (command == "report") return reportCommand(argc, argv);
    if (command == "compare") return compareCommand(argc, argv);
    if (command == "update") return updateCommand(argc, argv);
    if (command == "faq") return faqCommand(argc, argv);
    return usageError("unknown command: " + std::string(command));
}
