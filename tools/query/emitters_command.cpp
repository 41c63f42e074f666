// velmora-query emitters: Rmax, Rmean and the mean csda range of positron emitters in a material,
// a nuclide's spectrum with the csda range at each energy, and the share beyond a layer.
#include "query/emitters_command.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <vector>

#include "core/emitter_figures.h"
#include "core/emitter_ranges.h"
#include "core/number_format.h"
#include "core/positron_emitters.h"
#include "query/emitters_table.h"
#include "query/fd_output.h"
#include "query/message_text.h"
#include "query/query_error.h"
#include "query/query_material.h"
#include "velmora_version.h"

namespace velmora::query {
namespace {

constexpr const char* kHelp =
    R"(Usage: velmora-query emitters MATERIAL [NUCLIDE...] [--beyond THICKNESS]
       velmora-query emitters MATERIAL NUCLIDE --spectrum
How far the positrons of PET nuclides travel in a material. For every nuclide (or the ones
named: F-18, 18F, F18 and f-18 are the same) its half-life, positrons per 100 decays, highest
endpoint and mean energy (the branches' evaluated mean energies weighted by intensity), and in
g/cm2 and in mm (with the material's density): Rmax, the csda range at the endpoint; Rmean, the
csda range at the mean energy (the two figures reviews of PET nuclides give); and the mean csda
range over the beta+ spectrum of all branches.

  --beyond THICKNESS   adds the share of the positrons whose csda range exceeds THICKNESS, given
                       with its unit: 1mm, 0.5cm or 0.1g/cm2. The csda range is the length of
                       the winding path, not a depth, so this is an upper bound on the share that
                       gets through a layer that thick.
  --spectrum           the named nuclide's spectrum (positrons per MeV per 100 decays, all
                       branches together) and the csda range at each energy

The spectra have the allowed beta+ shape with the relativistic Fermi function of the daughter
(a point charge at the nuclear radius 1.2 A^(1/3) fm); they reproduce the evaluated mean
energies within 1 % (I-124's first-forbidden branch, 2 %). Below the table's first energy
(0.01 MeV) the csda range is extrapolated along the first two rows; the positrons emitted there
change the mean csda range by less than 0.1 %.

The bundled list holds C-11, N-13, O-15, F-18, Na-22, Sc-44, Cu-64, Ga-68, Rb-82, Zr-89 and
I-124. Nuclides of your own go into emitters/positron_emitters.csv in your data folder, with the
bundled file's header line and columns; one of a bundled name replaces it and is marked with *.
A malformed line there is reported on standard error and the bundled list is used alone.
)";

struct EmittersOptions {
    QueryOptions query;  // format, digits, particle, data folder, operands
    bool spectrum = false;
    std::optional<std::string> beyond;
};

struct Row {
    const Nuclide* nuclide;
    EmitterRanges ranges;
    std::optional<double> beyond;  // share, 0..1
};

[[noreturn]] void Refuse(int status, const std::string& message) {
    throw QueryError(status, message);
}

[[noreturn]] void Usage(const std::string& message) {
    Refuse(kExitUsage, message + "; see velmora-query emitters --help");
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
    Usage("--format: '" + name + "' is not one of text, csv, json");
}

int DigitsFrom(const std::string& text) {
    int digits = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, digits);
    if (ec != std::errc() || ptr != end || digits < 1 || digits > kMaxDigits) {
        Usage("--digits: '" + text + "' is not a whole number from 1 to " +
              std::to_string(kMaxDigits));
    }
    return digits;
}

EmittersOptions ParseEmittersOptions(std::span<const std::string> args) {
    EmittersOptions o;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            o.query.operands.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        std::optional<std::string> inlineValue;
        if (const std::size_t eq = arg.find('='); arg.starts_with("--") && eq != arg.npos) {
            inlineValue = arg.substr(eq + 1);
            arg.resize(eq);
        }
        const auto value = [&]() -> std::string {
            if (inlineValue) {
                return *inlineValue;
            }
            if (i + 1 >= args.size()) {
                Usage(arg + " needs a value");
            }
            return args[++i];
        };
        const auto flag = [&](bool& target) {
            if (inlineValue) {
                Usage(arg + " takes no value");
            }
            target = true;
        };
        if (arg == "--help" || arg == "-h") {
            flag(o.query.help);
        } else if (arg == "--version") {
            flag(o.query.version);
        } else if (arg == "--format") {
            o.query.format = FormatNamed(value());
        } else if (arg == "--digits") {
            o.query.digits = DigitsFrom(value());
        } else if (arg == "--particle") {
            const std::string particle = value();
            if (particle != "positron" && particle != "electron") {
                Usage("--particle: '" + particle + "' is not positron or electron");
            }
            o.query.particle = particle == "electron" ? Particle::kElectron : Particle::kPositron;
            o.query.particleGiven = true;
        } else if (arg == "--data-dir") {
            o.query.dataDir = value();
        } else if (arg == "--spectrum") {
            flag(o.spectrum);
        } else if (arg == "--beyond") {
            o.beyond = value();
        } else if (arg == "--linear") {
            Usage("--linear does not apply to emitters, which give g/cm2 and mm side by side");
        } else {
            Usage("unknown option '" + arg + "' for emitters");
        }
    }
    if (o.query.help || o.query.version) {
        return o;
    }
    if (o.query.operands.empty()) {
        Usage("a material is needed");
    }
    if (o.spectrum && o.query.operands.size() != 2) {
        Usage("--spectrum needs one nuclide");
    }
    if (o.spectrum && o.beyond) {
        Usage("--spectrum and --beyond do not go together");
    }
    return o;
}

// "1mm", "0.5 cm", "0.1g/cm2": a positive number and its unit.
LayerThickness Thickness(const std::string& text, double density) {
    ThicknessReading reading = ReadThickness(text, density);
    if (!reading.thickness) {
        Refuse(kExitRefusedValue, "--beyond: " + reading.error);
    }
    return std::move(*reading.thickness);
}

NuclideList Nuclides(const QueryEnvironment& env, std::ostream& err) {
    if (!env.userFolder) {
        return {BundledNuclides(), std::nullopt};
    }
    NuclideList list = NuclidesWithUserFile(UserNuclideFile(*env.userFolder));
    if (list.error) {
        err << "velmora-query: " << list.error->Message() << " The bundled nuclides are used.\n";
    }
    return list;
}

std::vector<const Nuclide*> ChosenNuclides(const EmittersOptions& o, const NuclideList& list) {
    std::vector<const Nuclide*> chosen;
    for (std::size_t k = 1; k < o.query.operands.size(); ++k) {
        const std::string& name = o.query.operands[k];
        const Nuclide* nuclide = FindNuclide(list.nuclides, name);
        if (!nuclide) {
            Refuse(kExitRefusedValue, UnknownNuclideMessage(name, list));
        }
        chosen.push_back(nuclide);
    }
    if (chosen.empty()) {
        for (const Nuclide& n : list.nuclides) {
            chosen.push_back(&n);
        }
    }
    return chosen;
}

std::string JsonHead(const TableHead& head, const NumberStyle& style) {
    std::string text = "{\n  \"material\": " + JsonString(head.material) +
                       ",\n  \"file\": " + JsonString(head.file) + ",\n  \"particle\": \"" +
                       std::string(ParticleWord(head.particle)) + "\",\n  \"density_g_cm3\": ";
    AppendNumber(text, head.density, style);
    return text;
}

std::string Title(const TableHead& head) {
    const std::string title =
        head.material + " (" + std::string(ParticleWord(head.particle)) + "s, ";
    return title + head.file + "), density " + NumberText(head.density) + " g/cm3\n";
}

NumberStyle StyleFor(const QueryOptions& o, const char* textPattern) {
    if (o.digits) {
        return {NumberStyle::Kind::kPattern, ScientificPattern(*o.digits)};
    }
    if (o.format == OutputFormat::kText) {
        return {NumberStyle::Kind::kPattern, textPattern};
    }
    return {NumberStyle::Kind::kShortest, {}};
}

// Data of the nuclide list as it stands in the file: plain in text, shortest in csv and json.
TableCell DataCell(double value, const QueryOptions& o) {
    if (o.format == OutputFormat::kText) {
        return {NumberText(value)};
    }
    return {NumberString(value, {NumberStyle::Kind::kShortest, {}})};
}

std::string RangesOutput(const EmittersOptions& o, const QueryMaterial& m,
                         const std::vector<Row>& rows, const std::optional<LayerThickness>& beyond,
                         const std::string& userFile) {
    const QueryOptions& q = o.query;
    const NumberStyle energy = StyleFor(q, "#0.0000");
    const NumberStyle mass = StyleFor(q, "0.000E+00");
    const NumberStyle length = StyleFor(q, "#0.000");
    const NumberStyle percent = StyleFor(q, "#0.00");
    const bool text = q.format == OutputFormat::kText;
    CellTable table;
    table.columns = {{"Nuclide", ""}, {"Half-life", ""}};
    if (!text) {
        table.columns.push_back({"Half-life unit", ""});
    }
    table.columns.insert(table.columns.end(), {{"Positrons", "per 100 decays"},
                                               {"Endpoint", "MeV"},
                                               {"Mean energy", "MeV"},
                                               {"Rmax", "g/cm2"},
                                               {"Rmean", "g/cm2"},
                                               {"Mean csda range", "g/cm2"},
                                               {"Rmax", "mm"},
                                               {"Rmean", "mm"},
                                               {"Mean csda range", "mm"}});
    if (beyond) {
        table.columns.push_back({"Csda range beyond " + beyond->text, "% (upper bound)"});
    }
    if (!text) {
        table.columns.push_back({"From user list", ""});
    }
    bool anyUser = false;
    for (const Row& row : rows) {
        const Nuclide& n = *row.nuclide;
        const EmitterRanges& r = row.ranges;
        anyUser = anyUser || n.fromUser;
        std::vector<TableCell> cells{{n.name + (text && n.fromUser ? " *" : ""), true}};
        if (text) {
            cells.push_back({NumberText(n.halfLife) + " " + n.halfLifeUnit, true});
        } else {
            cells.push_back(DataCell(n.halfLife, q));
            cells.push_back({n.halfLifeUnit, true});
        }
        cells.push_back(DataCell(n.PositronsPer100Decays(), q));
        cells.push_back({NumberString(r.endpointMeV, energy)});
        cells.push_back({NumberString(r.meanEnergyMeV, energy)});
        for (const double g : {r.rMax, r.rMean, r.meanCsdaRange}) {
            cells.push_back({NumberString(g, mass)});
        }
        for (const double g : {r.rMax, r.rMean, r.meanCsdaRange}) {
            cells.push_back({NumberString(RangeInMillimetres(g, m.table.Density), length)});
        }
        if (beyond) {
            cells.push_back({NumberString(*row.beyond * 100.0, percent)});
        }
        if (!text) {
            cells.push_back({n.fromUser ? "true" : "false", q.format == OutputFormat::kCsv});
        }
        table.rows.push_back(std::move(cells));
    }
    std::string out;
    switch (q.format) {
        case OutputFormat::kText:
            out = Title(m.head);
            AppendText(out, table);
            if (beyond) {
                out += "Csda range beyond " + beyond->text + " (" + NumberText(beyond->gPerCm2) +
                       " g/cm2, " + NumberText(beyond->mm) +
                       " mm): the positrons whose csda range exceeds it, an upper bound on\n"
                       "those that get through a layer that thick (the csda range is a path "
                       "length, not a depth).\n";
            }
            if (anyUser) {
                out += "* from your nuclide list " + userFile + "\n";
            }
            break;
        case OutputFormat::kCsv:
            AppendCsv(out, table);
            break;
        default:
            out = JsonHead(m.head, mass);
            if (beyond) {
                out += ",\n  \"beyond\": {\"thickness\": " + JsonString(beyond->text) +
                       ", \"g_cm2\": " + NumberString(beyond->gPerCm2, mass) +
                       ", \"mm\": " + NumberString(beyond->mm, mass) +
                       ", \"note\": \"percent of positrons whose csda range exceeds the "
                       "thickness: an upper bound on those that get through it\"}";
            }
            AppendJsonRows(out, table, "nuclides");
            break;
    }
    return out;
}

std::string SpectrumOutput(const EmittersOptions& o, const QueryMaterial& m, const Nuclide& n) {
    const QueryOptions& q = o.query;
    CellTable table;
    table.columns = {{"Energy", "MeV"},
                     {"Positrons", "per MeV per 100 decays"},
                     {"CSDA range", "g/cm2"},
                     {"CSDA range", "mm"}};
    const NumberStyle energy = StyleFor(q, "#0.000###");
    const NumberStyle numbers = StyleFor(q, "0.000E+00");
    const NumberStyle length = StyleFor(q, "#0.000");
    for (const SpectrumPoint& p : NuclideSpectrum(n, m.table)) {
        table.rows.push_back(
            {{NumberString(p.energyMeV, energy)},
             {NumberString(p.positronsPerMeV, numbers)},
             {NumberString(p.csdaRange, numbers)},
             {NumberString(RangeInMillimetres(p.csdaRange, m.table.Density), length)}});
    }
    std::string out;
    const std::string about = n.name + ": half-life " + NumberText(n.halfLife) + " " +
                              n.halfLifeUnit + ", " + NumberText(n.PositronsPer100Decays()) +
                              " positrons per 100 decays";
    switch (q.format) {
        case OutputFormat::kText:
            out = Title(m.head) + about + (n.fromUser ? " (from your nuclide list)" : "") + "\n";
            AppendText(out, table);
            break;
        case OutputFormat::kCsv:
            AppendCsv(out, table);
            break;
        default:
            out = JsonHead(m.head, numbers) + ",\n  \"nuclide\": " + JsonString(n.name) +
                  ",\n  \"from_user_list\": " + (n.fromUser ? "true" : "false");
            AppendJsonRows(out, table, "spectrum");
            break;
    }
    return out;
}

std::string EmittersOutput(const EmittersOptions& o, const QueryEnvironment& env,
                           std::ostream& err) {
    const NuclideList list = Nuclides(env, err);
    const std::vector<const Nuclide*> chosen = ChosenNuclides(o, list);
    QueryOptions materialOptions = o.query;
    materialOptions.operands.resize(1);
    const QueryMaterial m = FindQueryMaterial(materialOptions, env);
    for (const Nuclide* n : chosen) {
        if (!ComputeEmitterRanges(*n, m.table)) {
            Refuse(kExitMaterialFile, NoRangesMessage(*n, m.table, m.head.material, m.head.file));
        }
    }
    if (o.spectrum) {
        return SpectrumOutput(o, m, *chosen.front());
    }
    std::optional<LayerThickness> beyond;
    if (o.beyond) {
        beyond = Thickness(*o.beyond, m.table.Density);
    }
    std::vector<Row> rows;
    for (const Nuclide* n : chosen) {
        Row row{n, *ComputeEmitterRanges(*n, m.table), std::nullopt};
        if (beyond) {
            row.beyond = ShareBeyond(*n, m.table, beyond->gPerCm2);
        }
        rows.push_back(row);
    }
    const std::string userFile =
        env.userFolder ? UserNuclideFile(*env.userFolder).string() : std::string();
    return RangesOutput(o, m, rows, beyond, userFile);
}

}  // namespace

int RunEmitters(std::span<const std::string> args, std::ostream& out, std::ostream& err,
                const QueryEnvironment& env) {
    return RunReporting(out, err, [&] {
        const EmittersOptions options = ParseEmittersOptions(args);
        std::string text;
        if (options.query.help) {
            text = kHelp;
        } else if (options.query.version) {
            text = std::string("velmora-query ") + kVelmoraVersion + "\n";
        } else {
            text = EmittersOutput(options, env, err);
        }
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    });
}

}  // namespace velmora::query
