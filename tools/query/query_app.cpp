// The subcommands of velmora-query: finding the material, checking every value, writing results.
#include "query/query_app.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <memory>

#include "core/energy_query.h"
#include "core/interval_calculation.h"
#include "core/material_catalogue.h"
#include "core/material_lookup.h"
#include "core/material_reading.h"
#include "core/number_format.h"
#include "core/range_query.h"
#include "core/sequential_reader.h"
#include "query/decimal_energies.h"
#include "query/emitters_command.h"
#include "query/fd_output.h"
#include "query/large_buffer.h"
#include "query/message_text.h"
#include "query/number_list.h"
#include "query/parallel.h"
#include "query/query_error.h"
#include "query/query_material.h"
#include "query/query_options.h"
#include "query/query_output.h"
#include "velmora_version.h"

namespace velmora::query {
namespace {

namespace fs = std::filesystem;

constexpr const char* kMassStopping = "MeV cm2/g";
constexpr const char* kLinearStopping = "MeV/cm";

struct Material {
    MaterialTable table;
    std::string file;  // as shown: relative to the working folder, or as given
    Particle particle = Particle::kPositron;
};

[[noreturn]] void Refuse(int status, const std::string& message) {
    throw QueryError(status, message);
}

// The look-up's request and places as velmora-query gives them to the core.
MaterialRequest RequestOf(const QueryOptions& options) {
    return {options.particle, options.particleGiven, options.dataDir};
}

DataFolderCandidates PlacesOf(const QueryEnvironment& env) {
    return {env.workingFolder, env.userFolder, env.bundledFolders};
}

// The value found, or the refusal with its exit status.
template <typename T>
T Found(LookupResult<T> result) {
    switch (result.refusal) {
        case LookupRefusal::kNone:
            return std::move(*result.value);
        case LookupRefusal::kWrongParticle:
            Refuse(kExitUsage, result.message);
        case LookupRefusal::kNoMaterial:
            Refuse(kExitNoMaterial, result.message);
        case LookupRefusal::kMaterialFile:
            break;
    }
    Refuse(kExitMaterialFile, result.message);
}

// The folders whose material files are listed and matched against names.
std::vector<fs::path> DataFolders(const QueryOptions& options, const QueryEnvironment& env) {
    return Found(FindDataFolders(RequestOf(options), PlacesOf(env)));
}

// The material the first operand names; a table of unknown particle is taken as the one asked for.
Material LoadMaterial(const QueryOptions& options, const QueryEnvironment& env) {
    FoundMaterial found =
        Found(FindMaterial(options.operands.front(), RequestOf(options), PlacesOf(env)));
    return {std::move(found.table), std::move(found.file),
            found.particle.value_or(options.particle)};
}

TableHead HeadOf(const Material& material) {
    return {material.table.MaterialName, material.file, material.particle, material.table.Density,
            material.table.MeanExcitationEnergy};
}

NumberStyle StyleFor(const QueryOptions& options, const char* textPattern) {
    if (options.digits) {
        return {NumberStyle::Kind::kPattern, ScientificPattern(*options.digits)};
    }
    if (options.format == OutputFormat::kText) {
        return {NumberStyle::Kind::kPattern, textPattern};
    }
    return {NumberStyle::Kind::kShortest, {}};
}

// The four quantities as written: per unit mass, or per unit length with the density.
std::vector<Column> QuantityColumns(bool linear) {
    const std::string stopping = linear ? kLinearStopping : kMassStopping;
    return {{"Energy", "MeV"},
            {"Collision", stopping},
            {"Radiative", stopping},
            {"Total", stopping},
            {"CSDA range", linear ? "cm" : "g/cm2"}};
}

std::array<double, 5> QuantityRow(const QuantitiesAtEnergy& q, bool linear, double density) {
    if (!linear) {
        return {q.energyMeV, q.collision, q.radiative, q.total, q.csdaRange};
    }
    return {q.energyMeV, q.collision * density, q.radiative * density, q.total * density,
            q.csdaRange / density};
}

using LargeText = std::basic_string<char, std::char_traits<char>, LargeBufferAllocator<char>>;
template <typename T>
using LargeVector = std::vector<T, LargeBufferAllocator<T>>;

LargeText ReadAll(std::istream& in) {
    LargeText text;
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        Refuse(kExitIoFailure, "standard input cannot be read");
    }
    return text;
}

// The energies or ranges of a subcommand: the operands after the material, or, when there are
// none, every item of standard input. Read up to the first item that is not a number.
class ValueSource {
  public:
    ValueSource(const QueryOptions& options, std::istream& in)
        : operands_(options.operands), fromInput_(options.operands.size() == 1) {
        const auto take = [this](std::string_view text) {
            if (!IsNumberText(text)) {
                nonNumber_ = numbers_.size();
                return false;
            }
            numbers_.push_back(NumberValue(text));
            return true;
        };
        if (!fromInput_) {
            numbers_.reserve(operands_.size() - 1);
            for (std::size_t k = 1; k < operands_.size() && take(operands_[k]); ++k) {
            }
            return;
        }
        input_ = ReadAll(in);
        std::size_t items = 0;
        ForEachItem(input_, [&items](std::string_view, int) { return ++items > 0; });
        numbers_.reserve(items);
        ForEachItem(input_, [&take](std::string_view text, int) { return take(text); });
    }

    const LargeVector<double>& Numbers() const { return numbers_; }
    std::optional<std::size_t> NonNumber() const { return nonNumber_; }

    // Item k as typed and where it stands, for messages.
    std::pair<std::string, std::string> Item(std::size_t k) const {
        if (!fromInput_) {
            return {operands_[k + 1], "argument " + std::to_string(k + 2)};
        }
        std::pair<std::string, std::string> item;
        std::size_t seen = 0;
        ForEachItem(input_, [&](std::string_view text, int line) {
            if (seen++ < k) {
                return true;
            }
            item = {std::string(text), "line " + std::to_string(line) + " of standard input"};
            return false;
        });
        return item;
    }

  private:
    const std::vector<std::string>& operands_;
    bool fromInput_;
    LargeText input_;
    LargeVector<double> numbers_;
    std::optional<std::size_t> nonNumber_;
};

// Computes result k from number k on the machine's cores; compute(value, result) returns false
// for a value it does not accept. Refuses, in this order: the first value not accepted, by
// refusal(text, origin), which throws; an item that is not a number; no value at all.
template <typename Result, typename Compute, typename Refusal>
LargeVector<Result> ComputeAll(const ValueSource& source, const char* what, Compute&& compute,
                               Refusal&& refusal) {
    const LargeVector<double>& numbers = source.Numbers();
    LargeVector<Result> results(numbers.size());
    std::vector<std::size_t> firstRefused(PartCount(numbers.size()), numbers.size());
    InParallel(numbers.size(), [&](std::size_t begin, std::size_t end, std::size_t part) {
        for (std::size_t k = begin; k < end; ++k) {
            if (!compute(numbers[k], results[k])) {
                firstRefused[part] = k;
                return;
            }
        }
    });
    const std::size_t refused = *std::min_element(firstRefused.begin(), firstRefused.end());
    if (refused < numbers.size()) {
        const auto [text, origin] = source.Item(refused);
        refusal(text, origin);
    }
    if (source.NonNumber()) {
        const auto [text, origin] = source.Item(*source.NonNumber());
        Refuse(kExitRefusedValue, QuotedForMessage(text) + " (" + origin + ") is not a number");
    }
    if (numbers.empty()) {
        Refuse(kExitUsage, std::string("no ") + what + " given, neither as operands nor on " +
                               "standard input");
    }
    return results;
}

void RunAt(const QueryOptions& options, std::istream& in, std::ostream& out,
           const QueryEnvironment& env) {
    const Material material = LoadMaterial(options, env);
    const MaterialTable& table = material.table;
    const ValueSource source(options, in);
    const auto results = ComputeAll<QuantitiesAtEnergy>(
        source, "energy",
        [&table](double energy, QuantitiesAtEnergy& result) {
            const std::optional<QuantitiesAtEnergy> q = InterpolateAtEnergy(table, energy);
            if (!q || !(std::isfinite(q->collision) && std::isfinite(q->radiative) &&
                        std::isfinite(q->total) && std::isfinite(q->csdaRange))) {
                return false;
            }
            result = *q;
            return true;
        },
        [&table](const std::string& text, const std::string& origin) {
            const double highest = std::min(kHighestQueryEnergyMeV, table.EnergyMeV[kLastRow]);
            Refuse(kExitRefusedValue, "energy " + EchoedText(text) + " MeV (" + origin +
                                          ") is outside the range of " + table.MaterialName + ": " +
                                          NumberText(kLowestQueryEnergyMeV) + " MeV to " +
                                          NumberText(highest) + " MeV");
        });
    TableWriter writer(out, options.format, StyleFor(options, "0.000E+00"),
                       QuantityColumns(options.linear));
    writer.Begin(HeadOf(material));
    writer.Rows(results.size(), [&](std::size_t k) {
        return QuantityRow(results[k], options.linear, table.Density);
    });
    writer.End();
}

void RunShow(const QueryOptions& options, std::ostream& out, const QueryEnvironment& env) {
    const Material material = LoadMaterial(options, env);
    TableWriter writer(out, options.format, StyleFor(options, "0.000E+00"),
                       QuantityColumns(options.linear));
    TableHead head = HeadOf(material);
    head.showHeadValues = true;
    writer.Begin(head);
    writer.Rows(kLastRow, [&](std::size_t k) {
        return QuantityRow(TabulatedRow(material.table, static_cast<int>(k) + kFirstRow),
                           options.linear, material.table.Density);
    });
    writer.End();
}

void RunEnergyForRange(const QueryOptions& options, std::istream& in, std::ostream& out,
                       const QueryEnvironment& env) {
    const Material material = LoadMaterial(options, env);
    const MaterialTable& table = material.table;
    if (!CsdaRangeRises(table)) {
        Refuse(kExitMaterialFile, "\"" + material.file +
                                      "\": the csda ranges do not rise from row to row, so a "
                                      "range does not tell one energy");
    }
    const double scale = options.linear ? table.Density : 1.0;  // cm to g/cm2
    const std::string unit = options.linear ? "cm" : "g/cm2";
    const ValueSource source(options, in);
    const LargeVector<double>& ranges = source.Numbers();
    const auto energies = ComputeAll<double>(
        source, "range",
        [&table, scale](double range, double& energy) {
            const std::optional<double> found = EnergyForCsdaRange(table, range * scale);
            energy = found.value_or(0.0);
            return found.has_value();
        },
        [&](const std::string& text, const std::string& origin) {
            Refuse(kExitRefusedValue,
                   "range " + EchoedText(text) + " " + unit + " (" + origin +
                       ") is outside the csda ranges of " + table.MaterialName + ": " +
                       NumberText(table.CsdaRange[kFirstRow] / scale) + " " + unit + " to " +
                       NumberText(table.CsdaRange[kLastRow] / scale) + " " + unit);
        });
    TableWriter writer(out, options.format, StyleFor(options, "0.000E+00"),
                       {{"CSDA range", unit}, {"Energy", "MeV"}});
    writer.Begin(HeadOf(material));
    writer.Rows(energies.size(), [&](std::size_t k) {
        return std::array<double, 2>{ranges[k], energies[k]};
    });
    writer.End();
}

void CheckIntervalNumber(const char* option, const std::string& text) {
    if (!IsNumberText(text)) {
        Refuse(kExitRefusedValue,
               std::string(option) + ": " + QuotedForMessage(text) + " is not a number");
    }
}

// The table window's rows, or its refusal; a table it would cut at 5000 intervals and one
// without rows are refused too, since here nothing would show the cut or the empty list.
IntervalCandidate WindowRows(const Material& material, const QueryOptions& options) {
    const std::string from = EchoedText(*options.from), to = EchoedText(*options.to),
                      step = EchoedText(*options.step);
    IntervalCandidate candidate =
        ComputeIntervalTable(material.table, *options.from, *options.to, *options.step);
    if (!candidate.refusal.empty()) {
        Refuse(kExitRefusedValue, candidate.refusal);
    }
    const IntervalPlan& plan = candidate.plan;
    if (plan.capped) {
        Refuse(kExitRefusedValue, "from " + from + " to " + to + " MeV by " + step +
                                      " MeV the table would have more than 5000 intervals "
                                      "(the table window stops at " +
                                      plan.cappedEndText + " MeV): use --to " + plan.cappedEndText +
                                      " or a larger --step");
    }
    if (plan.lastRow < 0) {
        Refuse(kExitRefusedValue, "going from " + from + " MeV by " + step + " MeV never reaches " +
                                      to + " MeV: the table would have no rows");
    }
    return candidate;
}

// Each row as `at` gives it at the row's energy, the energies as exact decimals where the boxes
// allow; a row outside the energies `at` accepts is refused, naming the first.
LargeVector<QuantitiesAtEnergy> QueryRows(const Material& material, const QueryOptions& options,
                                          const IntervalPlan& plan) {
    std::vector<double> energies = DecimalRowEnergies(*options.from, *options.step, plan.lastRow)
                                       .value_or(std::vector<double>());
    for (int row = static_cast<int>(energies.size()); row <= plan.lastRow; ++row) {
        energies.push_back(RowEnergyMeV(plan, row));
    }
    const MaterialTable& table = material.table;
    LargeVector<QuantitiesAtEnergy> rows(energies.size());
    for (std::size_t row = 0; row < energies.size(); ++row) {
        const std::optional<QuantitiesAtEnergy> q = InterpolateAtEnergy(table, energies[row]);
        if (!q || !std::isfinite(q->collision) || !std::isfinite(q->radiative)) {
            const double highest = std::min(kHighestQueryEnergyMeV, table.EnergyMeV[kLastRow]);
            const bool below = energies[row] < kLowestQueryEnergyMeV;
            Refuse(kExitRefusedValue,
                   "energy " + NumberString(energies[row], {}) + " MeV (row " +
                       std::to_string(row + 1) + " of the table) is outside the range of " +
                       table.MaterialName + ": " + NumberText(kLowestQueryEnergyMeV) + " MeV to " +
                       NumberText(highest) + " MeV" +
                       (below ? "; --format window-csv extrapolates below it as the window does"
                              : ""));
        }
        rows[row] = *q;
    }
    return rows;
}

void RunInterval(const QueryOptions& options, std::ostream& out, const QueryEnvironment& env) {
    CheckIntervalNumber("--from", *options.from);
    CheckIntervalNumber("--to", *options.to);
    CheckIntervalNumber("--step", *options.step);
    const Material material = LoadMaterial(options, env);
    const IntervalCandidate candidate = WindowRows(material, options);
    if (options.format == OutputFormat::kWindowCsv) {
        const auto table = std::make_unique<IntervalTable>();
        CommitIntervalRows(candidate, *table);
        const std::string text = IntervalCsvText(candidate.plan, *table);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        return;
    }
    const auto rows = QueryRows(material, options, candidate.plan);
    const double scale = options.linear ? material.table.Density : 1.0;
    const std::string stopping = options.linear ? kLinearStopping : kMassStopping;
    TableWriter writer(out, options.format, StyleFor(options, "0.0000E+00"),
                       {{"Energy", "MeV"}, {"Collision", stopping}, {"Radiative", stopping}});
    writer.Begin(HeadOf(material));
    writer.Rows(rows.size(), [&](std::size_t row) {
        const QuantitiesAtEnergy& q = rows[row];
        return std::array<double, 3>{q.energyMeV, q.collision * scale, q.radiative * scale};
    });
    writer.End();
}

struct ListedMaterial {
    const MaterialFile* file;
    MaterialHead head;
};

std::size_t DisplayWidth(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

void AppendLeft(std::string& out, std::string_view text, std::size_t width) {
    out += text;
    out.append(width - std::min(width, DisplayWidth(text)), ' ');
}

void WriteMaterialsText(const std::vector<ListedMaterial>& listed, const NumberStyle& style,
                        std::string& text) {
    std::vector<std::array<std::string, 4>> cells = {{"File", "Name", "Density", "I"},
                                                     {"", "", "g/cm3", "eV"}};
    for (const ListedMaterial& m : listed) {
        std::string density, excitation;
        AppendNumber(density, m.head.density, style);
        AppendNumber(excitation, m.head.meanExcitationEnergy, style);
        cells.push_back({m.file->path.string(), m.head.name, density, excitation});
    }
    std::array<std::size_t, 4> widths{};
    for (const auto& row : cells) {
        for (std::size_t k = 0; k < 4; ++k) {
            widths[k] = std::max(widths[k], DisplayWidth(row[k]));
        }
    }
    for (const auto& row : cells) {
        AppendLeft(text, row[0], widths[0] + 2);
        AppendLeft(text, row[1], widths[1]);
        for (std::size_t k = 2; k < 4; ++k) {
            text.append(widths[k] + 2 - DisplayWidth(row[k]), ' ');
            text += row[k];
        }
        text += '\n';
    }
}

void RunMaterials(const QueryOptions& options, std::ostream& out, const QueryEnvironment& env) {
    const std::vector<fs::path> folders = DataFolders(options, env);
    const std::vector<MaterialFile> files = ListMaterialFiles(folders, options.particle);
    const bool all = options.elements == options.compounds;
    std::vector<ListedMaterial> listed;
    for (const MaterialFile& file : files) {
        if (!all && (file.kind == MaterialKind::kElement) != options.elements) {
            continue;
        }
        ParseResult<MaterialHead> head = ReadMaterialHead(file.path);
        if (!head) {
            Refuse(kExitMaterialFile, MaterialFileMessage(head.error));
        }
        listed.push_back({&file, std::move(*head.value)});
    }
    NumberStyle style = StyleFor(options, "");
    if (options.format == OutputFormat::kText && !options.digits) {
        style = {NumberStyle::Kind::kPlain, {}};
    }
    std::string text;
    switch (options.format) {
        case OutputFormat::kText:
            WriteMaterialsText(listed, style, text);
            break;
        case OutputFormat::kCsv:
            text = "File,Name,Kind,Density (g/cm3),Mean excitation energy (eV)\n";
            for (const ListedMaterial& m : listed) {
                text += CsvField(m.file->path.string()) + "," + CsvField(m.head.name) + "," +
                        (m.file->kind == MaterialKind::kElement ? "element," : "compound,");
                AppendNumber(text, m.head.density, style);
                text += ',';
                AppendNumber(text, m.head.meanExcitationEnergy, style);
                text += '\n';
            }
            break;
        default:
            text = "{\n  \"particle\": \"" + std::string(ParticleWord(options.particle)) +
                   "\",\n  \"materials\": [";
            for (std::size_t k = 0; k < listed.size(); ++k) {
                const ListedMaterial& m = listed[k];
                text += std::string(k > 0 ? "," : "") +
                        "\n    {\"file\": " + JsonString(m.file->path.string()) +
                        ", \"name\": " + JsonString(m.head.name) + ", \"kind\": \"" +
                        (m.file->kind == MaterialKind::kElement ? "element" : "compound") +
                        "\", \"density\": ";
                AppendNumber(text, m.head.density, style);
                text += ", \"mean_excitation_energy\": ";
                AppendNumber(text, m.head.meanExcitationEnergy, style);
                text += "}";
            }
            text += listed.empty() ? "]\n}\n" : "\n  ]\n}\n";
            break;
    }
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

}  // namespace

QueryMaterial FindQueryMaterial(const QueryOptions& options, const QueryEnvironment& env) {
    Material material = LoadMaterial(options, env);
    return {HeadOf(material), std::move(material.table)};
}

int RunReporting(std::ostream& out, std::ostream& err, const std::function<void()>& work) {
    try {
        work();
        if (!out.flush()) {
            err << "velmora-query: the output cannot be written" << WriteFailureReason(out) << "\n";
            return kExitIoFailure;
        }
        return kExitSuccess;
    } catch (const QueryError& e) {
        err << "velmora-query: " << PrintableText(e.what()) << "\n";
        return e.Status();
    } catch (const std::exception& e) {
        err << "velmora-query: unexpected error: " << PrintableText(e.what()) << "\n";
        return kExitIoFailure;
    }
}

int RunQuery(std::span<const std::string> args, std::istream& in, std::ostream& out,
             std::ostream& err, const QueryEnvironment& environment) {
    if (!args.empty() && args.front() == "emitters") {
        return RunEmitters(args.subspan(1), out, err, environment);
    }
    return RunReporting(out, err, [&] {
        const QueryOptions options = ParseQueryOptions(args);
        if (options.help) {
            out << HelpText(options.command);
        } else if (options.version) {
            out << "velmora-query " << kVelmoraVersion << "\n";
        } else {
            switch (options.command) {
                case Command::kMaterials:
                    RunMaterials(options, out, environment);
                    break;
                case Command::kShow:
                    RunShow(options, out, environment);
                    break;
                case Command::kAt:
                    RunAt(options, in, out, environment);
                    break;
                case Command::kEnergyForRange:
                    RunEnergyForRange(options, in, out, environment);
                    break;
                case Command::kInterval:
                    RunInterval(options, out, environment);
                    break;
                case Command::kNone:
                    break;
            }
        }
    });
}

}  // namespace velmora::query
