// Fuzz target: reading typed numbers never fails and agrees with its own formatting.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/number_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = velmora::ReadNumber(text);
    if (std::isnan(value)) {
        std::abort();  // the grammar has no way to spell NaN
    }
    if (std::isfinite(value) && value >= 0.0) {
        // The plain number text reads back to the same value up to its 15 digits.
        const double again = velmora::ReadNumber(velmora::NumberText(value));
        if (std::fabs(again - value) > std::fabs(value) * 1e-14) {
            std::abort();
        }
    }
    return 0;
}
