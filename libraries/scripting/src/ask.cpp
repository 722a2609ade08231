// ASK: a message, a yes/no question, or up to three values asked from the
// user and stored into variables by evaluating 'name=entry'.
#include <cstdio>
#include <memory>
#include <string>

#include "ask_dialog.h"
#include "operations.h"
#include "scripting_codes.h"

namespace scripting {
namespace {

// The dialog's own result for a pair it cannot stand for: a variable that
// does not exist or an entry that does not compile.
constexpr int32_t kAskFailed = -1;
// A String value is offered as at most this many characters.
constexpr size_t kStringPrefill = 49;

struct CodeFree {
    const HostServices* services;
    void operator()(Token* list) const { services->freeCode(list); }
};
using OwnedCode = std::unique_ptr<Token, CodeFree>;

bool isString(const Matrix& m) {
    return m.kind == LATTIX_KIND_STRING && m.re != nullptr;
}

const char16_t* textOf(const Matrix& m) {
    return reinterpret_cast<const char16_t*>(m.re);
}

std::u16string widen(const char* text) {
    std::u16string out;
    for (; *text != 0; ++text) out += char16_t(static_cast<unsigned char>(*text));
    return out;
}

// The edit line's first text: a string as it is (cut), nothing for an empty
// value, a number with "%G" or "%G%+Gi". A matrix offers its first element.
std::u16string prefillOf(const Matrix& value) {
    if (isString(value)) return std::u16string(textOf(value)).substr(0, kStringPrefill);
    if (value.re == nullptr || size_t(value.rows) * value.cols == 0) return u"";
    char buffer[64];
    const double re = value.re[0], im = value.im[0];
    if (im == 0.0)
        std::snprintf(buffer, sizeof buffer, "%G", re);
    else
        std::snprintf(buffer, sizeof buffer, "%G%+Gi", re, im);
    return widen(buffer);
}

// Evaluates 'name=entry' into the variable, creating it when it has gone.
// 0, kAskFailed for an entry that does not compile, or the evaluation's code.
int32_t store(const std::u16string& name, const std::u16string& entry, bool degrees,
              const HostServices* services) {
    const std::u16string line = name + u"=" + entry;
    Token* list = nullptr;
    const uint16_t compiled = services->compileExpression(line.c_str(), &list);
    OwnedCode code(list, CodeFree{services});
    if (compiled != 0 || list == nullptr) return kAskFailed;
    uint16_t handle = services->findVariable(name.c_str());
    if (handle == KEYPAD_NO_VARIABLE) handle = services->createVariable(name.c_str());
    Matrix* variable = services->variableAt(handle);
    if (variable == nullptr) return kAskFailed;
    return services->runCode(code.get(), variable, degrees ? 1 : 0);
}

// A failed evaluation of an entry: the main program's own code, or a syntax
// error for one that belongs to a library (its number cannot be passed on).
int32_t entryFailure(int32_t code) {
    return code > 0 && code < 100 ? code : kSyntaxError;
}

int32_t askValues(const Operation& call, int pairs, Matrix* first) {
    AskPrompt dialog;
    dialog.lines = pairs;
    std::u16string names[kAskLines];
    std::u16string offered[kAskLines];
    for (int i = 0; i < pairs; ++i) {
        const Matrix& prompt = first[2 * i];
        const Matrix& name = first[2 * i + 1];
        if (!isString(prompt) || !isString(name)) return kInvalidParameter;
        names[i] = textOf(name);
        const uint16_t handle = call.services->findVariable(names[i].c_str());
        const Matrix* value =
            handle == KEYPAD_NO_VARIABLE ? nullptr : call.services->variableAt(handle);
        if (value == nullptr) return kSyntaxError;
        dialog.prompts[i] = textOf(prompt);
        offered[i] = dialog.values[i] = prefillOf(*value);
    }
    const int32_t answer = showAskPrompt(dialog);
    // The entries are stored after either answer (Cancel gives back what was
    // offered). An entry left as it was offered is not stored again: the
    // offered text rounds numbers to six digits and shows strings without
    // quotes, so storing it would change the value.
    for (int i = 0; i < pairs; ++i) {
        if (dialog.values[i] == offered[i]) continue;
        const int32_t r = store(names[i], dialog.values[i], call.degrees, call.services);
        if (r == kAskFailed) return kSyntaxError;
        if (r != 0) return entryFailure(r);
    }
    copyValMatrix(first, answer, 0.0);
    return 0;
}

int32_t askMessage(Matrix* first) {
    if (!isString(*first)) return kInvalidParameter;
    copyValMatrix(first, showAskMessage(textOf(*first)), 0.0);
    return 0;
}

}  // namespace

int32_t ask(const Operation& call) {
    const Matrix& count = call.at(0);
    if (count.kind != LATTIX_KIND_SCALAR) return kWrongParameterCount;
    const double k = count.re[0];
    if (k != 1 && k != 2 && k != 4 && k != 6) return kWrongParameterCount;
    const int parameters = int(k);
    if (*call.top - parameters < 1) return kNotEnoughParameters;
    Matrix* first = &call.at(-parameters);
    // Reading and storing variables needs the engine's services.
    const int32_t r = parameters == 1            ? askMessage(first)
                      : call.services == nullptr ? kSyntaxError
                                                 : askValues(call, parameters / 2, first);
    if (r == 0) *call.top = int16_t(*call.top - parameters);
    return r;
}

}  // namespace scripting
