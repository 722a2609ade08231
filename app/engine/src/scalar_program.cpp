#include "scalar_program.h"

#include "engine/code_list.h"
#include "engine/variables.h"
#include "variable_read.h"

namespace engine {

bool ScalarProgram::decode(const Token* list, ListBase at) {
    if (list == nullptr || list[0].code == 0) return false;
    fromBottom_ = at.fromBottom;
    // A run from the bottom reads the block slot holding 0; a nested one
    // reads nothing of its caller's.
    lowest_ = at.fromBottom ? kBlockStartTop : at.base + 1;
    start_ = at.base;
    count_ = 0;
    target_ = nullptr;
    int depth = start_;
    bool countOfOne = false;  // the last step pushed the assignment's count 1
    const Token* t = list;
    for (; t->code != 0; ++t) {
        if (count_ == kMaxSteps) return false;
        Step step{};
        const bool pushed = countOfOne;
        countOfOne = false;
        switch (Code(t->code)) {
            case Code::ElementwiseMarker: continue;
            case Code::Numeral:
            case Code::ImaginaryUnit:
            case Code::Variable:
                if (depth >= kLastValueSlot) return false;
                ++depth;
                if (t->code == code(Code::Variable)) {
                    if (!(t->value >= 0.0 && t->value < 65536.0)) return false;
                    step = {Op::Read, variableAt(uint16_t(t->value)), 0.0, 0.0};
                    if (step.variable == nullptr) return false;
                } else if (t->code == code(Code::Numeral)) {
                    step = {Op::Push, nullptr, t->value, 0.0};
                    countOfOne = t->value == 1.0;
                } else {
                    step = {Op::Push, nullptr, 0.0, 1.0};
                }
                break;
            case Code::Negate:
            case Code::NegatePower:
                if (depth < lowest_) return false;
                step.op = Op::Negate;
                break;
            case Code::Add:
            case Code::Subtract:
            case Code::Multiply:
            case Code::Divide:
                if (depth - 1 < lowest_) return false;
                --depth;
                step.op = t->code == code(Code::Add)        ? Op::Add
                          : t->code == code(Code::Subtract) ? Op::Subtract
                          : t->code == code(Code::Multiply) ? Op::Multiply
                                                            : Op::Divide;
                break;
            case Code::Assign:
                // 'name=value' ending the list, its count 1 pushed just before.
                if (t[1].code != 0 || !pushed || t->value == kAnswerReference ||
                    depth - 1 < lowest_ || !(t->value >= 0.0 && t->value < 65536.0))
                    return false;
                target_ = variableAt(uint16_t(t->value));
                if (target_ == nullptr) return false;
                --depth;
                step.op = Op::Assign;
                break;
            default: return false;
        }
        steps_[size_t(count_++)] = step;
    }
    tokens_ = uint32_t(t - list);
    top_ = depth;
    // The answer is a slot the run writes, and the slots it leaves are kept.
    return top_ >= lowest_ && top_ - lowest_ < kMaxKept;
}

bool ScalarProgram::run(double* re, double* im) const {
    int at = start_;
    if (fromBottom_) re[at] = im[at] = 0.0;
    for (int i = 0; i < count_; ++i) {
        const Step& s = steps_[size_t(i)];
        switch (s.op) {
            case Op::Push:
                ++at;
                re[at] = s.re;
                im[at] = s.im;
                break;
            case Op::Read: {
                const Matrix* m = scalarHeldBy(s.variable);
                if (m == nullptr) return false;
                ++at;
                re[at] = m->re[0];
                im[at] = m->im[0];
                break;
            }
            case Op::Negate:
                re[at] = -re[at];
                im[at] = -im[at];
                break;
            case Op::Assign: --at; break;
            default: {
                static constexpr uint32_t kCodes[] = {code(Code::Add), code(Code::Subtract),
                                                      code(Code::Multiply), code(Code::Divide)};
                ScalarValue z;
                if (!combineScalars(kCodes[int(s.op) - int(Op::Add)], {re[at - 1], im[at - 1]},
                                    {re[at], im[at]}, z))
                    return false;
                --at;
                re[at] = z.re;
                im[at] = z.im;
            }
        }
    }
    return true;
}

void ScalarProgram::commit(const double* re, const double* im) {
    if (target_ != nullptr) storeScalar(*target_, re[top_], im[top_]);
    for (int slot = lowest_; slot <= top_; ++slot)
        kept_[size_t(slot - lowest_)] = {re[slot], im[slot]};
}

void ScalarProgram::leave(Matrix* stack, Matrix& answer) const {
    for (int slot = lowest_; slot <= top_; ++slot) {
        const ScalarValue& v = kept_[size_t(slot - lowest_)];
        storeScalar(stack[slot], v.re, v.im);
    }
    const ScalarValue& v = kept_[size_t(top_ - lowest_)];
    storeScalar(answer, v.re, v.im);
}

}  // namespace engine
