// The material of a subcommand, found and loaded as every subcommand of velmora-query does.
#pragma once

#include <functional>
#include <ostream>

#include "core/material_table.h"
#include "query/query_app.h"
#include "query/query_options.h"
#include "query/query_output.h"

namespace velmora::query {

struct QueryMaterial {
    TableHead head;
    MaterialTable table;
};

// The material named or given by path in options.operands.front(), in the tables of
// options.particle; throws QueryError as the other subcommands refuse.
QueryMaterial FindQueryMaterial(const QueryOptions& options, const QueryEnvironment& env);

// Runs a subcommand's work and flushes out; a refusal or a failed write becomes one line on err.
// Returns the exit status.
int RunReporting(std::ostream& out, std::ostream& err, const std::function<void()>& work);

}  // namespace velmora::query
