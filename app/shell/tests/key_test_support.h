// Key entry tests: a shell state whose keys go in through passKey, the entry
// point of typed characters and keypad keys, with a scripted Variables/Scripts
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
#include "shell/shell_key_host.h"
#include "shell/shell_state.h"

namespace shell::testing {

std::string utf8(std::u16string_view text);

class KeyEntryTest : public ::testing::Test {
protected:
    KeyEntryTest();
    ~KeyEntryTest() override;
    void SetUp() override;
    void TearDown() override;

    // Presses keys: characters are typed on page 0, "\r" is Enter and
    // "{pc}" is the key c of page p (for example "{1.}" is "+" on page 1).
    void press(std::u16string_view keys);
    // One empty block, an empty edit line, the RPN display on in RPN mode.
    void clear();
    // Switches RPN mode on through the RPN Mode command.
    void startRpn();
    // The Undo command.
    void undo();
    // Loads a module built beside the programs ("Scientific", "Advanced")
    // and makes it the keypad's current library.
    void useModule(const char* name);
    // Makes library `number` (1-based) the current one.
    void useLibrary(int number) { state.currentLibrary = int16_t(number - 1); }

    WorkspaceDocument& doc() { return state.document; }
    std::u16string line() const { return state.document.editText(); }
    // The texts of the blocks above the last one (the RPN entries).
    std::vector<std::u16string> entries() const;
    double answerOf(int block) const;
    int selectionStart() const;
    int selectionEnd() const;
    // How many message boxes said the entry is too long.
    int tooLongMessages() const;

    orvana::testing::ScriptedBackend backend;
    ShellState state;
    ShellKeyHost keys{state};
    std::deque<engine::VariableChoice> choices;  // the dialog's answers, in order
    std::vector<std::u16string> viewed;
};

}  // namespace shell::testing

#endif
