// The command line of velmora-query.
#include "query/query_options.h"

#include <charconv>

#include "query/message_text.h"
#include "query/query_error.h"

namespace velmora::query {
namespace {

struct CommandName {
    const char* name;
    Command command;
};
constexpr CommandName kCommands[] = {{"materials", Command::kMaterials},
                                     {"show", Command::kShow},
                                     {"at", Command::kAt},
                                     {"energy-for-range", Command::kEnergyForRange},
                                     {"interval", Command::kInterval}};

// Echoed input in the usage messages' single quotes, cut and escaped as every echo is.
std::string Quoted(const std::string& text) {
    return "'" + EchoedText(text) + "'";
}

[[noreturn]] void Usage(const std::string& message) {
    throw QueryError(kExitUsage, message + "; see --help");
}

Command CommandNamed(const std::string& name) {
    for (const CommandName& entry : kCommands) {
        if (name == entry.name) {
            return entry.command;
        }
    }
    Usage("unknown subcommand " + Quoted(name));
}

bool IsNegativeNumberLike(const std::string& arg) {
    return arg.size() > 1 && arg[0] == '-' && ((arg[1] >= '0' && arg[1] <= '9') || arg[1] == '.');
}

OutputFormat FormatNamed(const std::string& name) {
    if (name == "text") {
        return OutputFormat::kText;
    }
    if (name == "csv") {
        return OutputFormat::kCsv;
    }
    if (name == "json") {
        return OutputFormat::kJson;
    }
    if (name == "window-csv") {
        return OutputFormat::kWindowCsv;
    }
    Usage("--format: " + Quoted(name) + " is not one of text, csv, json, window-csv");
}

int DigitsFrom(const std::string& text) {
    int digits = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, digits);
    if (ec != std::errc() || ptr != end || digits < 1 || digits > kMaxDigits) {
        Usage("--digits: " + Quoted(text) + " is not a whole number from 1 to " +
              std::to_string(kMaxDigits));
    }
    return digits;
}

// Options that belong to one subcommand only, and formats that fit it.
void CheckApplicability(const QueryOptions& o) {
    const bool isInterval = o.command == Command::kInterval;
    if ((o.elements || o.compounds) && o.command != Command::kMaterials) {
        Usage("--elements and --compounds apply to materials only");
    }
    if (o.elements && o.compounds) {
        Usage("--elements and --compounds contradict each other: give one, or neither for both");
    }
    if ((o.from || o.to || o.step) && !isInterval) {
        Usage("--from, --to and --step apply to interval only");
    }
    if (o.format == OutputFormat::kWindowCsv) {
        if (!isInterval) {
            Usage("--format window-csv applies to interval only");
        }
        if (o.digits || o.linear) {
            Usage(
                "--format window-csv writes the table window's file as it is: no --digits, "
                "no --linear");
        }
    }
    if (o.linear && o.command == Command::kMaterials) {
        Usage("--linear does not apply to materials");
    }
}

void CheckOperands(const QueryOptions& o) {
    const std::size_t count = o.operands.size();
    switch (o.command) {
        case Command::kMaterials:
            if (count != 0) {
                Usage("materials takes no operand, not " + Quoted(o.operands[0]));
            }
            break;
        case Command::kShow:
        case Command::kInterval:
            if (count != 1) {
                Usage(std::string(count == 0 ? "a material is needed" : "one material only"));
            }
            if (o.command == Command::kInterval && !(o.from && o.to && o.step)) {
                Usage("interval needs --from, --to and --step (MeV)");
            }
            break;
        case Command::kAt:
        case Command::kEnergyForRange:
            if (count == 0) {
                Usage("a material is needed");
            }
            break;
        case Command::kNone:
            break;
    }
}

}  // namespace

QueryOptions ParseQueryOptions(std::span<const std::string> args) {
    QueryOptions o;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        const bool isOption =
            !optionsEnded && arg.size() > 1 && arg[0] == '-' && !IsNegativeNumberLike(arg);
        if (!isOption) {
            if (o.command == Command::kNone && !o.version) {
                o.command = CommandNamed(arg);
            } else {
                o.operands.push_back(arg);
            }
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        // "--option=value" and "--option value" are the same.
        std::optional<std::string> inlineValue;
        if (const std::size_t eq = arg.find('=');
            arg.starts_with("--") && eq != std::string::npos) {
            inlineValue = arg.substr(eq + 1);
            arg.resize(eq);
        }
        const auto value = [&]() -> std::string {
            if (inlineValue) {
                return *inlineValue;
            }
            if (i + 1 >= args.size()) {
                Usage(EchoedText(arg) + " needs a value");
            }
            return args[++i];
        };
        const auto flag = [&](bool& target) {
            if (inlineValue) {
                Usage(EchoedText(arg) + " takes no value");
            }
            target = true;
        };
        if (arg == "--help" || arg == "-h") {
            flag(o.help);
        } else if (arg == "--version") {
            flag(o.version);
        } else if (arg == "--format") {
            o.format = FormatNamed(value());
        } else if (arg == "--digits") {
            o.digits = DigitsFrom(value());
        } else if (arg == "--linear") {
            flag(o.linear);
        } else if (arg == "--particle") {
            const std::string particle = value();
            if (particle != "positron" && particle != "electron") {
                Usage("--particle: " + Quoted(particle) + " is not positron or electron");
            }
            o.particle = particle == "electron" ? Particle::kElectron : Particle::kPositron;
            o.particleGiven = true;
        } else if (arg == "--data-dir") {
            o.dataDir = value();
        } else if (arg == "--elements") {
            flag(o.elements);
        } else if (arg == "--compounds") {
            flag(o.compounds);
        } else if (arg == "--from") {
            o.from = value();
        } else if (arg == "--to") {
            o.to = value();
        } else if (arg == "--step") {
            o.step = value();
        } else {
            Usage("unknown option " + Quoted(arg));
        }
    }
    if (o.help || o.version) {
        return o;
    }
    if (o.command == Command::kNone) {
        Usage("a subcommand is needed (materials, show, at, energy-for-range, interval)");
    }
    CheckApplicability(o);
    CheckOperands(o);
    return o;
}

}  // namespace velmora::query
