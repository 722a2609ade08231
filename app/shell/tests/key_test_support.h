// Key entry tests: a Workspace document with its key entry, the keys pressed
// through the one entry point the shell uses, a scripted Variables/Scripts
// dialog, message boxes recorded instead of shown, and the real keypad
// modules on request.
#ifndef ORVANA_SHELL_TESTS_KEY_TEST_SUPPORT_H
#define ORVANA_SHELL_TESTS_KEY_TEST_SUPPORT_H

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "scripted_backend.h"
#include "shell/document_keys.h"
#include "shell/workspace_document.h"

namespace shell::testing {

std::string utf8(std::u16string_view text);

class KeyEntryTest : public ::testing::Test {
protected:
    KeyEntryTest();
    void SetUp() override;
    void TearDown() override;

    // Presses keys: characters are typed on page 0, "\r" is Enter and
    // "{pc}" is the key c of page p (for example "{1.}" is "+" on page 1).
    void press(std::u16string_view keys);
    // One empty block, an empty edit line, the RPN display on in RPN mode.
    void clear();
    // Switches RPN mode on through the RPN Mode command.
    void startRpn();
    void undo() { doc.undo(); }
    // Loads a module built beside the programs ("Scientific", "Advanced")
    // and makes it the keypad's current library.
    void useModule(const char* name);

    std::u16string line() const { return doc.editText(); }
    // The texts of the blocks above the last one (the RPN entries).
    std::vector<std::u16string> entries() const;
    double answerOf(int block) const;
    int selectionStart() const;
    int selectionEnd() const;
    // How many message boxes said the entry is too long.
    int tooLongMessages() const;

    WorkspaceDocument doc;
    DocumentKeys keys{doc};
    orvana::testing::ScriptedBackend backend;
    std::deque<engine::VariableChoice> choices;  // the dialog's answers, in order
    std::vector<std::u16string> viewed;
};

}  // namespace shell::testing

#endif
