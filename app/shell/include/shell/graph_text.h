// Numbers of the graph view (range limits, grid labels, the trace readout)
// printed with a C format into UTF-16 text.
#ifndef ORVANA_SHELL_GRAPH_TEXT_H
#define ORVANA_SHELL_GRAPH_TEXT_H

#include <string>

namespace shell {

// `format` holds one double conversion. -0 prints as 0, which reads better
// next to the axes.
std::u16string graphNumberText(const char* format, double value);

}  // namespace shell

#endif
