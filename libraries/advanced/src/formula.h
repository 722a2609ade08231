// A formula given as text, compiled once through the host services and run
// at as many points as a numerical method needs, with one variable set to
// each point; released when it goes out of scope.
#ifndef ORVANA_ADVANCED_FORMULA_H
#define ORVANA_ADVANCED_FORMULA_H

#include <cstddef>
#include <cstdint>

#include "advanced_codes.h"
#include "keypad.h"
#include "lattix.h"

namespace advanced {

// Variable names are at most this long.
constexpr size_t kVariableNameUnits = 10;

// A variable of the main program by handle. Its Matrix is looked up again
// for every use: a formula may reshape the value, never move the record.
class Variable {
public:
    Variable() = default;
    Variable(const HostServices* services, uint16_t handle)
        : services_(services), handle_(handle) {}
    // Finds the variable, creating it (as a global) when there is none. An
    // empty name or one of more than 10 units gives 14; a variable that
    // cannot be had at all gives 56.
    static Status find(const HostServices* services, const char16_t* name, Variable& out);

    Matrix* value() const;
    // Writes the real part of the first element; a value without a numeric
    // element first becomes the real scalar 0.
    void set(double x) const;
    // The real part of the first element, 0 for a value without one.
    double get() const;

private:
    const HostServices* services_ = nullptr;
    uint16_t handle_ = KEYPAD_NO_VARIABLE;
};

// A copy of a variable's value, put back when the copy goes out of scope
// unless kept.
class SavedValue {
public:
    explicit SavedValue(const Variable& variable);
    ~SavedValue();
    // The variable keeps whatever it holds now.
    void keepCurrent();
    SavedValue(const SavedValue&) = delete;
    SavedValue& operator=(const SavedValue&) = delete;

private:
    Variable variable_;
    Matrix* copy_;
};

class Formula {
public:
    Formula(const HostServices* services, int32_t angleMode)
        : services_(services), angleMode_(angleMode) {}
    ~Formula();
    Formula(const Formula&) = delete;
    Formula& operator=(const Formula&) = delete;

    // Compiles the text of a string value; gives the compiler's status.
    Status compile(const Matrix& text);
    // Sets the variable to x and runs the formula; the real part of the
    // result's first element (NaN when the result is not a number). After a
    // run has failed, the formula is not run again and gives NaN, until the
    // failure is taken.
    double at(const Variable& variable, double x);
    // Runs the formula with the variables as they are.
    double value();
    // The code of the run that failed, as this library can report it (0 when
    // none failed): the main program's messages keep their number; a message
    // of another library cannot be routed through this one and becomes 14.
    Status failure() const;
    // True when a run has failed; the failure is forgotten, so that the
    // formula runs again.
    bool takeFailure();

private:
    const HostServices* services_;
    int32_t angleMode_;
    Token* list_ = nullptr;
    Matrix* result_ = nullptr;
    uint16_t failure_ = 0;
};

}  // namespace advanced

#endif
