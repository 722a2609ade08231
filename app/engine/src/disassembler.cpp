// The disassembler.
#include "engine/disassembler.h"

#include <charconv>
#include <cstdio>

#include "engine/code_list.h"
#include "engine/user_functions.h"
#include "engine/variables.h"
#include "platform/text.h"

namespace engine {

const char* builtinMnemonic(uint32_t routed) {
    switch (routed) {
#define ORVANA_CODE_CASE(id, code, mnemonic, operand, effect) \
    case code:                                                \
        return mnemonic;
        ORVANA_BUILTIN_CODES(ORVANA_CODE_CASE)
#undef ORVANA_CODE_CASE
        default:
            return nullptr;
    }
}

namespace {

using orvana::toUtf8;

std::string number(double v) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
    return std::string(buffer, result.ptr);
}

// Built by appending: GCC 12 warns falsely about "literal" + std::string.
std::string joined(const char* prefix, const std::string& rest, const char* suffix = "") {
    std::string s(prefix);
    s += rest;
    s += suffix;
    return s;
}

std::string hex(uint32_t v) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%04X", unsigned(v));
    return buffer;
}

std::string variableName(double reference) {
    if (reference == kAnswerReference) return "ANS";
    if (!(reference >= 0.0) || reference >= 65536.0) return joined("$", number(reference));
    const auto r = uint16_t(reference);
    if (r < kLocalBase) {
        const std::u16string_view name = globalVariableName(r);
        return name.empty() ? joined("$", number(reference)) : toUtf8(name);
    }
    if (r < kNamedLocalBase) return std::string(1, char(kFixedLocals[r - kLocalBase]));
    const LocalScope* scope = activeScope();
    const size_t n = r - kNamedLocalBase;
    if (scope != nullptr && n < scope->namedLocals.size()) return toUtf8(scope->namedLocals[n]);
    return joined("local", number(reference));
}

std::string word(const Token& t) {
    const uint32_t c = t.code;
    if (keypadRoutedLibrary(c) != 0)
        return joined("lib", std::to_string(keypadRoutedLibrary(c)), ":") + hex(keypadRoutedOperator(c));
    if (isUserFunctionCode(c)) {
        const UserFunction* f = userFunctionAt(userFunctionSlotOf(c));
        return f != nullptr ? toUtf8(f->name) : joined("fn", std::to_string(userFunctionSlotOf(c)));
    }
    switch (c) {
        case code(Code::Numeral):
            return number(t.value);
        case code(Code::Variable):
            return variableName(t.value);
        case code(Code::IndexedVariable):
            return variableName(t.value) + "[]";
        case code(Code::StringLiteral):
            return joined("\"", toUtf8(tokenText(t)), "\"");
        case code(Code::WorkspaceCall):
            return joined("call:", toUtf8(tokenText(t)));
        case code(Code::AnswerAsText):
            return joined("ANS$", number(t.value));
        case code(Code::Assign):
            return joined("=:", variableName(t.value));
        case code(Code::Else):
        case code(Code::EndBlock):
        case code(Code::For):
        case code(Code::While):
        case code(Code::If):
            return joined(builtinMnemonic(c), joined(":", number(t.value)));
        default:
            break;
    }
    if (const char* m = builtinMnemonic(c); m != nullptr && *m != 0) return m;
    return hex(c);
}

}  // namespace

std::string disassemble(const Token* list) {
    std::string text;
    if (list == nullptr) return text;
    for (const Token* t = list; t->code != 0; ++t) {
        if (!text.empty()) text += ' ';
        text += word(*t);
    }
    return text;
}

}  // namespace engine
