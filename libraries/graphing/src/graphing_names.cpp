// The names the graphing library answers, its string table (the help texts
// of its operators), and the operator entry points doOperation and doGraph.
#include "graph_traces.h"
#include "graphing_codes.h"
#include "keypad_support/name_table.h"
#include "keypad_support/name_export.h"
#include "operations.h"
#include "platform/string_resources.h"

namespace graphing {
namespace {

constexpr keypad_support::Name kNames[] = {
    {u"moveto", kMoveto}, {u"lineto", kLineto}, {u"cleargraph", kCleargraph},
    {u"text", kText},     {u"drawgraph", kDrawgraph}, {u"line", kLine},
    {u"plot", kPlot},     {u"polarplot", kPolarplot}, {u"label", kLabel},
    {u"title", kTitle},
};

}  // namespace
}  // namespace graphing

using namespace graphing;

extern "C" {

PLATFORM_API extern const PlatformStringEntry orvanaStringTable[] = {
    {KEYPAD_HELP_ID(kMoveto), u"moveto(x,y)  move pen to x,y coordinates. No line is drawn."},
    {KEYPAD_HELP_ID(kLineto), u"lineto(x,y) draws line from curr. pen location to x,y."},
    {KEYPAD_HELP_ID(kCleargraph), u"cleargraph()  clear the graph"},
    {KEYPAD_HELP_ID(kText),
     u"text(x) or text(x,\"format\") returns x as text: 4 significant digits, or formatted "
     u"with a printf-style format such as \"%6.2f\""},
    {KEYPAD_HELP_ID(kDrawgraph),
     u"drawgraph() or drawgraph(\"opt\",\"label\") draws the path made with moveto and lineto. "
     u"opt: - line, x o # . marks, r g w b p t y k colours"},
    {KEYPAD_HELP_ID(kLine), u"line(a) plots a with a line and no marks, as plot does"},
    {KEYPAD_HELP_ID(kPlot),
     u"plot(a), plot(a,\"opt\") or plot(a,\"opt\",\"label\") plots the columns 2, 3, ... of a "
     u"against column 1, or a vector against its index.  opt: - line, x o # . marks, "
     u"r g w b p t y k colours"},
    {KEYPAD_HELP_ID(kPolarplot),
     u"polarplot(\"r(t)\"), polarplot(\"r(t)\",\"opt\"), polarplot(\"r(t)\",\"opt\",\"label\"), "
     u"polarplot(\"r(t)\",start,end), polarplot(\"r(t)\",start,end,\"opt\",\"label\") plots r "
     u"as a function of the angle t.  Also polarplot(a) for rows of {r, theta}"},
    {KEYPAD_HELP_ID(kLabel),
     u"label(x,y,\"text\") or label(x,y,\"text\",\"colour\") writes text at graph "
     u"coordinates x,y"},
    {KEYPAD_HELP_ID(kTitle),
     u"title(x,y,\"text\") or title(x,y,\"text\",\"colour\") writes text at screen "
     u"coordinates: 0,0 upper left, 239,129 lower right"},
    {0, nullptr},
};

PLATFORM_API OperatorCode GetStrOperator(const char16_t* name) {
    return name == nullptr ? 0 : keypad_support::findName(kNames, name);
}

PLATFORM_API int32_t KeypadNames(int32_t index, const char16_t** name, int32_t* length,
                                 OperatorCode* code) {
    return keypad_support::namedEntry(kNames, index, name, length, code);
}

PLATFORM_API OperatorCode GetOperator(char16_t) {
    return 0;
}

PLATFORM_API int32_t doOperation(OperatorCode op, int32_t, int32_t, Matrix* stack, int16_t* top,
                                 const HostServices* services) {
    if (stack == nullptr || top == nullptr) return 0;
    return performOperation(op, OperationCall{stack, top, services});
}

PLATFORM_API int32_t doGraph(double*, KeypadCurve* curves, int16_t* traceCount, OperatorCode op,
                             int32_t angleMode, int32_t, Matrix* stack, int16_t* top,
                             const HostServices* services) {
    return graphOperator(op, GraphCall{curves, traceCount, angleMode, stack, top, services});
}

}  // extern "C"
