// The engine's process-wide state as one object: the value stack, the
// variable table and the active local scope, the user-function slots, the
// script cache and the state of running scripts, the answer index and the
// document ANS reads, the evaluator's flags, the number format, the current
// Workspace's settings and note, and what start-up installs (keypad
// libraries, script support, the script folder).
//
// There is one instance for the whole process: keypad libraries reach it
// through the HostServices table and the C exports, which have no handle to
// pass. Each engine file keeps its part of the state in this object and
// nowhere else.
#ifndef ORVANA_ENGINE_ENGINE_STATE_H
#define ORVANA_ENGINE_ENGINE_STATE_H

namespace engine {

class EngineState {
public:
    // Back to the state of a fresh start: the six predefined variables and no
    // local scope, no user functions, an empty script cache, no script
    // running and the abort flag clear, no answer index and no document
    // answering ANS, the evaluation and element-wise flags off, an empty value
    // stack at its starting top, the default number format, default
    // Workspace settings and an empty note. What start-up installed stays:
    // the loaded keypad libraries, the script support and the script folder.
    // Not to be called while anything is being evaluated.
    void reset();

    EngineState(const EngineState&) = delete;
    EngineState& operator=(const EngineState&) = delete;

protected:
    EngineState() = default;
    ~EngineState() = default;
};

EngineState& engineState();

}  // namespace engine

#endif
