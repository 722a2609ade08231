// Compiled formulas and the variables they run with.
#include "formula.h"

#include <limits>
#include <string>

#include "stack_arguments.h"

namespace advanced {

Status Variable::find(const HostServices* services, const char16_t* name, Variable& out) {
    // The main program would store a longer name cut short, so the next
    // lookup of the full name would make yet another variable.
    const size_t length = std::char_traits<char16_t>::length(name);
    if (length == 0 || length > kVariableNameUnits) return kInvalidParameter;
    uint16_t handle = services->findVariable(name);
    if (handle == KEYPAD_NO_VARIABLE) handle = services->createVariable(name);
    if (handle == KEYPAD_NO_VARIABLE || services->variableAt(handle) == nullptr)
        return kValueOutOfBounds;
    out = Variable(services, handle);
    return kOk;
}

Matrix* Variable::value() const {
    return services_ != nullptr ? services_->variableAt(handle_) : nullptr;
}

void Variable::set(double x) const {
    Matrix* m = value();
    if (m == nullptr) return;
    if (isNumeric(*m))
        m->re[0] = x;
    else
        copyValMatrix(m, x, 0.0);
}

double Variable::get() const {
    const Matrix* m = value();
    return m != nullptr && isNumeric(*m) ? m->re[0] : 0.0;
}

SavedValue::SavedValue(const Variable& variable) : variable_(variable), copy_(newMatrix(0, 0)) {
    if (copy_ != nullptr && variable_.value() != nullptr) copyMatMatrix(copy_, variable_.value());
}

SavedValue::~SavedValue() {
    if (copy_ == nullptr) return;
    if (Matrix* m = variable_.value(); m != nullptr) copyMatMatrix(m, copy_);
    delMatrix(copy_);
}

void SavedValue::keepCurrent() {
    if (copy_ != nullptr) delMatrix(copy_);
    copy_ = nullptr;
}

Formula::~Formula() {
    if (list_ != nullptr) services_->freeCode(list_);
    if (result_ != nullptr) delMatrix(result_);
}

Status Formula::compile(const Matrix& text) {
    if (list_ != nullptr) {
        services_->freeCode(list_);
        list_ = nullptr;
    }
    if (result_ == nullptr) result_ = newMatrix(1, 1);
    const Status s =
        services_->compileExpression(reinterpret_cast<const char16_t*>(text.re), &list_);
    if (s != kOk && list_ != nullptr) {
        services_->freeCode(list_);
        list_ = nullptr;
    }
    return s;
}

double Formula::at(const Variable& variable, double x) {
    variable.set(x);
    return value();
}

double Formula::value() {
    if (result_ == nullptr || failure_ != 0) return std::numeric_limits<double>::quiet_NaN();
    failure_ = services_->runCode(list_, result_, angleMode_);
    if (failure_ != 0) return std::numeric_limits<double>::quiet_NaN();
    return isNumeric(*result_) ? result_->re[0] : std::numeric_limits<double>::quiet_NaN();
}

Status Formula::failure() const {
    // Below 100 the low byte names one of the main program's messages,
    // whichever library gave it.
    const Status message = failure_ & 0xFFu;
    if (failure_ == 0) return kOk;
    return message != 0 && message < 100 ? message : kInvalidParameter;
}

bool Formula::takeFailure() {
    const bool failed = failure_ != 0;
    failure_ = 0;
    return failed;
}

}  // namespace advanced
