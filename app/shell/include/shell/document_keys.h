// Key entry on a Workspace document: the one entry point the shell passes
// every text key to (character + page x 65536), the RPN Mode command, and
// what key insertion needs from the shell around the document: RPN mode, the
// keypad's current library, the hidden composition control, the
// Variables/Scripts dialog, the graph view and the block area.
//
// After each key the shell reads `requests()` to redraw and scroll, then
// clears them.
#ifndef ORVANA_SHELL_DOCUMENT_KEYS_H
#define ORVANA_SHELL_DOCUMENT_KEYS_H

#include <cstdint>
#include <functional>

#include "engine/key_host.h"
#include "shell/workspace_document.h"

namespace shell {

// What the keys asked of the screen since the requests were last cleared.
struct KeyRequests {
    bool redrawBlocks = false;
    bool redrawKeypad = false;
    bool recomputeGraph = false;
    // The RPN entries changed: move the first visible block down until they
    // fit the block area.
    bool fitEntries = false;
};

class DocumentKeys : public engine::KeyHost {
public:
    // The Variables/Scripts dialog; the default cancels.
    using VariablesDialog = std::function<engine::VariableChoice()>;
    // The "Var" dialog on a variable that has a value.
    using VariableViewer = std::function<void(std::u16string_view name)>;
    // The EXE step; the default is the document's own (the window's view
    // decides whether the executed block stays active).
    using ExeStep = std::function<void(ExeMode mode)>;

    explicit DocumentKeys(WorkspaceDocument& document);
    ~DocumentKeys() override;
    DocumentKeys(const DocumentKeys&) = delete;
    DocumentKeys& operator=(const DocumentKeys&) = delete;

    // The key entry point.
    void insertKey(uint32_t keyCode);
    // The RPN Mode command (40094).
    void toggleRpnMode();

    // The keypad's current library for pages 2 to 4: its library number
    // (1-based, load order), 0 for none.
    void setLibrary(int number) { library_ = number; }
    void setGraphVisible(bool visible) { graphVisible_ = visible; }
    // Where message boxes belong.
    void setOwner(PlatformWindow owner) { owner_ = owner; }
    void setVariablesDialog(VariablesDialog dialog) { variablesDialog_ = std::move(dialog); }
    void setVariableViewer(VariableViewer viewer) { variableViewer_ = std::move(viewer); }
    void setExeStep(ExeStep step) { exeStep_ = std::move(step); }

    KeyRequests& requests() { return requests_; }

    // engine::KeyHost
    engine::BlockList& blocks() override { return document_.blocks(); }
    int active() const override { return document_.active(); }
    void setActive(int index) override { document_.setActive(index); }
    engine::UndoRecord& undoRecord() override { return document_.undoRecord(); }
    PlatformWindow editLine() override { return document_.editLine(); }
    PlatformWindow compositionControl() override { return composition_; }
    bool rpnMode() const override { return rpnMode_; }
    void setRpnMode(bool on) override { rpnMode_ = on; }
    bool rpnDisplay() const override { return document_.rpnDisplay(); }
    void setRpnDisplay(bool on) override { document_.setRpnDisplay(on); }
    int currentLibrary() const override { return library_; }
    void exe(engine::KeyExe mode) override;
    engine::VariableChoice chooseVariable() override;
    void viewVariable(std::u16string_view name) override;
    bool graphVisible() const override { return graphVisible_; }
    void recomputeGraph() override { requests_.recomputeGraph = true; }
    void redrawBlocks() override { requests_.redrawBlocks = true; }
    void redrawKeypad() override { requests_.redrawKeypad = true; }
    void fitEntries() override { requests_.fitEntries = true; }
    void reportError(uint16_t code) override;

private:
    WorkspaceDocument& document_;
    // The hidden composition control: library keys and dialog results are
    // composed here before RPN composition reads them.
    PlatformWindow composition_;
    bool rpnMode_ = false;
    int library_ = 0;
    bool graphVisible_ = false;
    PlatformWindow owner_ = nullptr;
    VariablesDialog variablesDialog_;
    VariableViewer variableViewer_;
    ExeStep exeStep_;
    KeyRequests requests_;
};

}  // namespace shell

#endif
