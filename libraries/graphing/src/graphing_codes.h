// The graphing library's operator codes and the statuses its operators give.
#ifndef ORVANA_GRAPHING_CODES_H
#define ORVANA_GRAPHING_CODES_H

#include <cstdint>

#include "keypad.h"
#include "platform/status.h"

namespace graphing {

// Class 5 (functions) throughout: two parameters for moveto and lineto, one
// for line, none counted for cleargraph, any number (15) for the rest.
inline constexpr OperatorCode kMoveto = 0x0325;
inline constexpr OperatorCode kLineto = 0x0425;
inline constexpr OperatorCode kCleargraph = 0x0505;
inline constexpr OperatorCode kText = 0x0CF5;
inline constexpr OperatorCode kDrawgraph = 0x16F5;
inline constexpr OperatorCode kLine = 0x1715;
inline constexpr OperatorCode kPlot = 0x18F5;
inline constexpr OperatorCode kPolarplot = 0x19F5;
inline constexpr OperatorCode kLabel = 0x1AF5;
inline constexpr OperatorCode kTitle = 0x1BF5;

// Statuses of doOperation: 0 or one of the main program's messages.
using Status = int32_t;
using namespace orvana;

// What doGraph answers when it has filled a trace.
inline constexpr int32_t kTraceDrawn = -1;
inline constexpr int32_t kNoTrace = 0;

}  // namespace graphing

#endif
