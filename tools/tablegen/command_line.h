// The command line of velmora-tablegen: what to generate, with which switches, where to.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "tablegen/stopping_table.h"

namespace velmora::tablegen {

struct CommandLine {
    bool help = false;
    bool version = false;
    bool all = false;  // the whole bundled set
    std::optional<std::string> name;
    std::optional<double> density;
    std::optional<double> meanExcitationEv;
    std::optional<std::string> formula;
    std::optional<std::string> composition;
    std::optional<std::string> fileName;
    std::optional<std::string> outputDir;
    std::optional<std::string> referenceDir;
    bool force = false;
    bool withElectrons = false;  // the electron tables too, in the e_ folders beside the p_ ones
    GenerationOptions options;
};

// Parses the arguments after the program name. Throws TablegenError for an unknown option, a
// missing or non-numeric value, a non-positive density or I, or a contradictory combination.
CommandLine ParseCommandLine(std::span<const std::string> args);

// The text printed by --help.
std::string UsageText();

}  // namespace velmora::tablegen
