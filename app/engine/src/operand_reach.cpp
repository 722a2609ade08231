// The operand reach of built-in and library tokens, from the code's class
// and arity, and for the codes that take a counted or sized set of operands
// from the values on top.
#include "operand_reach.h"

#include "engine/code_list.h"
#include "engine/user_functions.h"
#include "operands.h"

namespace engine {
namespace {

// Larger than any stack, so that a huge request is still refused as short.
constexpr int64_t kFarReach = 1 << 20;

int64_t bounded(int64_t n) {
    return n < 0 ? 0 : (n > kFarReach ? kFarReach : n);
}

// The count the parser pushed on top of a variadic call; a top that is no
// count leaves the check to the operator itself.
int64_t countOnTop(const Matrix* stack, int16_t top) {
    const std::optional<int64_t> n = truncatedFirst(stack[top]);
    return n ? bounded(*n) : 0;
}

// rows y, columns x: the rows x columns values below them.
int64_t sizedReach(const Matrix* stack, int16_t top) {
    const std::optional<int64_t> rows = truncatedFirst(stack[top - 1]);
    const std::optional<int64_t> cols = truncatedFirst(stack[top]);
    if (!rows || !cols || *rows < 1 || *cols < 1 || *rows > kFarReach || *cols > kFarReach)
        return 1;
    return 1 + bounded(*rows * *cols);
}

int64_t reachOfClass(uint32_t operatorCode, const Matrix* stack, int16_t top) {
    switch (keypadOperatorClass(operatorCode)) {
        case KEYPAD_CLASS_ADDITIVE:
        case KEYPAD_CLASS_MULTIPLICATIVE:
        case KEYPAD_CLASS_POWER: return 1;
        case KEYPAD_CLASS_POSTFIX: return 0;
        case KEYPAD_CLASS_FUNCTION: {
            const uint32_t arity = keypadOperatorArity(operatorCode);
            if (arity == KEYPAD_ARITY_VARIABLE) return countOnTop(stack, top);
            return arity == 0 ? 0 : int64_t(arity) - 1;
        }
        default: return -1;
    }
}

}  // namespace

int64_t operandReach(const Token& token, const Matrix* stack, int16_t top) {
    if (keypadRoutedLibrary(token.code) != 0)
        return reachOfClass(keypadRoutedOperator(token.code), stack, top);
    if (isUserFunctionCode(token.code)) {
        if (keypadOperatorClass(token.code) != KEYPAD_CLASS_FUNCTION) return -1;
        const UserFunction* fn = userFunctionAt(userFunctionSlotOf(token.code));
        return fn != nullptr && fn->parameters > 1 ? fn->parameters - 1 : 0;
    }
    switch (Code(token.code)) {
        // Unary minus carries the multiplicative class for the parser's sake.
        case Code::Negate: return 0;
        case Code::Range: return 1;
        case Code::Assign: return countOnTop(stack, top);
        case Code::BuildMatrix: return sizedReach(stack, top);
        // The element count on top, the row count below the elements' end.
        case Code::MatrixLiteral: return countOnTop(stack, top) + 1;
        case Code::Else:
        case Code::EndBlock:
        case Code::ElementwiseMarker: return -1;
        default: return reachOfClass(token.code, stack, top);
    }
}

}  // namespace engine
