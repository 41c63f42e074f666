// The program velmora-tablegen as a function: arguments in, files and messages out.
#include "tablegen/tablegen_app.h"

#include <cstdlib>

#include "tablegen/atomic_file.h"
#include "tablegen/bundled_set.h"
#include "tablegen/command_line.h"
#include "tablegen/material_file_text.h"
#include "tablegen/reference_data.h"
#include "tablegen/tablegen_error.h"
#include "tablegen/version.h"

namespace velmora::tablegen {
namespace {

namespace fs = std::filesystem;

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
        throw TablegenError("--file-name: use letters, digits, blanks and . _ ( ) + - only");
    }
    return file;
}

// Where a custom material goes without --output-dir: the p_STC folder of the current folder when
// there is one (a data folder or a source tree's data/), otherwise the user's own data folder,
// $XDG_DATA_HOME/velmora/p_STC, which the viewer works in when started from a menu.
fs::path DefaultCompoundFolder() {
    std::error_code error;
    if (fs::is_directory(kCompoundFolder, error)) {
        return kCompoundFolder;
    }
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    fs::path base;
    if (dataHome != nullptr && *dataHome == '/') {
        base = dataHome;
    } else if (home != nullptr && *home != '\0') {
        base = fs::path(home) / ".local" / "share";
    } else {
        return kCompoundFolder;
    }
    const fs::path folder = base / "velmora" / kCompoundFolder;
    fs::create_directories(folder, error);
    if (error) {
        throw TablegenError("cannot create " + folder.string() + ": " + error.message());
    }
    return folder;
}

void WriteCustomMaterial(const CommandLine& line, const ReferenceData& data, std::ostream& out) {
    CheckMaterialName(*line.name);
    const MaterialDefinition material{*line.name,
                                      line.formula
                                          ? ParseFormula(*line.formula, data.elements)
                                          : ParseWeightFractions(*line.composition, data.elements),
                                      *line.density, *line.meanExcitationEv};
    const fs::path folder = line.outputDir ? fs::path(*line.outputDir) : DefaultCompoundFolder();
    const fs::path path = folder / CustomFileName(line);
    const std::string text =
        MaterialFileText(material, ComputeTable(material, data, line.options), data, line.options);
    WriteFileAtomically(path, text, line.force);
    out << "wrote " << path.string() << "\n";
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
            return 0;
        }
        if (line.version) {
            out << "velmora-tablegen " << kGeneratorVersion << "\n";
            return 0;
        }
        const ReferenceData data = LoadReferenceData(ReferenceFolder(line, executableDir));
        if (line.all) {
            const fs::path root = line.outputDir.value_or(".");
            const std::size_t count = WriteBundledSet(root, data, line.options);
            out << "wrote " << count << " files under " << root.string() << "\n";
        } else {
            WriteCustomMaterial(line, data, out);
        }
        return 0;
    } catch (const TablegenError& e) {
        err << "velmora-tablegen: " << e.what() << "\n";
    } catch (const std::exception& e) {
        err << "velmora-tablegen: unexpected error: " << e.what() << "\n";
    }
    return 1;
}

}  // namespace velmora::tablegen
