// Fuzz target: material file head and full load on arbitrary text.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/material_file.h"

namespace {

// A load that succeeds must hand over a table the rest of the program can take logarithms of.
void CheckAccepted(const velmora::LoadedMaterial& material) {
    for (int row = velmora::kFirstRow; row <= velmora::kLastRow; ++row) {
        for (const velmora::TableColumn* column :
             {&material.energyMeV, &material.collisionSP, &material.radiativeSP, &material.totalSP,
              &material.csdaRange}) {
            const double value = (*column)[static_cast<std::size_t>(row)];
            if (!(value > 0.0) || !std::isfinite(value)) {
                std::abort();
            }
        }
        if (row > velmora::kFirstRow && !(material.energyMeV[row] > material.energyMeV[row - 1])) {
            std::abort();
        }
        if (material.tableLines[row].size() > 44 * 4) {
            std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto head = velmora::ParseMaterialHead(text, "fuzz.qrv");
    if (head && (!(head.value->density > 0.0) || !(head.value->meanExcitationEnergy > 0.0))) {
        std::abort();
    }
    const auto full = velmora::ParseMaterialFile(text, "fuzz.qrv");
    if (full) {
        CheckAccepted(*full.value);
    } else if (full.error.Message().empty()) {
        std::abort();
    }
    return 0;
}
