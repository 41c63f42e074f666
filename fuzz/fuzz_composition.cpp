// Fuzz target: the generator's weight-fraction and chemical-formula readers.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "tablegen/composition.h"
#include "tablegen/reference_data.h"
#include "tablegen/tablegen_error.h"

namespace {

const velmora::tablegen::ReferenceData& Reference() {
    static const velmora::tablegen::ReferenceData data = velmora::tablegen::LoadReferenceData(
        std::filesystem::path(VELMORA_SOURCE_DIR) / "data" / "reference");
    return data;
}

// An accepted composition must be one the physics can use: known elements, positive fractions
// that add up to 1.
void CheckAccepted(const velmora::tablegen::Composition& composition) {
    double sum = 0.0;
    for (const auto& component : composition) {
        if (component.z < 1 || component.z > 98 || !(component.weightFraction > 0.0) ||
            !std::isfinite(component.weightFraction)) {
            std::abort();
        }
        sum += component.weightFraction;
    }
    if (composition.empty() || std::fabs(sum - 1.0) > 1e-9) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto& elements = Reference().elements;
    try {
        CheckAccepted(velmora::tablegen::ParseFormula(text, elements));
    } catch (const velmora::tablegen::TablegenError&) {
    }
    try {
        CheckAccepted(velmora::tablegen::ParseWeightFractions(text, elements));
    } catch (const velmora::tablegen::TablegenError&) {
    }
    return 0;
}
