// An expression text compiled through the host services, run as often as
// needed and freed when it goes out of scope.
#ifndef ORVANA_GRAPHING_COMPILED_EXPRESSION_H
#define ORVANA_GRAPHING_COMPILED_EXPRESSION_H

#include <cstdint>
#include <string_view>

#include "graphing_codes.h"
#include "keypad.h"
#include "lattix.h"

namespace graphing {

class CompiledExpression {
  public:
    explicit CompiledExpression(const HostServices* services) : services_(services) {}
    ~CompiledExpression();
    CompiledExpression(const CompiledExpression&) = delete;
    CompiledExpression& operator=(const CompiledExpression&) = delete;

    // The compiler's code (0 when compiled); 14 without the services.
    Status compile(std::u16string_view text);
    // Runs the code; the real part of the answer's first element goes to
    // value. Non-zero: the run's code, or 14 when the answer is no number.
    Status run(int32_t angleMode, double& value);

  private:
    const HostServices* services_;
    Token* list_ = nullptr;
    Matrix* answer_ = nullptr;
};

// A variable's value, put back when this goes out of scope.
class SavedVariable {
  public:
    SavedVariable(const HostServices* services, uint16_t handle);
    ~SavedVariable();
    SavedVariable(const SavedVariable&) = delete;
    SavedVariable& operator=(const SavedVariable&) = delete;

    // Sets the variable to a real scalar.
    void set(double value) const;

  private:
    Matrix* variable() const;
    const HostServices* services_;
    uint16_t handle_;
    Matrix* copy_;
};

}  // namespace graphing

#endif
