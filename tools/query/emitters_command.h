// velmora-query emitters: how far the positrons of PET nuclides travel in a material.
#pragma once

#include <ostream>
#include <span>
#include <string>

#include "query/query_app.h"

namespace velmora::query {

// Runs "emitters" with the arguments after the subcommand's name, like RunQuery: results to out,
// or one refusal line to err and nothing to out. Returns the exit status.
int RunEmitters(std::span<const std::string> args, std::ostream& out, std::ostream& err,
                const QueryEnvironment& env);

}  // namespace velmora::query
