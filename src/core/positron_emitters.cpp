// Reading nuclide lists, merging the user's with the bundled one, and matching nuclide names.
#include "core/positron_emitters.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <system_error>

#include "core/element_symbols.h"
#include "core/number_format.h"

namespace velmora {

// The compiled-in copy of data/emitters/positron_emitters.csv (generated at build time).
std::string_view BundledNuclideListText();

namespace {

constexpr int kFields = 8;
constexpr double kHighestEndpointMeV = 100.0;
constexpr std::uintmax_t kMaxListBytes = 1024 * 1024;
// Intensities are rounded in the evaluations; a nuclide's sum may exceed 100 by that much.
constexpr double kIntensityRounding = 0.05;

constexpr int kHighestZ = 118;

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(Trimmed(line.substr(start, comma - start)));
        if (comma == std::string_view::npos) {
            return fields;
        }
        start = comma + 1;
    }
}

// Symbol and mass number of a name in any of the accepted spellings.
struct NameParts {
    std::string symbol;  // as written
    int massNumber = 0;
};

std::optional<NameParts> SplitName(std::string_view name) {
    name = Trimmed(name);
    std::string letters, digits;
    bool lettersFirst = !name.empty() && IsLetter(name.front());
    for (const char c : name) {
        if (IsLetter(c)) {
            if (!lettersFirst && digits.empty()) {
                return std::nullopt;
            }
            if (lettersFirst && !digits.empty()) {
                return std::nullopt;  // "F18x"
            }
            letters += c;
        } else if (IsDigit(c)) {
            if (!lettersFirst && !letters.empty()) {
                return std::nullopt;  // "18F1"
            }
            digits += c;
        } else if (c != '-' && c != ' ') {
            return std::nullopt;
        }
    }
    if (letters.empty() || letters.size() > 2 || digits.empty() || digits.size() > 3) {
        return std::nullopt;
    }
    return NameParts{letters, std::stoi(digits)};
}

int AtomicNumberOf(std::string_view symbol) {
    return AtomicNumberOfSymbol(symbol);
}

struct LineFault {
    std::string what;
};

double NumberField(std::string_view field, const char* name) {
    if (!IsDecimalNumber(field)) {
        throw LineFault{std::string(name) + " \"" + std::string(field) + "\" is not a number"};
    }
    const double value = ReadNumber(field);
    if (!std::isfinite(value)) {
        throw LineFault{std::string(name) + " \"" + std::string(field) + "\" is out of range"};
    }
    return value;
}

int WholeField(std::string_view field, const char* name) {
    const double value = NumberField(field, name);
    if (value != std::floor(value) || value < 0 || value > 1000) {
        throw LineFault{std::string(name) + " \"" + std::string(field) +
                        "\" is not a whole number up to 1000"};
    }
    return static_cast<int>(value);
}

std::string Text(double value) {
    return NumberText(value);
}

// One branch line read into a nuclide of one branch; throws LineFault.
Nuclide ParseBranchLine(const std::vector<std::string_view>& f) {
    if (f.size() != kFields) {
        throw LineFault{"the line has " + std::to_string(f.size()) + " fields instead of " +
                        std::to_string(kFields)};
    }
    Nuclide n;
    n.name = std::string(f[0]);
    n.daughterZ = WholeField(f[1], "daughter_Z");
    n.massNumber = WholeField(f[2], "A");
    n.halfLife = NumberField(f[3], "half_life");
    n.halfLifeUnit = std::string(f[4]);
    BetaPlusBranch b;
    b.endpointMeV = NumberField(f[5], "endpoint_keV") / 1000.0;
    b.meanMeV = NumberField(f[6], "mean_keV") / 1000.0;
    b.intensityPercent = NumberField(f[7], "intensity_percent");
    const std::optional<NameParts> parts = SplitName(n.name);
    if (!parts || AtomicNumberOf(parts->symbol) == 0) {
        throw LineFault{"\"" + n.name + "\" is not an element symbol with a mass number (F-18)"};
    }
    if (n.daughterZ < 1 || n.daughterZ > kHighestZ - 1) {
        throw LineFault{"daughter_Z " + std::to_string(n.daughterZ) + " is not from 1 to 117"};
    }
    if (AtomicNumberOf(parts->symbol) != n.daughterZ + 1) {
        throw LineFault{"the daughter of " + n.name + " by beta+ decay has Z = " +
                        std::to_string(AtomicNumberOf(parts->symbol) - 1) + ", not " +
                        std::to_string(n.daughterZ)};
    }
    if (parts->massNumber != n.massNumber || n.massNumber < n.daughterZ + 1) {
        throw LineFault{"A " + std::to_string(n.massNumber) + " does not fit " + n.name};
    }
    if (!(n.halfLife > 0.0)) {
        throw LineFault{"the half-life " + Text(n.halfLife) + " is not positive"};
    }
    static constexpr std::string_view kUnits[] = {"s", "min", "h", "d", "y"};
    if (std::find(std::begin(kUnits), std::end(kUnits), n.halfLifeUnit) == std::end(kUnits)) {
        throw LineFault{"the half-life unit \"" + n.halfLifeUnit + "\" is not s, min, h, d or y"};
    }
    if (!(b.endpointMeV > 0.0 && b.endpointMeV <= kHighestEndpointMeV)) {
        throw LineFault{"the endpoint " + Text(b.endpointMeV * 1000.0) +
                        " keV is not above 0 and up to 100000 keV"};
    }
    if (!(b.meanMeV > 0.0 && b.meanMeV < b.endpointMeV)) {
        throw LineFault{"the mean energy " + Text(b.meanMeV * 1000.0) +
                        " keV is not above 0 and below the endpoint"};
    }
    if (!(b.intensityPercent > 0.0 && b.intensityPercent <= 100.0)) {
        throw LineFault{"the intensity " + Text(b.intensityPercent) +
                        " is not above 0 and up to 100 per 100 decays"};
    }
    n.branches.push_back(b);
    return n;
}

// Adds a branch line to its nuclide, or starts the nuclide; throws LineFault.
void AddBranch(std::vector<Nuclide>& nuclides, Nuclide line) {
    const auto same = [&](const Nuclide& n) { return NuclideKey(n.name) == NuclideKey(line.name); };
    const auto found = std::find_if(nuclides.begin(), nuclides.end(), same);
    if (found == nuclides.end()) {
        nuclides.push_back(std::move(line));
        return;
    }
    if (found->name != line.name || found->daughterZ != line.daughterZ ||
        found->massNumber != line.massNumber || found->halfLife != line.halfLife ||
        found->halfLifeUnit != line.halfLifeUnit) {
        throw LineFault{"this branch of " + found->name +
                        " differs from its first line in name, daughter_Z, A or half-life"};
    }
    found->branches.push_back(line.branches.front());
    if (found->PositronsPer100Decays() > 100.0 + kIntensityRounding) {
        throw LineFault{found->name + " would emit " + Text(found->PositronsPer100Decays()) +
                        " positrons per 100 decays, more than 100"};
    }
}

}  // namespace

double Nuclide::PositronsPer100Decays() const {
    double sum = 0.0;
    for (const BetaPlusBranch& b : branches) {
        sum += b.intensityPercent;
    }
    return sum;
}

double Nuclide::HighestEndpointMeV() const {
    double highest = 0.0;
    for (const BetaPlusBranch& b : branches) {
        highest = std::max(highest, b.endpointMeV);
    }
    return highest;
}

double Nuclide::MeanEnergyMeV() const {
    double weighted = 0.0;
    for (const BetaPlusBranch& b : branches) {
        weighted += b.meanMeV * b.intensityPercent;
    }
    return weighted / PositronsPer100Decays();
}

std::string NuclideListError::Message() const {
    std::string text = "The nuclide list " + fileName;
    if (line > 0) {
        text += ", line " + std::to_string(line) + ",";
    }
    return text + " was not read: " + what + ".";
}

NuclideList ParseNuclideList(std::string_view text, std::string_view fileName) {
    NuclideList list;
    bool headerSeen = false;
    int lineNumber = 0;
    while (!text.empty() || lineNumber == 0) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        const std::string_view raw = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        std::string_view line = Trimmed(raw);
        if (lineNumber == 1 && line.starts_with("\xEF\xBB\xBF")) {
            line.remove_prefix(3);  // a byte-order mark from a spreadsheet
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        try {
            if (!headerSeen) {
                if (line != kNuclideListHeader) {
                    throw LineFault{"the first line is not the header " +
                                    std::string(kNuclideListHeader)};
                }
                headerSeen = true;
                continue;
            }
            AddBranch(list.nuclides, ParseBranchLine(SplitFields(line)));
        } catch (const LineFault& fault) {
            return {{}, NuclideListError{std::string(fileName), lineNumber, fault.what}};
        }
    }
    if (!headerSeen) {
        return {{}, NuclideListError{std::string(fileName), 0, "it holds no header line"}};
    }
    return list;
}

const std::vector<Nuclide>& BundledNuclides() {
    static const std::vector<Nuclide> nuclides = [] {
        NuclideList list = ParseNuclideList(BundledNuclideListText(), "positron_emitters.csv");
        return list.nuclides;  // the bundled file is checked by a test
    }();
    return nuclides;
}

std::filesystem::path UserNuclideFile(const std::filesystem::path& dataFolder) {
    return dataFolder / "emitters" / "positron_emitters.csv";
}

NuclideList NuclidesWithUserFile(const std::filesystem::path& userFile) {
    NuclideList merged{BundledNuclides(), std::nullopt};
    std::error_code error;
    if (!std::filesystem::exists(userFile, error)) {
        return merged;
    }
    const std::string name = userFile.string();
    const std::uintmax_t size = std::filesystem::file_size(userFile, error);
    if (error || size > kMaxListBytes) {
        merged.error =
            NuclideListError{name, 0, error ? "it cannot be read" : "it is larger than 1 MB"};
        return merged;
    }
    std::ifstream in(userFile, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (!in) {
        merged.error = NuclideListError{name, 0, "it cannot be read"};
        return merged;
    }
    NuclideList user = ParseNuclideList(bytes.str(), name);
    if (user.error) {
        merged.error = user.error;
        return merged;
    }
    for (Nuclide& nuclide : user.nuclides) {
        nuclide.fromUser = true;
        const auto same = [&](const Nuclide& n) {
            return NuclideKey(n.name) == NuclideKey(nuclide.name);
        };
        const auto found = std::find_if(merged.nuclides.begin(), merged.nuclides.end(), same);
        if (found != merged.nuclides.end()) {
            *found = std::move(nuclide);
        } else {
            merged.nuclides.push_back(std::move(nuclide));
        }
    }
    return merged;
}

std::optional<std::string> NuclideKey(std::string_view name) {
    const std::optional<NameParts> parts = SplitName(name);
    if (!parts) {
        return std::nullopt;
    }
    std::string key;
    for (const char c : parts->symbol) {
        key += Lower(c);
    }
    return key + std::to_string(parts->massNumber);
}

const Nuclide* FindNuclide(const std::vector<Nuclide>& nuclides, std::string_view name) {
    const std::optional<std::string> key = NuclideKey(name);
    if (!key) {
        return nullptr;
    }
    for (const Nuclide& nuclide : nuclides) {
        if (NuclideKey(nuclide.name) == key) {
            return &nuclide;
        }
    }
    return nullptr;
}

}  // namespace velmora
