// Compiling and running expression texts on the main program's engine.
#include "compiled_expression.h"

#include <string>

#include "stack_arguments.h"

namespace graphing {

CompiledExpression::~CompiledExpression() {
    if (list_ != nullptr) services_->freeCode(list_);
    if (answer_ != nullptr) delMatrix(answer_);
}

Status CompiledExpression::compile(std::u16string_view text) {
    if (services_ == nullptr || services_->compileExpression == nullptr ||
        services_->runCode == nullptr || services_->freeCode == nullptr)
        return kInvalidParameter;
    if (list_ != nullptr) services_->freeCode(list_);
    list_ = nullptr;
    const std::u16string terminated(text);
    const Status status = services_->compileExpression(terminated.c_str(), &list_);
    if (status != kOk && list_ != nullptr) {
        services_->freeCode(list_);
        list_ = nullptr;
    }
    return status;
}

Status CompiledExpression::run(int32_t angleMode, double& value) {
    if (answer_ == nullptr) answer_ = newMatrix(1, 1);
    if (answer_ == nullptr) return kInvalidParameter;
    const Status status = services_->runCode(list_, answer_, angleMode);
    if (status != kOk) return status;
    if (!isNumeric(*answer_)) return kInvalidParameter;
    value = answer_->re[0];
    return kOk;
}

SavedVariable::SavedVariable(const HostServices* services, uint16_t handle)
    : services_(services), handle_(handle), copy_(newMatrix(1, 1)) {
    if (copy_ != nullptr && variable() != nullptr) copyMatMatrix(copy_, variable());
}

SavedVariable::~SavedVariable() {
    if (copy_ == nullptr) return;
    if (Matrix* v = variable(); v != nullptr) copyMatMatrix(v, copy_);
    delMatrix(copy_);
}

// Looked up for every use: an evaluation may make new variables.
Matrix* SavedVariable::variable() const {
    return services_->variableAt(handle_);
}

void SavedVariable::set(double value) const {
    if (Matrix* v = variable(); v != nullptr) copyValMatrix(v, value, 0.0);
}

}  // namespace graphing
