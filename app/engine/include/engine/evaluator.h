// Running code lists on the value stack (value_stack.h), and the built-in
// operators. See code_list.h for what every built-in code does.
//
// Evaluations nest: eval, user functions, Workspace calls and keypad
// libraries (through HostServices) run lists on the same stack above the
// current top, and every run gives back the top index and the element-wise
// flag it found.
#ifndef ORVANA_ENGINE_EVALUATOR_H
#define ORVANA_ENGINE_EVALUATOR_H

#include <cstdint>

#include "engine/status.h"
#include "keypad.h"
#include "lattix.h"

namespace engine {

// No built-in makes a matrix with more elements, or more rows or columns,
// than these (code 62); the second is the reach of Matrix's 16-bit fields.
constexpr int64_t kMatrixElementLimit = 640000;
constexpr int64_t kMatrixDimensionLimit = 32767;

// Evaluations nested deeper than this (a user function or eval text that
// calls itself) stop with code 13 before the machine's own stack runs out.
constexpr int kMaxNesting = 48;

// One built-in token on the given stack. The top index must lie in 3 to 79
// (else 11 or 13); codes this build does not know have no effect.
Status applyBuiltin(const Token& token, int32_t angleMode, Matrix* stack, int16_t* top);

// Rounding of answers to significant digits, for the active display-format
// slot; off at start-up.
void setEvaluationFlag(bool on);
bool evaluationFlag();

// Set while a "V:" line runs.
bool elementwiseFlag();

// The codes that belong to scripts and files: control flow (WHILE, IF, ELSE,
// END, RETURN, FOR, CONTIFGRAPHING, LOCAL, FUNC, GLOBAL), Workspace calls,
// "load" and "save". The script component installs a handler; it works on
// the stack like a built-in and returns a status.
using ScriptCodeHandler = Status (*)(const Token& token, int32_t angleMode, Matrix* stack,
                                     int16_t* top);
bool isScriptCode(uint32_t routed);
// Null removes the handler. Without one, a Workspace call fails with 57, load
// with 59, save with 64 and the control-flow codes with 15, each the message
// of what cannot happen, and nothing on the stack changes.
void setScriptCodeHandler(ScriptCodeHandler handler);

// What runCodeForGraph gives back when a library drew the block's trace
// itself (doGraph answered non-zero): -1 as a 16-bit code.
constexpr Status kGraphDrawnByLibrary = 0xFFFF;

// The graph view's buffers a graph run hands to libraries: the first sample
// x value (their count is the double before it), the curve table and the
// index of its next free record.
struct GraphTarget {
    const double* samples;
    KeypadCurve* curves;
    int16_t* traceCount;
};
// Set only while a graph run applies a Workspace call token: the script
// component then graph-evaluates the called Workspace's blocks into this
// target (runCodeForGraph per block) and returns the combined result, which
// ends the calling list when non-zero. Null at every other time.
const GraphTarget* workspaceCallGraphTarget();

// runCode with the element-wise flag on whatever the list's first token,
// as for a "V:" line.
Status runCodeElementwise(const Token* list, Matrix* result, int32_t angleMode);

// The services handed to keypad libraries (their first six entries are the
// contract of keypad.h).
const HostServices* hostServices();

}  // namespace engine

extern "C" {

// Runs a code list above the current top. A null list (an empty line) makes
// result 0 and gives 0. Otherwise the top of the stack at the end, also after
// a failure, is copied into result (which may be null), the top index and
// the element-wise flag are restored, and the code of the first failing
// token is returned; a library's code r comes back as its number x 256 + r.
// A top index of 80 or more at entry is 13 at once.
uint16_t runCode(const Token* list, Matrix* result, int32_t angleMode);

// The graph view's variant of runCode: runs a code list above the current top
// without copying an answer anywhere, and restores the top index and the
// element-wise flag. For a library token, when graphThisBlock is non-zero,
// the library's doGraph is offered the token first (samples, curves and
// traceCount are passed on); a non-zero answer ends the list with
// kGraphDrawnByLibrary (0xFFFF). Then doOperation runs as usual, its code
// unchecked. A Workspace call's non-zero code ends the list with that code;
// any other failing built-in ends it with 0. A top index outside 4 to 79
// after a token gives 11 or 13, as in runCode. A null list gives 0.
uint16_t runCodeForGraph(const double* samples, KeypadCurve* curves, int16_t* traceCount,
                         const Token* list, int32_t graphThisBlock, int32_t angleMode);

}

#endif
