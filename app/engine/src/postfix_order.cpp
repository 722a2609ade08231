// Precedence-driven reordering. Every token has a binding level: its class
// plus 3 for classes 0 to 5, and 9 for parentheses. step() handles the token
// under the cursor and returns the level of what follows it (0 at the end, 1
// at a closing parenthesis); operators gather their right operand by stepping
// while what follows binds tighter than themselves.
#include "postfix_order.h"

#include <unordered_set>
#include <vector>

#include "platform/heap.h"

namespace engine {
namespace {

constexpr int kEndLevel = 0;
constexpr int kCloseLevel = 1;

int level(const Token& t) {
    const uint32_t cls = keypadOperatorClass(t.code);
    if (cls == KEYPAD_CLASS_PARENTHESIS) return 9;
    return cls <= KEYPAD_CLASS_FUNCTION ? int(cls) + 3 : 3;
}

class Reorder {
public:
    Reorder(const InfixTokens& in, std::vector<Token>& out) : in_(in), out_(out) {}

    void all() { run(2); }

private:
    const Token& at() const { return in_[cursor_]; }
    const Token& next() const { return in_[cursor_ + 1 < in_.size() ? cursor_ + 1 : cursor_]; }
    // The list ends with two end tokens; the cursor never leaves it.
    void advance() {
        if (cursor_ + 1 < in_.size()) ++cursor_;
    }
    bool isEnd() const { return at().code == code(Code::End); }

    void run(int r) {
        do {
            r = step(r);
            advance();
        } while (r != kEndLevel && r != kCloseLevel);
    }

    int step(int callerLevel) {
        const Token t = at();
        if (isEnd()) return kEndLevel;
        const uint32_t cls = keypadOperatorClass(t.code);
        switch (cls) {
            case KEYPAD_CLASS_OPERAND: {
                if (t.code == code(Code::Range)) {
                    int r;
                    do {
                        advance();
                        r = step(3);
                    } while (r > 3);
                    out_.push_back(t);
                    return r == kCloseLevel || r == kEndLevel ? r : level(next());
                }
                if (t.code != code(Code::Comma)) out_.push_back(t);
                return level(next());
            }
            case KEYPAD_CLASS_ADDITIVE:
            case KEYPAD_CLASS_MULTIPLICATIVE:
            case KEYPAD_CLASS_POWER: {
                const int own = int(cls) + 3;
                if (callerLevel > own) return callerLevel;
                return gather(t, own);
            }
            case KEYPAD_CLASS_POSTFIX:
                out_.push_back(t);
                return level(next());
            case KEYPAD_CLASS_FUNCTION:
                return gather(t, 8);
            case KEYPAD_CLASS_PARENTHESIS: {
                if (t.code != code(Code::OpenParen)) return kCloseLevel;
                advance();
                const size_t before = cursor_;
                run(2);
                // run() moved past the ")"; stand on it again.
                if (cursor_ > before && in_[cursor_ - 1].code == code(Code::CloseParen)) --cursor_;
                if (isEnd()) return kEndLevel;
                const Token& after = next();
                return keypadOperatorClass(after.code) == KEYPAD_CLASS_PARENTHESIS ? 3 : level(after);
            }
            default:
                // Classes 7 to 15 are not in use; such a token is written as
                // an operand so nothing is lost.
                out_.push_back(t);
                return level(next());
        }
    }

    // Steps over the operand(s) after t while they bind tighter, then writes t.
    int gather(const Token& t, int own) {
        int r;
        do {
            advance();
            r = step(own);
        } while (r > own);
        out_.push_back(t);
        return r;
    }

    const InfixTokens& in_;
    std::vector<Token>& out_;
    size_t cursor_ = 0;
};

}  // namespace

Status orderPostfix(InfixTokens& infix, bool elementwise, Token** list) {
    std::vector<Token> postfix;
    postfix.reserve(infix.size() + 2);
    if (elementwise) postfix.push_back(Token{code(Code::ElementwiseMarker), 0.0});
    Reorder(infix, postfix).all();
    postfix.push_back(Token{code(Code::End), 0.0});

    // Room for the token count plus 10, as every consumer of code lists
    // expects.
    const size_t room = infix.size() + 10 > postfix.size() ? infix.size() + 10 : postfix.size();
    std::unordered_set<const char16_t*> taken;
    for (const Token& t : postfix)
        if (carriesText(t.code)) taken.insert(tokenText(t));
    auto* out = static_cast<Token*>(platformHeapAllocZeroed(room * sizeof(Token)));
    if (out == nullptr) return kEquationTooLong;
    for (size_t i = 0; i < postfix.size(); ++i) out[i] = postfix[i];
    infix.handOver(taken);
    *list = out;
    return kOk;
}

}  // namespace engine
