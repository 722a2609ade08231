// What key insertion and RPN composition need from the document that owns
// the editing state: the block list, the expression edit line and the hidden
// composition control (edit-control models), the RPN flags, the keypad's
// current library, the document's EXE and the screen updates. The shell's
// document implements it; tests implement it without a window.
#ifndef ORVANA_ENGINE_KEY_HOST_H
#define ORVANA_ENGINE_KEY_HOST_H

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/block_list.h"
#include "platform/message_box.h"

namespace engine {

// Undo kinds recorded by key insertion, beside EXE's 0, 1 and -1 - n.
inline constexpr int16_t kUndoNothing = 0;
inline constexpr int16_t kUndoAppended = 1;         // EXE appended a block
inline constexpr int16_t kUndoMergedTwo = 2;        // the two entries above the last replaced
inline constexpr int16_t kUndoTopEntry = 3;         // the top entry replaced
inline constexpr int16_t kUndoTopAndLine = 4;       // the top entry and the edit line
inline constexpr int16_t kUndoLineComposition = 5;  // an RPN composition on the edit line
inline constexpr int16_t kUndoEditedLine = 6;       // a key changed the edit line
inline constexpr int16_t kUndoSwappedEntries = 7;   // the top two entries changed places

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
    virtual void exe(ExeMode mode) = 0;

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
