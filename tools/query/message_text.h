// The message texts of velmora-query are the core's, shared with the Python module.
#pragma once

#include "core/message_text.h"

namespace velmora::query {

using velmora::EchoedText;
using velmora::kMaxEchoedCharacters;
using velmora::PrintableText;
using velmora::QuotedForMessage;

}  // namespace velmora::query
