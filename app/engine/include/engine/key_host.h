// What key insertion and RPN composition need from the document that owns
// the editing state: the block list, the active block, the expression edit
// line and the hidden composition control (edit-control models), the undo
// record, the RPN flags, the keypad's current library, the document's EXE
// and the screen updates. The shell implements it over its document.
#ifndef ORVANA_ENGINE_KEY_HOST_H
#define ORVANA_ENGINE_KEY_HOST_H

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/block_list.h"
#include "engine/undo_record.h"
#include "platform/message_box.h"

namespace engine {

// The two EXE steps keys ask for.
enum class KeyExe { Normal, CommitOnly };

// What the Variables/Scripts dialog gave back.
struct VariableChoice {
    enum class Kind {
        Cancel,        // nothing chosen
        Workspace,     // a Workspace of the script folder: its name
        Text,          // another text the dialog produced
        Variable,      // a variable: its name
        NewVariable,   // a variable made in the "New Variable" dialog
        UserFunction,  // a user function: its name and parameter count
        ViewVariable,  // a variable chosen for viewing
    };
    Kind kind = Kind::Cancel;
    std::u16string name;
    int parameters = 0;
};

class KeyHost {
public:
    virtual ~KeyHost() = default;

    virtual BlockList& blocks() = 0;
    virtual int active() const = 0;
    // Makes a block active and shows its text in the edit line.
    virtual void setActive(int index) = 0;
    virtual UndoRecord& undoRecord() = 0;
    // The expression edit line of the active block and the off-screen
    // composition control, both edit-control models.
    virtual PlatformWindow editLine() = 0;
    virtual PlatformWindow compositionControl() = 0;

    virtual bool rpnMode() const = 0;
    virtual void setRpnMode(bool on) = 0;
    virtual bool rpnDisplay() const = 0;
    virtual void setRpnDisplay(bool on) = 0;

    // The library number (1-based) the keypad's pages 2 to 4 belong to, 0
    // for none.
    virtual int currentLibrary() const = 0;

    // The document's EXE with the edit line's text.
    virtual void exe(KeyExe mode) = 0;

    // The Variables/Scripts dialog.
    virtual VariableChoice chooseVariable() = 0;
    // The "Var" dialog on a variable that has a value.
    virtual void viewVariable(std::u16string_view name) { (void)name; }

    virtual bool graphVisible() const { return false; }
    virtual void recomputeGraph() {}
    virtual void redrawBlocks() {}
    virtual void redrawKeypad() {}
    // Moves the first visible block down until the RPN entries fit the block
    // area.
    virtual void fitEntries() {}
    // Shows a message for an error code.
    virtual void reportError(uint16_t code) = 0;
};

}  // namespace engine

#endif
