#include "scalar_run.h"

#include <algorithm>

#include "builtins.h"
#include "engine/code_list.h"
#include "engine/long_run.h"
#include "engine/value_stack.h"
#include "variable_read.h"

namespace engine {
bool isScalarArithmetic(uint32_t code) {
    switch (Code(code)) {
        case Code::ElementwiseMarker:
        case Code::Numeral:
        case Code::ImaginaryUnit:
        case Code::Add:
        case Code::Subtract:
        case Code::Multiply:
        case Code::Divide:
        case Code::Negate:
        case Code::NegatePower: return true;
        default: return false;
    }
}

bool runScalarList(const Token* list, Matrix* stack, int16_t* top, int lowestRead,
                   Status& status) {
    // A list that cannot start with plain values (a FOR's name, an END) is
    // left to the loop before anything is read.
    if (list[0].code != 0) {
        switch (Code(list[0].code)) {
            case Code::ElementwiseMarker:
            case Code::Numeral:
            case Code::ImaginaryUnit:
            case Code::Variable:
            case Code::Negate:
            case Code::NegatePower: break;
            default: return false;
        }
    }
    // Real and imaginary parts apart: each part is stored and read back as
    // one double, which the processor forwards from store to load at once.
    double re[kStackSlots];
    double im[kStackSlots];
    const int start = *top;
    for (int slot = lowestRead; slot <= start; ++slot) {
        const Matrix& m = stack[slot];
        if (m.kind != LATTIX_KIND_SCALAR || m.re == nullptr || m.im == nullptr) return false;
        re[slot] = m.re[0];
        im[slot] = m.im[0];
    }
    int at = start;
    // Slots below this one still hold what the stack holds.
    int lowestWritten = start + 1;
    const Token* t = list;
    for (; t->code != 0; ++t) {
        switch (Code(t->code)) {
            case Code::ElementwiseMarker: break;
            case Code::Numeral:
                if (at >= kLastValueSlot) return false;
                ++at;
                re[at] = t->value;
                im[at] = 0.0;
                break;
            case Code::ImaginaryUnit:
                if (at >= kLastValueSlot) return false;
                ++at;
                re[at] = 0.0;
                im[at] = 1.0;
                break;
            case Code::Variable: {
                if (at >= kLastValueSlot) return false;
                const Matrix* m = scalarHeldBy(readVariable(*t));
                if (m == nullptr) return false;
                ++at;
                re[at] = m->re[0];
                im[at] = m->im[0];
                break;
            }
            case Code::Assign: {
                // 'name=value' ending the list: the count 1 on top, the value
                // below it. Nothing that could send the list back to the loop
                // comes after the assignment's effect.
                if (t[1].code != 0 || t->value == kAnswerReference || at - 1 < lowestRead ||
                    re[at] != 1.0 || im[at] != 0.0)
                    return false;
                Matrix* target = variableOfToken(*t);
                if (target == nullptr) return false;
                --at;
                storeScalar(*target, re[at], im[at]);
                break;
            }
            case Code::Negate:
            case Code::NegatePower:
                if (at < lowestRead) return false;
                re[at] = -re[at];
                im[at] = -im[at];
                lowestWritten = std::min(lowestWritten, at);
                break;
            case Code::Add:
            case Code::Subtract:
            case Code::Multiply:
            case Code::Divide: {
                if (at - 1 < lowestRead) return false;
                ScalarValue z;
                if (!combineScalars(t->code, {re[at - 1], im[at - 1]}, {re[at], im[at]}, z))
                    return false;
                --at;
                re[at] = z.re;
                im[at] = z.im;
                lowestWritten = std::min(lowestWritten, at);
                break;
            }
            // Any other token: the loop runs the list from the start.
            default: return false;
        }
    }
    // The whole list's tokens count towards the long run at once; a stop
    // asked for meanwhile is left for the next list.
    longRunTokens(uint32_t(t - list));
    status = kOk;
    for (int slot = std::max(lowestRead, lowestWritten); slot <= at; ++slot)
        storeScalar(stack[slot], re[slot], im[slot]);
    *top = int16_t(at);
    return true;
}

}  // namespace engine
