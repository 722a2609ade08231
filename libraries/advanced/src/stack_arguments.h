// Reading the arguments of one operator from the value stack, and turning
// argument values into numbers and sizes.
#ifndef ORVANA_ADVANCED_STACK_ARGUMENTS_H
#define ORVANA_ADVANCED_STACK_ARGUMENTS_H

#include <cstdint>

#include "advanced_codes.h"
#include "lattix.h"

namespace advanced {

// Value-stack entries 0 to 3 are guards, never arguments.
constexpr int kFirstArgumentSlot = 4;

// The arguments of a call: argument i (0-based) is stack[first + i].
class Arguments {
public:
    Arguments(Matrix* stack, int first, int count) : stack_(stack), first_(first), count_(count) {}
    int count() const { return count_; }
    int firstSlot() const { return first_; }
    Matrix& operator[](int i) const { return stack_[first_ + i]; }
    Matrix& last() const { return stack_[first_ + count_ - 1]; }

private:
    Matrix* stack_;
    int first_;
    int count_;
};

// A function with a variable number of parameters: the count k is the top
// entry and the arguments lie below it. Gives 0 and the arguments, or 6 for
// a count that is not a number or reaches below the first argument slot.
// The top index is left alone.
Status variableArguments(Matrix* stack, const int16_t* top, Arguments& out);
// A function of n parameters with no count entry: parameter 1 at top - n + 1.
// Gives 0, or 11 when the parameters would reach below the first slot.
Status fixedArguments(Matrix* stack, const int16_t* top, int n, Arguments& out);

bool isString(const Matrix& m);
// A number or a matrix with at least one element.
bool isNumeric(const Matrix& m);
// The number of elements of a numeric value, 0 for anything else.
int elementCount(const Matrix& m);
// The real part of a numeric value's first element; 9 for anything else.
Status firstReal(const Matrix& m, double& out);
// As firstReal, truncated towards 0 and clamped to +-2^31; NaN gives 14.
Status truncatedSize(const Matrix& m, int64_t& out);

}  // namespace advanced

#endif
