// The program velmora-tablegen as a function: arguments in, files and messages out.
#include "tablegen/tablegen_app.h"

#include <cstdlib>
#include <vector>

#include "tablegen/atomic_file.h"
#include "tablegen/bundled_set.h"
#include "tablegen/command_line.h"
#include "tablegen/material_file_text.h"
#include "tablegen/reference_data.h"
#include "tablegen/tablegen_error.h"
#include "tablegen/version.h"
#include "velmora_version.h"

namespace velmora::tablegen {
namespace {

namespace fs = std::filesystem;

// The reference inputs; a fault in them is a fault of a data file, whatever its kind.
ReferenceData LoadReferenceInputs(const fs::path& folder) {
    try {
        return LoadReferenceData(folder);
    } catch (const TablegenError& e) {
        throw TablegenError(e.what(), kExitDataFile);
    }
}

fs::path ReferenceFolder(const CommandLine& line, const fs::path& executableDir) {
    if (line.referenceDir) {
        return *line.referenceDir;
    }
    const fs::path installed = executableDir / ".." / "share" / "velmora" / "reference";
    std::error_code error;
    if (fs::is_directory(installed, error)) {
        return installed;
    }
    return fs::path(VELMORA_SOURCE_DIR) / "data" / "reference";
}

std::string CustomFileName(const CommandLine& line) {
    if (!line.fileName) {
        return FileNameForMaterial(*line.name);
    }
    std::string file = *line.fileName;
    if (file.size() < 4 || file.compare(file.size() - 4, 4, kCompoundExtension) != 0) {
        file += kCompoundExtension;
    }
    if (!IsSafeFileName(file)) {
        throw TablegenError("--file-name: use letters, digits, blanks and . _ ( ) + - only",
                            kExitUsage);
    }
    return file;
}

// Where a custom material goes without --output-dir: the p_STC folder of the current folder when
// there is one (a data folder or a source tree's data/), otherwise the user's own data folder,
// $XDG_DATA_HOME/velmora/p_STC, which the viewer works in when started from a menu. An electron
// table goes into the e_STC folder beside it, so that it never shows up in the material lists.
// Without a home folder nothing is made: p_STC must then exist where the program is run.
struct OutputFolder {
    fs::path path;
    bool create = false;
};

OutputFolder DefaultFolder(Particle particle) {
    const std::string name =
        particle == Particle::kElectron ? ElectronFolderName(kCompoundFolder) : kCompoundFolder;
    std::error_code error;
    if (fs::is_directory(kCompoundFolder, error)) {
        return {name, true};
    }
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    if (dataHome != nullptr && *dataHome == '/') {
        return {fs::path(dataHome) / "velmora" / name, true};
    }
    if (home != nullptr && *home != '\0') {
        return {fs::path(home) / ".local" / "share" / "velmora" / name, true};
    }
    return {name, false};
}

// A folder as a path that ends in its own name: "data/p_STC/" -> "data/p_STC", "." -> absolute.
fs::path NamedFolder(const fs::path& folder) {
    fs::path normal = folder.lexically_normal();
    const fs::path name =
        normal.has_filename() ? normal.filename() : normal.parent_path().filename();
    if (name.empty() || name == "." || name == "..") {
        normal = fs::absolute(normal).lexically_normal();
    }
    return normal.has_filename() ? normal : normal.parent_path();
}

// The e_ folder beside a folder of positron tables (data/p_STC -> data/e_STC): the viewer looks
// for a material's electron table there, so another place would never be found.
fs::path ElectronFolderBeside(const fs::path& positronFolder) {
    const fs::path folder = NamedFolder(positronFolder);
    const std::string electronName = ElectronFolderName(folder.filename().string());
    if (electronName.empty()) {
        throw TablegenError(
            "--with-electrons: the electron table goes into the e_ folder beside a "
            "p_ folder (p_STC -> e_STC), and " +
                positronFolder.string() + " is not a p_ folder",
            kExitUsage);
    }
    return folder.parent_path() / electronName;
}

std::string TableText(const MaterialDefinition& material, const ReferenceData& data,
                      const GenerationOptions& options) {
    return MaterialFileText(material, ComputeTable(material, data, options), data, options);
}

// Both tables are computed and their places checked before either file is written.
void WriteCustomMaterial(const CommandLine& line, const ReferenceData& data, std::ostream& out) {
    CheckMaterialName(*line.name);
    const MaterialDefinition material{*line.name,
                                      line.formula
                                          ? ParseFormula(*line.formula, data.elements)
                                          : ParseWeightFractions(*line.composition, data.elements),
                                      *line.density, *line.meanExcitationEv};
    const std::string fileName = CustomFileName(line);
    const OutputFolder folder =
        line.outputDir ? OutputFolder{*line.outputDir} : DefaultFolder(line.options.particle);
    std::vector<FileToWrite> files = {
        {folder.path / fileName, TableText(material, data, line.options), folder.create}};
    if (line.withElectrons) {
        files.push_back({ElectronFolderBeside(folder.path) / fileName,
                         TableText(material, data, {Particle::kElectron}), true});
    }
    WriteFilesAtomically(files, line.force);
    for (const FileToWrite& file : files) {
        out << "wrote " << file.path.string() << "\n";
    }
}

}  // namespace

std::string FileNameForMaterial(std::string_view name) {
    std::string stem;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if (c == ',' && i + 1 < name.size() && name[i + 1] == ' ') {
            continue;  // "Water, liquid" -> "Water liquid"; "1,2-..." -> "1-2-..."
        }
        const char safe = IsSafeFileNameChar(c) ? c : '-';
        if (!(safe == ' ' && (stem.empty() || stem.back() == ' '))) {
            stem += safe;
        }
    }
    while (!stem.empty() && (stem.back() == ' ' || stem.back() == '.')) {
        stem.pop_back();
    }
    while (!stem.empty() && (stem.front() == '.' || stem.front() == '-')) {
        stem.erase(0, 1);
    }
    if (stem.empty() || stem.find_first_not_of("-_ ") == std::string::npos) {
        throw TablegenError("no file name can be made from the name '" + std::string(name) +
                            "'; give --file-name");
    }
    return stem + kCompoundExtension;
}

int RunTablegen(std::span<const std::string> args, std::ostream& out, std::ostream& err,
                const fs::path& executableDir) {
    try {
        const CommandLine line = ParseCommandLine(args);
        if (line.help) {
            out << UsageText();
            return kExitSuccess;
        }
        if (line.version) {
            // The program's version; the files it writes name the generation method's own.
            out << "velmora-tablegen " << kVelmoraVersion << "\n";
            return kExitSuccess;
        }
        const ReferenceData data = LoadReferenceInputs(ReferenceFolder(line, executableDir));
        if (line.all) {
            const fs::path root = line.outputDir.value_or(".");
            std::vector<GenerationOptions> sets = {line.options};
            if (line.withElectrons) {
                sets.push_back({Particle::kElectron});
            }
            const std::size_t count = WriteBundledSets(root, data, sets);
            out << "wrote " << count << " files under " << root.string() << "\n";
        } else {
            WriteCustomMaterial(line, data, out);
        }
        return kExitSuccess;
    } catch (const TablegenError& e) {
        err << "velmora-tablegen: " << e.what() << "\n";
        return e.Status();
    } catch (const std::exception& e) {
        err << "velmora-tablegen: unexpected error: " << e.what() << "\n";
    }
    return kExitIoFailure;
}

}  // namespace velmora::tablegen
