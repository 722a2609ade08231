// Classifying a key's text and writing the composed expression. The result
// of an operation on entries goes into the entry that received the left (or
// only) operand; an assignment prefix ("a=" or "V:") of that entry stays in
// front of the result.
#include "engine/rpn_composition.h"

#include <initializer_list>

#include "engine/code_list.h"
#include "engine/name_lookup.h"
#include "engine/parser.h"
#include "engine/rpn_text.h"
#include "engine/user_functions.h"
#include "platform/edit_control.h"
#include "rpn_composition_internal.h"
#include "rpn_stack.h"

namespace engine {
namespace {

constexpr int kOperandPrecedence = 50;

enum Class : int {
    kNone = -100,        // the key does nothing here
    kTyped = -101,       // the text is typed into the edit line
    kStringEntry = -102, // a string or index entry opened in the edit line
    kJoin = -1,
    kAssign = -3,
    kPrefix = -4,
    kNegate = -5,
    kPostfix = 4,
    kFunction = 5,
    kNameWithArguments = 9,
    kBraces = 11,
};

struct KeyClass {
    int cls = kNone;
    std::u16string name;       // function name
    std::u16string arguments;  // class 9: the key's text after its "("
    int parameters = 1;        // class 5: 2 for a 2-parameter function
};

bool isUpper(char16_t c) { return c >= u'A' && c <= u'Z'; }

int parametersOf(uint32_t routed) {
    if (isUserFunctionCode(routed)) {
        const UserFunction* f = userFunctionAt(userFunctionSlotOf(routed));
        return f != nullptr && f->parameters == 2 ? 2 : 1;
    }
    return keypadOperatorArity(routed) == 2 ? 2 : 1;
}

KeyClass classifyName(std::u16string_view t) {
    KeyClass k;
    const size_t paren = t.find(u'(');
    if (t[0] == u'_') {
        const size_t close = t.find(u'_', 1);
        k.name = std::u16string(t.substr(1, close == std::u16string_view::npos ? close : close - 1));
    } else {
        k.name = std::u16string(t.substr(0, paren));
    }
    if (paren != std::u16string_view::npos) k.arguments = std::u16string(t.substr(paren + 1));
    const uint32_t routed = lookupName(k.name);
    const int cls = int(keypadOperatorClass(routed));
    if (cls == 0) {
        k.cls = paren != std::u16string_view::npos ? kNameWithArguments : kTyped;
    } else if (cls <= kFunction) {
        k.cls = cls;
        if (cls == kFunction) k.parameters = parametersOf(routed);
    } else {
        k.cls = kTyped;
    }
    return k;
}

KeyClass classify(std::u16string_view t) {
    KeyClass k;
    if (t.empty()) return k;
    if (t.size() >= 2) {
        if (t[0] == u'"' || t[0] == u'[') k.cls = kStringEntry;
        else if (t[0] == u'(') k.cls = kTyped;
        else if (t[0] == u'{') k.cls = kBraces;
        else if (isUpper(t[0]) && t[1] == u':') k.cls = kPrefix;
        else return classifyName(t);
        return k;
    }
    switch (t[0]) {
        case u'\n': k.cls = kNegate; break;
        case u',':
        case u'|': k.cls = kJoin; break;
        case u'=': k.cls = kAssign; break;
        default: {
            const int cls = int(keypadOperatorClass(lookupOperatorChar(t[0])));
            k.cls = cls >= 1 && cls <= kPostfix ? cls : kTyped;
        }
    }
    return k;
}

// The pieces one after the other.
std::u16string joined(std::initializer_list<std::u16string_view> pieces) {
    std::u16string out;
    for (std::u16string_view piece : pieces) out.append(piece);
    return out;
}

std::u16string parenthesised(std::u16string_view text) { return joined({u"(", text, u")"}); }

// The last code of the text's code list, 0 when it does not compile.
uint32_t lastCode(std::u16string_view text) {
    const std::u16string terminated(text);
    Token* list = nullptr;
    uint32_t last = 0;
    if (compileExpression(terminated.c_str(), &list) == 0 && list != nullptr) {
        for (const Token* t = list; t->code != 0; ++t) last = t->code;
    }
    freeCode(list);
    return last;
}

// Whether the "(" at `open` is closed by the text's last character.
bool enclosesRest(std::u16string_view text, size_t open) {
    if (text.size() < open + 2 || text[open] != u'(' || text.back() != u')') return false;
    int depth = 0;
    for (size_t i = open; i < text.size(); ++i) {
        if (text[i] == u'(') ++depth;
        if (text[i] == u')' && --depth == 0) return i + 1 == text.size();
    }
    return false;
}

std::u16string negated(std::u16string_view text) {
    if (lastCode(text) == code(Code::Negate) && !text.empty() && text[0] == u'-') {
        if (enclosesRest(text, 1)) return std::u16string(text.substr(2, text.size() - 3));
        return std::u16string(text.substr(1));
    }
    if (textPrecedence(text) == kOperandPrecedence) return joined({u"-", text});
    return joined({u"-(", text, u")"});
}

// The result of a one-operand class on the operand's text (its assignment
// prefix already split off, except for the prefix class itself).
std::u16string unaryResult(const KeyClass& k, std::u16string_view t, std::u16string_view operand) {
    switch (k.cls) {
        case kPostfix:
            return (textPrecedence(operand) < kPostfix ? parenthesised(operand)
                                                       : std::u16string(operand)) +
                   std::u16string(t);
        case kFunction: return joined({k.name, u"(", operand, u")"});
        case kNameWithArguments: return joined({k.name, u"(", operand, k.arguments});
        case kBraces: return joined({u"{", operand, u"}"});
        case kNegate: return negated(operand);
        default: {  // kPrefix
            if (!operand.empty() && operand[0] == t[0]) return std::u16string(operand);
            return joined({t.substr(0, 2), operand});
        }
    }
}

std::u16string binaryResult(const KeyClass& k, std::u16string_view t, std::u16string_view left,
                            std::u16string right, const Matrix* leftAnswer) {
    if (k.cls == kAssign) {
        // The name typed last receives the value below it.
        if (right.find(u'=') != std::u16string::npos) return right;
        return joined({right, u"=", left});
    }
    renumberAns(right, -1, leftAnswer);
    const int leftPrecedence = textPrecedence(left);
    const int rightPrecedence = textPrecedence(right);
    const bool associative = t == u"*" || t == u"+";
    std::u16string result =
        leftPrecedence < k.cls ? parenthesised(left) : std::u16string(left);
    result += t;
    if (rightPrecedence > k.cls || (rightPrecedence == k.cls && associative))
        result += right;
    else
        result += parenthesised(right);
    return result;
}

struct Split {
    std::u16string prefix;
    std::u16string rest;
};

Split split(std::u16string_view text) {
    Split s;
    splitAssignment(text, s.prefix, s.rest);
    return s;
}

class Composer {
public:
    Composer(KeyHost& host, std::u16string_view t)
        : host_(host), stack_(host), t_(t), k_(classify(t)), line_(stack_.line()) {}

    bool run();

private:
    bool typeIntoLine();
    bool openStringEntry();
    bool unary();
    bool function();
    bool binary();
    // The entry at `index` receives `result` behind its assignment prefix.
    void commitEntry(int index, const std::u16string& prefix, const std::u16string& result) {
        stack_.commit(index, joined({prefix, result}));
    }

    KeyHost& host_;
    RpnStack stack_;
    std::u16string_view t_;
    KeyClass k_;
    std::u16string line_;
};

bool Composer::run() {
    switch (k_.cls) {
        case kNone: return false;
        case kTyped: return typeIntoLine();
        case kStringEntry: return openStringEntry();
        case kFunction: return function();
        case kJoin:
        case kAssign:
        case 1:
        case 2:
        case 3: return binary();
        default: return unary();
    }
}

bool Composer::typeIntoLine() {
    collapseSelection(host_.editLine());
    const std::u16string text(t_);
    if (!platformEditReplaceSelection(host_.editLine(), text.c_str()))
        host_.reportError(kEquationTooLong);
    return false;
}

bool Composer::openStringEntry() {
    typeIntoLine();
    int32_t start = 0, end = 0;
    platformEditGetSelection(host_.editLine(), &start, &end);
    if (end > 0) platformEditSetSelection(host_.editLine(), end - 1, end - 1);
    host_.setRpnDisplay(false);
    return false;
}

bool Composer::unary() {
    const bool onLine = !line_.empty();
    if (!onLine && !stack_.hasTop()) return false;
    const std::u16string operand = onLine ? line_ : stack_.text(stack_.top());
    Split s;
    if (k_.cls == kPrefix) s.rest = operand;
    else s = split(operand);
    const std::u16string result = unaryResult(k_, t_, s.rest);
    if (onLine) {
        stack_.record(UndoKind::RpnComposedEditLine, line_);
        stack_.setLine(joined({s.prefix, result}));
    } else {
        stack_.record(UndoKind::RpnReplacedAbove, operand,
                      stack_.hasSecond() ? stack_.text(stack_.second()) : std::u16string());
        commitEntry(stack_.top(), s.prefix, result);
    }
    stack_.finish();
    return true;
}

bool Composer::function() {
    const bool onLine = !line_.empty();
    const bool pair = k_.parameters == 2;
    if (onLine && pair && stack_.hasTop() && line_.find(u',') == std::u16string::npos) {
        const int top = stack_.top();
        const std::u16string topText = stack_.text(top);
        Split s = split(topText);
        std::u16string right = line_;
        renumberAns(right, -1, stack_.answer(top));
        stack_.record(UndoKind::RpnReplacedAboveAndLast, line_, topText);
        commitEntry(top, s.prefix, joined({k_.name, u"(", s.rest, u",", right, u")"}));
        stack_.finish();
        return true;
    }
    if (!onLine && pair && stack_.hasSecond() &&
        stack_.text(stack_.top()).find(u',') == std::u16string::npos) {
        const int second = stack_.second();
        std::u16string right = stack_.text(stack_.top());
        const std::u16string secondText = stack_.text(second);
        stack_.record(UndoKind::RpnReplacedTwoAbove, right, secondText);
        renumberAns(right, -1, stack_.answer(second));
        Split s = split(secondText);
        stack_.dropLast();
        commitEntry(second, s.prefix, joined({k_.name, u"(", s.rest, u",", right, u")"}));
        stack_.finish();
        return true;
    }
    return unary();
}

bool Composer::binary() {
    const bool onLine = !line_.empty();
    if (onLine ? !stack_.hasTop() : !stack_.hasSecond()) return false;
    const int target = onLine ? stack_.top() : stack_.second();
    const std::u16string left = stack_.text(target);
    const std::u16string right = onLine ? line_ : stack_.text(stack_.top());
    if (onLine) stack_.record(UndoKind::RpnReplacedAboveAndLast, line_, left);
    else stack_.record(UndoKind::RpnReplacedTwoAbove, right, left);

    Split s;
    if (k_.cls == kAssign) s.rest = left;
    else s = split(left);
    const std::u16string result = binaryResult(k_, t_, s.rest, right, stack_.answer(target));
    if (!onLine) stack_.dropLast();
    commitEntry(target, s.prefix, result);
    stack_.finish();
    return true;
}

}  // namespace

int textPrecedence(std::u16string_view text) {
    const int cls = int(keypadOperatorClass(lastCode(text)));
    return cls == 0 ? kOperandPrecedence : cls;
}

bool composeRpnRecorded(KeyHost& host, std::u16string_view keyText) {
    BlockList& blocks = host.blocks();
    if (host.active() != blocks.count() - 1) return false;
    Composer composer(host, keyText);
    return composer.run();
}

void composeRpn(KeyHost& host, std::u16string_view keyText) {
    composeRpnRecorded(host, keyText);
}

}  // namespace engine
