#include "shell/document_keys.h"

#include "engine/key_insertion.h"
#include "engine/messages.h"
#include "platform/edit_control.h"

namespace shell {

DocumentKeys::DocumentKeys(WorkspaceDocument& document)
    : document_(document), composition_(platformEditCreate()) {}

DocumentKeys::~DocumentKeys() { platformEditDestroy(composition_); }

void DocumentKeys::insertKey(uint32_t keyCode) { engine::insertKey(*this, keyCode); }

void DocumentKeys::toggleRpnMode() { engine::toggleRpnMode(*this); }

void DocumentKeys::exe(engine::KeyExe mode) {
    const ExeMode step = mode == engine::KeyExe::CommitOnly ? ExeMode::CommitOnly : ExeMode::Normal;
    if (exeStep_)
        exeStep_(step);
    else
        document_.exe(step);
    requests_.redrawBlocks = true;
}

engine::VariableChoice DocumentKeys::chooseVariable() {
    return variablesDialog_ ? variablesDialog_() : engine::VariableChoice{};
}

void DocumentKeys::viewVariable(std::u16string_view name) {
    if (variableViewer_) variableViewer_(name);
}

void DocumentKeys::reportError(uint16_t code) { engine::showError(code, owner_); }

}  // namespace shell
