// One fuzz input run as a user would type it: the bytes are read as Latin-1
// characters, split into lines, and each line is typed into the last block of
// a fresh Workspace and executed. Shared by the fuzz target and the test that
// replays its corpus.
#ifndef ORVANA_FUZZ_EVALUATION_SESSION_H
#define ORVANA_FUZZ_EVALUATION_SESSION_H

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/block_list.h"
#include "engine/library_table.h"
#include "engine/value_stack.h"
#include "engine/variables.h"

namespace orvana::fuzzing {

// A keypad library with a function ("sin") and an operator character ('^'),
// so that library dispatch is part of what runs.
inline OperatorCode fuzzLibraryName(const char16_t* name) {
    return std::u16string_view(name) == u"sin" ? 0x0115 : 0;
}
inline OperatorCode fuzzLibraryChar(char16_t c) { return c == u'^' ? 0x0103 : 0; }
inline int32_t fuzzLibraryOperation(OperatorCode op, int32_t, int32_t, Matrix* stack, int16_t* top,
                                    const HostServices*) {
    Matrix* x = &stack[*top];
    if (op == 0x0115) {
        if (x->kind != LATTIX_KIND_SCALAR) return 14;
        copyValMatrix(x, std::sin(x->re[0]), 0.0);
        return 0;
    }
    Matrix* y = &stack[*top - 1];
    if (x->kind != LATTIX_KIND_SCALAR || y->kind != LATTIX_KIND_SCALAR) return 101;
    copyValMatrix(y, std::pow(y->re[0], x->re[0]), 0.0);
    --*top;
    return 0;
}

inline void installFuzzLibrary() {
    engine::resetLibraries();
    KeypadLibrary library{};
    library.GetStrOperator = fuzzLibraryName;
    library.GetOperator = fuzzLibraryChar;
    library.doOperation = fuzzLibraryOperation;
    engine::addLibrary(library, u"Fuzz");
}

// Runs the input; returns false when the engine broke a promise it makes
// whatever the input (the value stack's top back where a block starts).
inline bool runInput(const uint8_t* data, size_t size) {
    engine::resetVariables();
    engine::BlockList blocks;
    std::u16string line;
    int lines = 0;
    auto enter = [&]() {
        blocks.execute(blocks.count() - 1, line);
        blocks.appendEmpty();
        line.clear();
        ++lines;
        return engine::stackTop() == engine::kBlockStartTop;
    };
    for (size_t i = 0; i < size && lines < 12; ++i) {
        if (data[i] == '\n') {
            if (!enter()) return false;
        } else {
            line += char16_t(data[i]);
        }
    }
    if (!line.empty() && !enter()) return false;
    // Recalculating everything from the first block must hold up as well.
    blocks.evaluateAll();
    return engine::stackTop() == engine::kBlockStartTop;
}

}  // namespace orvana::fuzzing

#endif
