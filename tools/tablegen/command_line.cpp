// The command line of velmora-tablegen: what to generate, with which switches, where to.
#include "tablegen/command_line.h"

#include <charconv>
#include <cmath>

#include "tablegen/tablegen_error.h"

namespace velmora::tablegen {
namespace {

double PositiveNumber(const std::string& option, const std::string& text) {
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || !std::isfinite(value)) {
        throw TablegenError(option + ": '" + text + "' is not a number");
    }
    if (!(value > 0.0)) {
        throw TablegenError(option + ": the value must be greater than zero, not " + text);
    }
    return value;
}

// Checks which options belong together once all are read.
void CheckCombination(const CommandLine& line) {
    if (line.help || line.version) {
        return;
    }
    const bool custom = line.name || line.density || line.meanExcitationEv || line.formula ||
                        line.composition || line.fileName || line.force;
    if (line.withElectrons && line.options.particle == Particle::kElectron) {
        throw TablegenError(
            "--with-electrons adds electron tables to the positron ones; "
            "--electrons writes electron tables only: give one of them",
            kExitUsage);
    }
    if (line.all && custom) {
        throw TablegenError("--all regenerates the bundled set and takes no material options",
                            kExitUsage);
    }
    if (line.all) {
        return;
    }
    if (!line.name || !line.density || !line.meanExcitationEv) {
        throw TablegenError(
            "a material needs --name, --density and --mean-excitation (or use --all); see --help",
            kExitUsage);
    }
    if (line.formula.has_value() == line.composition.has_value()) {
        throw TablegenError("give the composition by exactly one of --formula and --composition",
                            kExitUsage);
    }
}

}  // namespace

CommandLine ParseCommandLine(std::span<const std::string> args) {
    CommandLine line;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= args.size()) {
                throw TablegenError(option + " needs a value", kExitUsage);
            }
            return args[++i];
        };
        if (option == "--help" || option == "-h") {
            line.help = true;
        } else if (option == "--version") {
            line.version = true;
        } else if (option == "--all") {
            line.all = true;
        } else if (option == "--name") {
            line.name = value();
        } else if (option == "--density") {
            line.density = PositiveNumber(option, value());
        } else if (option == "--mean-excitation") {
            line.meanExcitationEv = PositiveNumber(option, value());
        } else if (option == "--formula") {
            line.formula = value();
        } else if (option == "--composition") {
            line.composition = value();
        } else if (option == "--file-name") {
            line.fileName = value();
        } else if (option == "--output-dir") {
            line.outputDir = value();
        } else if (option == "--reference") {
            line.referenceDir = value();
        } else if (option == "--force") {
            line.force = true;
        } else if (option == "--electrons") {
            line.options.particle = Particle::kElectron;
        } else if (option == "--with-electrons") {
            line.withElectrons = true;
        } else if (option == "--no-positron-ratio") {
            line.options.positronRadiativeRatio = false;
        } else {
            throw TablegenError("unknown option '" + option + "'; see --help", kExitUsage);
        }
    }
    CheckCombination(line);
    return line;
}

std::string UsageText() {
    return R"(Usage:
  velmora-tablegen --all [--output-dir DIR] [--with-electrons | --electrons] [switches]
      Regenerates the bundled tables into DIR/p_QRV (elements) and DIR/p_STC; with
      --electrons the electron tables into DIR/e_QRV and DIR/e_STC instead, with
      --with-electrons both sets.
  velmora-tablegen --name NAME --density G_PER_CM3 --mean-excitation EV
                   (--formula FORMULA | --composition Sym:w,Sym:w,...)
                   [--output-dir DIR] [--file-name FILE] [--force] [--with-electrons]
                   [switches]
      Writes one material file into DIR (default: ./p_STC when it exists, else
      $XDG_DATA_HOME/velmora/p_STC, the viewer's own data folder). The file name comes
      from NAME unless --file-name is given; an existing file is replaced only with --force.
      Weight fractions must add up to 1 within 0.001 and are then scaled to sum to 1.
      Formulas: LiF, C2H6O, Ca(OH)2, C8H8 ... (elements by symbol, counts may be decimal).
      --with-electrons also writes the material's electron table, under the same file
      name, into the folder beside DIR whose name has e_ for DIR's leading p_ (p_STC ->
      e_STC, made when missing), where the viewer looks for it. DIR must then be a p_
      folder. Both tables are computed and checked before either is written, and --force
      applies to both.
Switches:
  --electrons           electron tables (F- term, no positron ratio) instead of positrons;
                        without --output-dir a custom material goes to the e_STC folder
                        beside the default p_STC
  --no-positron-ratio   positron radiative stopping power equal to the electron one
  --reference DIR       folder with the reference inputs (default: installed share folder,
                        else data/reference of the source tree)
  --help, --version
Exit status (as velmora-query's):
  0  success
  1  a file could not be written, or exists and --force was not given
  2  the command line was not understood
  4  a reference input cannot be read or is malformed
  5  a value was refused: density, mean excitation energy, composition or name
Nothing is written on any failure; one line on standard error says why.
)";
}

}  // namespace velmora::tablegen
