// Strict number texts for the command line, converted as the windows convert typed numbers.
#include "query/number_list.h"

#include "core/number_format.h"

namespace velmora::query {

bool IsNumberText(std::string_view text) {
    return IsDecimalNumber(text);
}

double NumberValue(std::string_view text) {
    // The strict form holds no blanks, so the windows' reader takes all of it.
    return ReadNumber(text);
}

}  // namespace velmora::query
