// The command line of velmora-query: subcommand, options and operands.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/material_catalogue.h"

namespace velmora::query {

enum class Command { kNone, kMaterials, kShow, kAt, kEnergyForRange, kInterval };
enum class OutputFormat { kText, kCsv, kJson, kWindowCsv };

inline constexpr int kMaxDigits = 17;  // enough for every double to read back exactly

struct QueryOptions {
    Command command = Command::kNone;
    bool help = false;
    bool version = false;
    OutputFormat format = OutputFormat::kText;
    std::optional<int> digits;  // significant digits, 1..kMaxDigits
    bool linear = false;        // MeV/cm and cm instead of MeV cm2/g and g/cm2
    Particle particle = Particle::kPositron;
    bool particleGiven = false;
    std::optional<std::string> dataDir;
    bool elements = false;                      // materials: elements only
    bool compounds = false;                     // materials: compounds and mixtures only
    std::optional<std::string> from, to, step;  // interval, MeV, as typed
    std::vector<std::string> operands;          // the material, then energies or ranges
};

// Parses the arguments after the program name. Throws QueryError (kExitUsage) for an unknown
// subcommand or option, a missing or bad option value, or an option that does not apply to the
// subcommand. "--" ends the options; an argument starting with '-' and a digit or point is an
// operand (a negative number), so that it reaches the value checks.
QueryOptions ParseQueryOptions(std::span<const std::string> args);

// The text printed by --help: the program's overview, or the help of one subcommand.
std::string HelpText(Command command);

}  // namespace velmora::query
