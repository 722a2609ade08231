// Every built-in code of a compiled code list, in one place.
//
// A code list is the postfix form of one expression: Tokens (keypad.h) ended
// by code 0. Each line below gives a built-in code, the mnemonic the
// disassembler prints for it, what the token's value holds, and its effect on
// the value stack (x is the top, y the entry below it, n an argument count the
// parser pushed just before the token). A jump target is the index of the
// block a script runs next; the disassembler prints it after the mnemonic
// ("IF:4"), as it prints the variable an assignment writes ("=:a"). Codes carrying a library number in
// bits 16-19 belong to that keypad library and are not listed here.
//
// Operator code layout: class bits 0-3, arity bits 4-7 (class 5 only: 0 one
// following operand, 1-14 exactly that many arguments, 15 any number with a
// pushed count), identity bits 8-15; bit 15 marks a user function.
#ifndef ORVANA_ENGINE_CODE_LIST_H
#define ORVANA_ENGINE_CODE_LIST_H

#include <cstdint>
#include <cstring>

#include "keypad.h"

namespace engine {

// X(identifier, code, mnemonic, operand, stack effect)
#define ORVANA_BUILTIN_CODES(X)                                                              \
    X(End, 0x0000, "end", "-", "ends the list")                                              \
    X(Numeral, 0x0100, "", "number", "push the number")                                      \
    X(Variable, 0x0200, "", "variable reference", "push a copy of the variable")             \
    X(ImaginaryUnit, 0x0300, "i", "-", "push 0+1i")                                          \
    X(Comma, 0x0400, ",", "-", "infix only: argument or column separator, never emitted")    \
    X(RowSeparator, 0x0500, "|", "-", "infix only: row separator, never emitted")            \
    X(MatrixEnd, 0x0600, "}", "-", "infix only: end of a matrix literal")                    \
    X(StringLiteral, 0x0700, "", "owned UTF-16 text", "push the string")                     \
    X(Ignored, 0x0900, "_", "-", "infix only: dropped by the parser")                        \
    X(Answer, 0x0A00, "ANS", "-", "push the answer at the answer index")                     \
    X(AllOfDimension, 0x0B00, ":", "-", "push -1 (every row or column)")                     \
    X(AnswerAsText, 0x0C00, "ANS$", "n: blocks back", "push answer n back as text")          \
    X(Else, 0x0D00, "ELSE", "jump target", "next block = target")                            \
    X(EndBlock, 0x0E00, "END", "jump target", "push the target; next block = target")        \
    X(Range, 0x0F00, "range", "-", "y = [trunc y, trunc x]; pop")                            \
    X(Add, 0x0101, "+", "-", "y = y + x; pop")                                               \
    X(Subtract, 0x0201, "-", "-", "y = y - x; pop")                                          \
    X(Multiply, 0x0102, "*", "-", "y = y * x; pop")                                          \
    X(Divide, 0x0202, "/", "-", "y = y / x; pop")                                            \
    X(Negate, 0x0302, "neg", "-", "x = -x")                                                  \
    X(ApplyIndex, 0x0402, "index", "-", "y = part of y chosen by descriptor x; pop")         \
    X(OpenParen, 0x0106, "(", "-", "infix only")                                             \
    X(CloseParen, 0x0206, ")", "-", "infix only")                                            \
    X(BuildMatrix, 0x0205, "mat", "-", "rows y, cols x: the values below become a matrix")   \
    X(NegatePower, 0x0305, "pneg", "-", "x = -x (after a power operator)")                    \
    X(Assign, 0x0505, "=", "variable reference; -100 ANS", "n args: [indices,] value")       \
    X(Round, 0x0225, "round", "-", "y = y rounded to trunc x digits; pop")                   \
    X(Zero, 0x0A25, "zero", "-", "y = zero matrix y by x; pop")                              \
    X(For, 0x0145, "FOR", "jump target",                                                     \
      "name, start, step, end: variable = start (again: + step), pop 3, x = it; past end: "  \
      "next block = target")                                                                 \
    X(IndexList, 0x01F5, "[", "-", "n indices become one descriptor")                        \
    X(MatrixLiteral, 0x03F5, "{", "-", "n elements, row count below them: build")            \
    X(IndexedVariable, 0x0BF5, "[]", "variable reference; -100 ANS", "n indices: push part") \
    X(WorkspaceCall, 0x0DF5, "", "owned UTF-16 name", "n arguments: call the Workspace")     \
    X(Load, 0x10F5, "load", "-", "n arguments: load variables")                              \
    X(ContinueIfGraphing, 0x13F5, "CONTIFGRAPHING", "-",                                     \
      "n values: one is the call's result; pop them; no graph: the script stops")            \
    X(Inverse, 0x0315, "inv", "-", "x = inverse of x")                                       \
    X(Determinant, 0x0415, "det", "-", "x = determinant of x")                               \
    X(Transpose, 0x0515, "T", "-", "x = transpose of x")                                     \
    X(Eval, 0x0615, "eval", "-", "x = value of the text x")                                  \
    X(RealPart, 0x0715, "re", "-", "x = real part of x")                                     \
    X(ImaginaryPart, 0x0815, "im", "-", "x = imaginary part of x")                           \
    X(Identity, 0x0915, "I", "-", "x = identity matrix of size x")                           \
    X(ReducedEchelon, 0x0A15, "rref", "-", "x = reduced row echelon form of x")              \
    X(Return, 0x0B15, "RETURN", "-", "x is the call's result; pop; the script stops")        \
    X(While, 0x0C15, "WHILE", "jump target", "x false: next block = target")                 \
    X(If, 0x0D15, "IF", "jump target", "x false: next block = target")                       \
    X(Local, 0x0E15, "LOCAL", "-", "x: text of the names (declared when loaded)")            \
    X(AnswerBack, 0x0F15, "ANS()", "-", "x = answer x blocks back")                          \
    X(Save, 0x1015, "save", "-", "save the Workspace under the name x")                      \
    X(Func, 0x1115, "FUNC", "-", "x = the call's argument count (names declared when loaded)") \
    X(Global, 0x1215, "GLOBAL", "-", "x: text of the names (declared when loaded)")          \
    X(ElementwiseMarker, 0x0999, "V:", "-", "first token of an element-wise line")

enum class Code : uint32_t {
#define ORVANA_CODE_ENUM(id, code, mnemonic, operand, effect) id = code,
    ORVANA_BUILTIN_CODES(ORVANA_CODE_ENUM)
#undef ORVANA_CODE_ENUM
};

constexpr uint32_t code(Code c) { return static_cast<uint32_t>(c); }

// User functions: slot s (0-29) used as a value, or called with arguments.
constexpr uint32_t kUserFunctionBit = 0x8000;
constexpr uint32_t userFunctionValueCode(int slot) { return 0x8000u + uint32_t(slot) * 256u; }
constexpr uint32_t userFunctionCallCode(int slot) { return 0x8005u + uint32_t(slot) * 256u; }
inline bool isUserFunctionCode(uint32_t routed) {
    return keypadRoutedLibrary(routed) == 0 && (routed & kUserFunctionBit) != 0;
}
constexpr int userFunctionSlotOf(uint32_t routed) { return int((routed & 0x7F00u) >> 8); }

// Value of an IndexedVariable or Assign token that targets ANS.
constexpr double kAnswerReference = -100.0;

// The two codes whose value holds the address of a text the list owns.
constexpr bool carriesText(uint32_t routed) {
    return routed == code(Code::StringLiteral) || routed == code(Code::WorkspaceCall);
}

inline const char16_t* tokenText(const Token& t) {
    const char16_t* text = nullptr;
    std::memcpy(&text, &t.value, sizeof text);
    return text;
}

inline void setTokenText(Token& t, char16_t* text) {
    t.value = 0.0;
    std::memcpy(&t.value, &text, sizeof text);
}

// The mnemonic of a built-in code, or null when the code is not built in.
const char* builtinMnemonic(uint32_t routed);

}  // namespace engine

#endif
