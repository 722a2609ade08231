// Reading an operator's parameters from the value stack, and the kinds of
// value the graphing operators accept.
#ifndef ORVANA_GRAPHING_STACK_ARGUMENTS_H
#define ORVANA_GRAPHING_STACK_ARGUMENTS_H

#include <cstdint>
#include <string>
#include <string_view>

#include "graphing_codes.h"
#include "keypad_support/stack_values.h"
#include "lattix.h"

namespace graphing {

// Value-stack entries 0 to 3 are guards, never parameters.
inline constexpr int kFirstParameterSlot = 4;

// The parameters of one call: parameter i (1-based, as written) is
// stack[first + i - 1].
class Parameters {
  public:
    Parameters() = default;
    Parameters(Matrix* stack, int first, int count) : stack_(stack), first_(first), count_(count) {}
    int count() const { return count_; }
    int firstSlot() const { return first_; }
    Matrix& operator[](int i) const { return stack_[first_ + i - 1]; }

  private:
    Matrix* stack_ = nullptr;
    int first_ = 0;
    int count_ = 0;
};

// A function with a variable number of parameters: the count is the top
// entry and the parameters lie below it. 6 when the count is not a whole
// number that fits above the guard entries. The top index is left alone.
Status variableParameters(Matrix* stack, const int16_t* top, Parameters& out);
// n parameters with no count entry, parameter n at the top; 11 when they
// would reach into the guard entries.
Status fixedParameters(Matrix* stack, const int16_t* top, int n, Parameters& out);

using keypad_support::isNumeric;
using keypad_support::isString;
bool isScalar(const Matrix& m);
// The text of a String value (empty for anything else), read no further
// than the value's storage reaches.
std::u16string_view textOf(const Matrix& m);

// The data a parameter stands for: itself, or the variable a String names;
// null when the String names no variable.
const Matrix* resolveData(const Matrix& m, const HostServices* services);

}  // namespace graphing

#endif
