// The subcommands of velmora-query: finding the material, checking every value, writing results.
#include "query/query_app.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <memory>

#include "core/energy_query.h"
#include "core/interval_calculation.h"
#include "core/material_catalogue.h"
#include "core/material_reading.h"
#include "core/number_format.h"
#include "core/range_query.h"
#include "core/sequential_reader.h"
#include "query/decimal_energies.h"
#include "query/element_symbols.h"
#include "query/fd_output.h"
#include "query/large_buffer.h"
#include "query/message_text.h"
#include "query/number_list.h"
#include "query/parallel.h"
#include "query/query_error.h"
#include "query/query_options.h"
#include "query/query_output.h"
#include "velmora_version.h"

namespace velmora::query {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMaxListedCandidates = 12;
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

// "p_QRV or p_STC", "p_QRV nor p_STC", ...
std::string FolderNames(Particle particle, const char* conjunction) {
    const MaterialFolderNames names = FolderNamesFor(particle);
    return std::string(names.elements) + conjunction + std::string(names.compounds);
}

fs::path InWorkingFolder(const QueryEnvironment& env, const fs::path& path) {
    return path.is_absolute() || env.workingFolder.empty() ? path : env.workingFolder / path;
}

// The folders whose material files are listed and matched against names.
std::vector<fs::path> DataFolders(const QueryOptions& options, const QueryEnvironment& env) {
    if (options.dataDir) {
        const fs::path folder = InWorkingFolder(env, *options.dataDir);
        if (!HoldsMaterialFolders(folder, options.particle)) {
            Refuse(kExitNoMaterial, "--data-dir: " + QuotedForMessage(*options.dataDir) +
                                        " holds neither " + FolderNames(options.particle, " nor "));
        }
        return {folder};
    }
    const DataFolderCandidates candidates{env.workingFolder, env.userFolder, env.bundledFolders};
    std::vector<fs::path> folders = ChooseDataFolders(candidates, options.particle);
    const bool any = std::any_of(folders.begin(), folders.end(), [&](const fs::path& folder) {
        return HoldsMaterialFolders(folder, options.particle);
    });
    if (!folders.empty() && !any) {
        const fs::path& folder = folders.front();
        Refuse(kExitNoMaterial,
               "no " + std::string(ParticleWord(options.particle)) +
                   " tables beside the positron tables in " +
                   (folder.empty() ? std::string("the working folder") : folder.string()) +
                   ": it holds neither " + FolderNames(options.particle, " nor "));
    }
    if (folders.empty()) {
        std::string message = "no " + std::string(ParticleWord(options.particle)) +
                              " tables found: neither the working folder";
        if (env.userFolder) {
            message += ", " + env.userFolder->string();
        }
        Refuse(kExitNoMaterial, message + " nor the installed tables hold " +
                                    FolderNames(options.particle, " or ") + "; see --data-dir");
    }
    return folders;
}

bool EndsWithIgnoringCase(const std::string& text, std::string_view suffix) {
    if (text.size() < suffix.size()) {
        return false;
    }
    for (std::size_t k = 0; k < suffix.size(); ++k) {
        const char c = text[text.size() - suffix.size() + k];
        if ((c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c) != suffix[k]) {
            return false;
        }
    }
    return true;
}

// Whether an operand looks like a path: it holds a slash or ends in .qrv or .stc.
bool LooksLikePath(const std::string& operand) {
    return operand.find('/') != std::string::npos ||
           EndsWithIgnoringCase(operand, kElementExtension) ||
           EndsWithIgnoringCase(operand, kCompoundExtension);
}

// An operand that looks like a path and names an existing file is that file; anything else is a
// name ("Nylon, type 6/10" holds a slash). A bare word never reads a file of that name, which a
// shell may just have made for the output ("show kapton > kapton").
bool IsFilePath(const std::string& operand, const QueryEnvironment& env) {
    std::error_code error;
    return LooksLikePath(operand) && fs::is_regular_file(InWorkingFolder(env, operand), error);
}

// The particle a table's second line names ("Positrons: collision ...", "Electrons: ..."), when it
// names one.
std::optional<Particle> ParticleOfText(std::string_view text) {
    SequentialReader reader(text);
    reader.ReadLine();
    std::string line = reader.ReadLine().value_or(std::string());
    line.erase(0, line.find_first_not_of(" \t"));
    for (char& c : line) {
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    if (line.starts_with("positron")) {
        return Particle::kPositron;
    }
    if (line.starts_with("electron")) {
        return Particle::kElectron;
    }
    return std::nullopt;
}

// The particle of a table given by path, when its folder tells.
std::optional<Particle> ParticleOfFolder(const fs::path& file) {
    const std::string folder = file.parent_path().filename().string();
    for (const Particle particle : {Particle::kPositron, Particle::kElectron}) {
        const MaterialFolderNames names = FolderNamesFor(particle);
        if (folder == names.elements || folder == names.compounds) {
            return particle;
        }
    }
    return std::nullopt;
}

// The candidates of a failed match for a message: names, or file names where the name is
// missing or shared, at most kMaxListedCandidates of them.
std::string CandidateList(const std::vector<MaterialFile>& files,
                          const std::vector<MaterialNames>& names,
                          const std::vector<std::size_t>& indices) {
    std::map<std::string, int> uses;
    for (const std::size_t k : indices) {
        ++uses[names[k].name];
    }
    std::string list;
    for (std::size_t n = 0; n < indices.size() && n < kMaxListedCandidates; ++n) {
        const std::size_t k = indices[n];
        const std::string& name = names[k].name;
        list += n > 0 ? "; " : "";
        list += name.empty() || uses[name] > 1 ? files[k].path.string() : name;
    }
    if (indices.size() > kMaxListedCandidates) {
        list += "; and " + std::to_string(indices.size() - kMaxListedCandidates) + " more";
    }
    return list;
}

// The element files whose file names begin with the atomic number of the symbol ("082 Lead.qrv"
// for "Pb"); empty when the query is not exactly an element's symbol.
std::vector<std::size_t> ElementsOfSymbol(const std::string& query,
                                          const std::vector<MaterialFile>& files) {
    std::vector<std::size_t> found;
    const int number = AtomicNumberOfSymbol(query);
    for (std::size_t k = 0; number > 0 && k < files.size(); ++k) {
        const std::string& name = files[k].fileName;
        const std::size_t digits = name.find_first_not_of("0123456789");
        if (files[k].kind == MaterialKind::kElement && digits > 0 && digits != std::string::npos &&
            name[digits] == ' ' && std::stoi(name.substr(0, digits)) == number) {
            found.push_back(k);
        }
    }
    return found;
}

std::string FolderText(const fs::path& folder) {
    return folder.empty() ? std::string("the working folder") : folder.string();
}

// " in FOLDER and FOLDER": where the tables searched for a name were.
std::string SearchedFolders(const std::vector<fs::path>& folders) {
    std::string text = " in " + FolderText(folders.front());
    for (std::size_t k = 1; k < folders.size(); ++k) {
        text += " and " + FolderText(folders[k]);
    }
    return text;
}

// A folder that holds tables of the particle but was left out because the searched ones come
// first (the working folder's own tables hide the user's and the installed ones), and how to
// reach it; empty when there is none.
std::string HiddenFolderHint(const std::vector<fs::path>& folders, const QueryOptions& options,
                             const QueryEnvironment& env) {
    if (options.dataDir) {
        return {};
    }
    std::vector<fs::path> others;
    if (env.userFolder) {
        others.push_back(*env.userFolder);
    }
    others.insert(others.end(), env.bundledFolders.begin(), env.bundledFolders.end());
    for (const fs::path& other : others) {
        const bool searched = std::any_of(folders.begin(), folders.end(), [&](const fs::path& f) {
            return InWorkingFolder(env, f).lexically_normal() == other.lexically_normal();
        });
        if (!searched && HoldsMaterialFolders(other, options.particle)) {
            return "; these hide the tables in " + other.string() + ": --data-dir " +
                   other.string() + " searches there";
        }
    }
    return {};
}

fs::path FindByName(const std::string& query, const QueryOptions& options,
                    const QueryEnvironment& env) {
    const std::vector<fs::path> folders = DataFolders(options, env);
    const std::vector<MaterialFile> files = ListMaterialFiles(folders, options.particle);
    std::vector<MaterialNames> names;
    names.reserve(files.size());
    for (const MaterialFile& file : files) {
        names.push_back({ReadMaterialName(file.path).value_or(std::string()), file.fileName});
    }
    MaterialMatch match;
    match.indices = ElementsOfSymbol(query, files);
    if (!match.indices.empty()) {
        match.outcome = match.indices.size() == 1 ? MaterialMatch::Outcome::kFound
                                                  : MaterialMatch::Outcome::kAmbiguous;
    } else {
        match = MatchMaterialName(query, names);
    }
    const std::string quoted = QuotedForMessage(query);
    const std::string tables = std::string(ParticleWord(options.particle)) + " tables";
    switch (match.outcome) {
        case MaterialMatch::Outcome::kFound:
            return files[match.indices.front()].path;
        case MaterialMatch::Outcome::kAmbiguous:
            Refuse(kExitNoMaterial, quoted + " matches " + std::to_string(match.indices.size()) +
                                        " " + tables + ": " +
                                        CandidateList(files, names, match.indices));
        case MaterialMatch::Outcome::kUnknown:
            break;
    }
    std::string message =
        "no material " + quoted + " among the " + tables + SearchedFolders(folders);
    if (!match.indices.empty()) {
        message += "; close names: " + CandidateList(files, names, match.indices);
    } else {
        message += "; velmora-query materials lists them";
    }
    if (LooksLikePath(query)) {
        message += "; no file " + quoted + " either";
    }
    Refuse(kExitNoMaterial, message + HiddenFolderHint(folders, options, env));
}

// The reader's refusal with a field it quotes ("\"1,5\" is not a number where ...") cut to a
// readable length.
std::string MaterialFileMessage(MaterialFileError error) {
    const std::size_t end = error.what.rfind("\" is ");
    if (error.what.starts_with('"') && end != std::string::npos && end > 0) {
        error.what = QuotedForMessage(std::string_view(error.what).substr(1, end - 1)) +
                     error.what.substr(end + 1);
    }
    return error.Message();
}

// The particle of a table: as its second line names it, else as its folder does, else the one
// asked for. One asked for with --particle that the file contradicts is refused.
Particle ParticleOfTable(const fs::path& path, const std::string& shown,
                         const QueryOptions& options) {
    const MaterialText text = ReadMaterialText(path);
    std::optional<Particle> particle = text.text ? ParticleOfText(*text.text) : std::nullopt;
    if (!particle) {
        particle = ParticleOfFolder(path);
    }
    if (options.particleGiven && particle && *particle != options.particle) {
        const auto named = [](Particle p) {
            return p == Particle::kElectron ? "an electron table" : "a positron table";
        };
        Refuse(kExitUsage, PrintableText(shown) + " is " + named(*particle) + ", not " +
                               named(options.particle) + " as --particle asks");
    }
    return particle.value_or(options.particle);
}

Material LoadMaterial(const QueryOptions& options, const QueryEnvironment& env) {
    const std::string& operand = options.operands.front();
    Material material;
    fs::path path;
    if (IsFilePath(operand, env)) {
        path = InWorkingFolder(env, operand);
        material.file = operand;
    } else {
        path = FindByName(operand, options, env);
        material.file = path.string();
    }
    ParseResult<MaterialTable> loaded = LoadMaterialTable(path);
    if (!loaded) {
        Refuse(kExitMaterialFile, MaterialFileMessage(loaded.error));
    }
    material.table = std::move(*loaded.value);
    material.particle = ParticleOfTable(path, material.file, options);
    return material;
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

int RunQuery(std::span<const std::string> args, std::istream& in, std::ostream& out,
             std::ostream& err, const QueryEnvironment& environment) {
    try {
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

}  // namespace velmora::query
