// Reading a variable token's value on the hot paths: a global or a local of
// the running call that already holds a scalar is taken straight from the
// table; anything else goes through variableOfToken (which also turns an
// empty variable into 0).
#ifndef ORVANA_ENGINE_VARIABLE_READ_H
#define ORVANA_ENGINE_VARIABLE_READ_H

#include "builtins.h"
#include "engine/variables.h"
#include "engine_state_data.h"

namespace engine {

inline const Matrix* scalarHeldBy(const Matrix* m) {
    return m != nullptr && m->kind == LATTIX_KIND_SCALAR && m->re != nullptr && m->im != nullptr
               ? m
               : nullptr;
}

// The value a variable token reads, as variableOfToken gives it.
inline const Matrix* readVariable(const Token& t) {
    const double v = t.value;
    const Matrix* held = nullptr;
    if (v >= 0.0 && v < double(kGlobalRecords)) {
        if (theEngineState.globals.ready) held = scalarHeldBy(theEngineState.globals.values[size_t(v)]);
    } else if (v >= double(kLocalBase) && v < 65536.0 && theEngineState.scope != nullptr) {
        const std::vector<Matrix*>& locals = theEngineState.scope->values;
        const size_t slot = size_t(v) - kLocalBase;
        if (slot < locals.size()) held = scalarHeldBy(locals[slot]);
    }
    return held != nullptr ? held : variableOfToken(t);
}

}  // namespace engine

#endif
