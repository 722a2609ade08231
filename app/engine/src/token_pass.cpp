// The left-to-right token pass.
#include "token_pass.h"

#include <vector>

#include "engine/keyword_table.h"
#include "engine/name_lookup.h"
#include "engine/tokenizer.h"
#include "engine/user_functions.h"
#include "engine/variables.h"

namespace engine {
namespace {

// Counter values of an open level: a plain group accepts any number of
// commas; a function of fixed arity n starts at -n and must end at -1; one
// of any arity starts at 100 and ends with its argument count + 99.
constexpr int kPlainGroup = -1000;
constexpr int kAnyArity = 100;

uint32_t classOf(uint32_t routed) { return keypadOperatorClass(routed); }

bool isFunction(uint32_t routed) { return classOf(routed) == KEYPAD_CLASS_FUNCTION; }

class TokenPass {
public:
    TokenPass(std::u16string_view line, bool assignment, InfixTokens& out)
        : line_(line), assignment_(assignment), out_(out) {}

    Status run() {
        while (pos_ < line_.size()) {
            tokenStart_ = pos_;
            if (out_.size() > kTokenLimit) return kEquationTooLong;
            if (Status s = readToken(); s != kOk) return s;
        }
        tokenStart_ = line_.size();
        if (assignment_) {
            if (out_.empty() || out_[0].code != code(Code::IndexedVariable)) {
                tokenStart_ = 0;  // what stands before "=" is no variable
                return kSyntaxError;
            }
            out_[0].code = code(Code::Assign);
        }
        out_.push(code(Code::End));
        out_.push(code(Code::End));
        return levels_.empty() ? kOk : kMissingParenthesis;
    }

    size_t tokenStart() const { return tokenStart_; }

private:
    char16_t peek() const { return pos_ < line_.size() ? line_[pos_] : 0; }

    bool lastIs(Code c) const { return !out_.empty() && out_.back().code == code(c); }

    // Before a numeral, a name, "(" or "{", a value or a closed group just
    // before means multiplication.
    void implicitMultiplication() {
        if (out_.empty()) return;
        const uint32_t prev = out_.back().code;
        const bool operand = classOf(prev) == KEYPAD_CLASS_OPERAND && prev != code(Code::Comma) &&
                             prev != code(Code::Range);
        if (operand || prev == code(Code::CloseParen) || classOf(prev) == KEYPAD_CLASS_POSTFIX)
            out_.push(code(Code::Multiply));
    }

    Status openLevel() {
        if (levels_.size() >= kNestingLimit) return kEquationTooLong;
        int counter = kPlainGroup;
        if (!out_.empty() && isFunction(out_.back().code)) {
            const uint32_t prev = out_.back().code;
            const uint32_t arity = keypadOperatorArity(prev);
            if (isUserFunctionCode(prev)) {
                const UserFunction* f = userFunctionAt(userFunctionSlotOf(prev));
                if (f != nullptr && f->parameters > 0) counter = -f->parameters;
            } else if (arity == KEYPAD_ARITY_VARIABLE) {
                counter = kAnyArity;
            } else if (arity != 0) {
                counter = -int(arity);
            }
        }
        levels_.push_back(counter);
        out_.push(code(Code::OpenParen));
        return kOk;
    }

    Status closeLevel() {
        if (levels_.empty()) return kMissingParenthesis;
        int counter = levels_.back();
        levels_.pop_back();
        if (lastIs(Code::OpenParen)) {
            if (counter == kAnyArity)
                counter = kAnyArity - 1;
            else if (counter > -100)
                counter = 0;
        }
        if (counter >= 98) {
            out_.push(code(Code::Comma));
            out_.push(code(Code::Numeral), double(counter - 99));
        } else if (counter > -100 && counter != -1) {
            return kWrongParameterCount;
        }
        out_.push(code(Code::CloseParen));
        return kOk;
    }

    void countSeparator() {
        if (!levels_.empty()) ++levels_.back();
        out_.push(code(Code::Comma));
    }

    // A name or letter directly followed by "[" is indexed; the "[" then
    // opens its argument list.
    Status pushVariable(uint16_t reference) {
        if (peek() == u'[') {
            out_.push(code(Code::IndexedVariable), reference);
            ++pos_;
            return openLevel();
        }
        out_.push(code(Code::Variable), reference);
        return kOk;
    }

    Status readToken() {
        const char16_t c = line_[pos_];
        if (isNumeralChar(c)) {
            implicitMultiplication();
            const NumeralRead n = readNumeral(line_, pos_);
            pos_ = n.end;
            if (n.status != kOk) return n.status;
            out_.push(code(Code::Numeral), n.value);
            return kOk;
        }
        if (isNameChar(c)) return readNameToken();
        if (c == u'"') {
            StringRead s = readStringLiteral(line_, pos_);
            pos_ = s.end;
            if (s.status != kOk) return s.status;
            return out_.pushText(code(Code::StringLiteral), s.text) ? kOk : kEquationTooLong;
        }
        ++pos_;
        return readOperator(c);
    }

    Status readNameToken() {
        implicitMultiplication();
        const NameRead n = readName(line_, pos_);
        pos_ = n.end;
        if (n.status != kOk) return n.status;

        const uint32_t routed = lookupName(n.name);
        if (routed == 0) return readVariableName(n.name);

        const uint32_t cls = classOf(routed);
        if ((cls == KEYPAD_CLASS_ADDITIVE || cls == KEYPAD_CLASS_POSTFIX) &&
            lastIs(Code::Multiply))
            out_.pop();

        if (routed == code(Code::WorkspaceCall)) {
            if (!out_.pushText(routed, n.name)) return kEquationTooLong;
            // A bare Workspace name is a call with the single argument 0,
            // compiled exactly as if "(0)" had been written.
            if (peek() == u'(') return kOk;
            if (Status s = openLevel(); s != kOk) return s;
            out_.push(code(Code::Numeral), 0.0);
            return closeLevel();
        }
        if (routed == code(Code::Answer)) {
            if (peek() == u'[') {
                out_.push(code(Code::IndexedVariable), kAnswerReference);
                ++pos_;
                return openLevel();
            }
            out_.push(peek() == u'(' ? code(Code::AnswerBack) : routed);
            return kOk;
        }
        if (isFunction(routed) && keypadOperatorArity(routed) != 0 && peek() != u'(')
            return kWrongParameterCount;
        out_.push(routed);
        return kOk;
    }

    Status readVariableName(std::u16string_view name) {
        uint16_t reference = findVariable(name);
        if (reference == kNoVariable && assignment_ && out_.empty()) {
            if (name.size() > kVariableNameLimit) return kSyntaxError;
            reference = addVariable(name, nullptr);
        }
        if (reference != kNoVariable) return pushVariable(reference);

        // Otherwise a run of one-letter variables: 'abc' is a*b*c.
        for (size_t i = 0; i < name.size(); ++i) {
            const uint16_t letter = findVariable(name.substr(i, 1));
            if (letter == kNoVariable) return kUnrecognizedSymbol;
            if (i > 0) out_.push(code(Code::Multiply));
            if (i + 1 == name.size()) return pushVariable(letter);
            out_.push(code(Code::Variable), letter);
        }
        return kOk;
    }

    Status readOperator(char16_t c) {
        const uint32_t routed = lookupOperatorChar(c);
        if (routed == 0) return kUnrecognizedSymbol;
        switch (c) {
            case u'+':
                // Where a minus would be a sign, a plus is one too: dropped.
                if (!signPosition()) out_.push(routed);
                return kOk;
            case u'-':
                out_.push(minusCode());
                return kOk;
            case u'(':
                implicitMultiplication();
                return openLevel();
            case u')':
                return closeLevel();
            case u'[':
                out_.push(code(Code::ApplyIndex));
                out_.push(code(Code::IndexList));
                return openLevel();
            case u'{':
                if (literalOpen_) return kSyntaxError;
                implicitMultiplication();
                out_.push(routed);
                literalOpen_ = true;
                rows_ = 1;
                return openLevel();
            case u'|':
                if (literalOpen_) ++rows_;
                countSeparator();
                return kOk;
            case u',':
                countSeparator();
                return kOk;
            case u'}':
                // Without an open literal the row count is 0, which the
                // evaluator refuses.
                out_.push(code(Code::Numeral), literalOpen_ ? rows_ : 0);
                literalOpen_ = false;
                rows_ = 0;
                return closeLevel();
            case u'_':
                return kOk;
            default:
                out_.push(routed);
                return kOk;
        }
    }

    // A sign rather than a binary operator: first in the line, or after "(",
    // "," or an operator of class 1, 2 or 3.
    bool signPosition() const {
        if (out_.empty()) return true;
        const uint32_t prev = out_.back().code;
        const uint32_t cls = classOf(prev);
        return prev == code(Code::OpenParen) || prev == code(Code::Comma) ||
               cls == KEYPAD_CLASS_ADDITIVE || cls == KEYPAD_CLASS_MULTIPLICATIVE ||
               cls == KEYPAD_CLASS_POWER;
    }

    uint32_t minusCode() const {
        if (!signPosition()) return code(Code::Subtract);
        if (!out_.empty() && classOf(out_.back().code) == KEYPAD_CLASS_POWER)
            return code(Code::NegatePower);
        return code(Code::Negate);
    }

    std::u16string_view line_;
    size_t pos_ = 0;
    // Where the token being read began (the line's end once all are read).
    size_t tokenStart_ = 0;
    bool assignment_;
    InfixTokens& out_;
    std::vector<int> levels_;
    bool literalOpen_ = false;
    int rows_ = 0;
};

// n in "ANS(n)": optional sign and decimal digits; anything else reads as 0.
int readAnswerDistance(std::u16string_view digits) {
    size_t i = 0;
    bool negative = false;
    if (i < digits.size() && (digits[i] == u'-' || digits[i] == u'+')) negative = digits[i++] == u'-';
    long long n = 0;
    for (; i < digits.size() && digits[i] >= u'0' && digits[i] <= u'9'; ++i)
        if (n < 1000000000) n = n * 10 + (digits[i] - u'0');
    return int(negative ? -n : n);
}

}  // namespace

Status tokenPass(const RewrittenLine& line, InfixTokens& out, size_t* failedAt) {
    TokenPass pass(line.text, line.assignment, out);
    const Status s = pass.run();
    if (s != kOk && failedAt != nullptr) *failedAt = pass.tokenStart();
    return s;
}

Status libraryTextTokens(char16_t letter, std::u16string_view text, InfixTokens& out) {
    const std::u16string name = std::u16string(u"extern") + letter;
    const uint32_t routed = lookupName(name);
    if (routed == 0) return kSyntaxError;
    out.push(routed);
    out.push(code(Code::OpenParen));

    while (!text.empty() && text.front() == u' ') text.remove_prefix(1);
    for (;;) {
        // The line is not bounded by the 200-character rewrite, so its token
        // count is checked here against the same limit.
        if (out.size() > kTokenLimit) return kEquationTooLong;
        const size_t at = text.find(u"ANS");
        if (at == std::u16string_view::npos) break;
        if (!out.pushText(code(Code::StringLiteral), text.substr(0, at))) return kEquationTooLong;
        text.remove_prefix(at + 3);
        int distance = 1;
        if (!text.empty() && text.front() == u'(') {
            const size_t close = text.find(u')');
            if (close == std::u16string_view::npos) return kSyntaxError;
            distance = readAnswerDistance(text.substr(1, close - 1));
            text.remove_prefix(close + 1);
        }
        out.push(code(Code::Add));
        out.push(code(Code::AnswerAsText), distance);
        out.push(code(Code::Add));
    }
    if (!out.pushText(code(Code::StringLiteral), text)) return kEquationTooLong;
    out.push(code(Code::CloseParen));
    out.push(code(Code::End));
    out.push(code(Code::End));
    return kOk;
}

}  // namespace engine
