// Positron emitters: their beta+ branches, the bundled list and lists of the user's own, and
// nuclide names as people write them.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

struct BetaPlusBranch {
    double endpointMeV = 0.0;       // highest kinetic energy of the branch's positrons
    double meanMeV = 0.0;           // evaluated mean kinetic energy
    double intensityPercent = 0.0;  // positrons of the branch per 100 decays
};

struct Nuclide {
    std::string name;  // "F-18": element symbol, hyphen, mass number
    int daughterZ = 0;
    int massNumber = 0;
    double halfLife = 0.0;                 // in halfLifeUnit
    std::string halfLifeUnit;              // "s", "min", "h", "d" or "y"
    std::vector<BetaPlusBranch> branches;  // in the order of the file
    bool fromUser = false;                 // read from the user's file

    // Positrons per 100 decays, all branches together.
    double PositronsPer100Decays() const;
    // The highest endpoint of the branches (MeV): where Rmax is taken.
    double HighestEndpointMeV() const;
    // The branches' evaluated mean energies weighted by their intensities (MeV): where Rmean is
    // taken.
    double MeanEnergyMeV() const;
};

// Why a nuclide list was refused: the file, the 1-based line (0: the file as a whole) and what.
struct NuclideListError {
    std::string fileName;
    int line = 0;
    std::string what;
    std::string Message() const;  // one sentence naming the file and the line
};

struct NuclideList {
    std::vector<Nuclide> nuclides;  // in the order of their first line
    std::optional<NuclideListError> error;
};

// The header line every nuclide list starts with (after comment lines).
inline constexpr std::string_view kNuclideListHeader =
    "nuclide,daughter_Z,A,half_life,half_life_unit,endpoint_keV,mean_keV,intensity_percent";

// Reads a nuclide list: lines starting with '#' and blank lines are skipped; the first other line
// is kNuclideListHeader; then one line per beta+ branch with the header's eight fields. The lines
// of one nuclide (several branches) must agree on daughter Z, A and half-life. The whole list is
// refused at its first fault, with the line: a wrong number of fields, a name that is not an
// element symbol with a mass number (or whose mass number is not A), a field that is not a
// number, Z outside 1..118, A below Z, a half-life that is not positive, a unit other than s,
// min, h, d or y, an endpoint that is not positive or above 100 MeV, a mean energy that is not
// below the endpoint, an intensity outside (0, 100], or more than 100 positrons per 100 decays
// for one nuclide. fileName is used in messages only.
NuclideList ParseNuclideList(std::string_view text, std::string_view fileName);

// The bundled list (data/emitters/positron_emitters.csv, compiled in).
const std::vector<Nuclide>& BundledNuclides();

// The user's file beside the material folders: emitters/positron_emitters.csv of the data folder.
std::filesystem::path UserNuclideFile(const std::filesystem::path& dataFolder);

// The bundled nuclides and the user's: a user nuclide of a bundled name takes its place (marked
// fromUser), others follow the bundled ones. A missing user file is no error; an unreadable or
// malformed one is reported in error and leaves the bundled list alone.
NuclideList NuclidesWithUserFile(const std::filesystem::path& userFile);

// The key a nuclide name is compared by: "f18" for "F-18", "18F", "F18", "f-18", "F 18" and
// "18-F"; nullopt for text that is not one or two letters and a mass number.
std::optional<std::string> NuclideKey(std::string_view name);

// The nuclide a typed name means, or null.
const Nuclide* FindNuclide(const std::vector<Nuclide>& nuclides, std::string_view name);

}  // namespace velmora
