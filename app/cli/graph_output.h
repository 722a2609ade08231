// Graphing from orvana-cli: marking the --graph blocks, sampling the graph
// as the graph view does when it is shown, applying the --graph-command
// range commands and writing every curve as CSV.
#ifndef ORVANA_CLI_GRAPH_OUTPUT_H
#define ORVANA_CLI_GRAPH_OUTPUT_H

#include <string>

#include "engine/block_list.h"
#include "graph_options.h"
#include "shell/graph_model.h"

namespace cli {

// False, with a one-line message, when a --graph block does not exist.
bool checkGraphBlocks(const engine::BlockList& blocks, const GraphOptions& options,
                      std::string& error);

// Gives the --graph blocks their colours (blocks of a loaded Workspace keep
// the colours they have).
void markGraphBlocks(engine::BlockList& blocks, const GraphOptions& options);

// Applies --range, samples, applies the commands in order.
void sampleGraph(shell::GraphModel& model, const GraphOptions& options);

// The CSV text: the header line, then curve,block,colour,x,y,line,mark,pen,
// label for every point of every curve in use (curve and block counted from
// 1; y empty for a gap; line and mark the curve's line flag and mark style;
// pen the point's pen byte, 0 for a point reached without a line, empty when
// the curve has none; label the curve's label, quoted when it holds a comma
// or a quote).
std::string curvesCsv(const shell::GraphModel& model);

// The whole --curves step on blocks already marked; returns the exit status (2 when the file cannot
// be written, with a message on standard error).
int writeCurves(engine::BlockList& blocks, const GraphOptions& options);

}  // namespace cli

#endif
