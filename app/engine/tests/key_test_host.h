// A document for the key insertion tests: a block list with the expression
// edit line and the composition control as edit-control models, RPN flags,
// a scripted Variables/Scripts dialog and a record of what was reported. Keys
// go in through insertKey, as the shell passes them.
#ifndef ORVANA_ENGINE_TESTS_KEY_TEST_HOST_H
#define ORVANA_ENGINE_TESTS_KEY_TEST_HOST_H

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "engine/block_list.h"
#include "engine/key_host.h"
#include "engine_test_support.h"

namespace engine::testing {

class KeyTestHost : public KeyHost {
public:
    KeyTestHost();
    ~KeyTestHost() override;
    KeyTestHost(const KeyTestHost&) = delete;
    KeyTestHost& operator=(const KeyTestHost&) = delete;

    BlockList& blocks() override { return blocks_; }
    PlatformWindow editLine() override { return line_; }
    PlatformWindow compositionControl() override { return composition_; }
    bool rpnMode() const override { return rpnMode_; }
    void setRpnMode(bool on) override { rpnMode_ = on; }
    bool rpnDisplay() const override { return blocks_.rpnDisplay(); }
    void setRpnDisplay(bool on) override { blocks_.setRpnDisplay(on); }
    int currentLibrary() const override { return library_; }
    void exe(ExeMode mode) override;
    VariableChoice chooseVariable() override;
    void viewVariable(std::u16string_view name) override { viewed.emplace_back(name); }
    void reportError(uint16_t code) override { reported.push_back(code); }
    void redrawKeypad() override { ++keypadRedraws; }

    void setLibrary(int number) { library_ = number; }
    // One empty block, an empty edit line, the RPN display on in RPN mode.
    void clear();
    // Switches RPN mode on through the RPN Mode command.
    void startRpn();
    // Presses keys: characters are typed on page 0, "\r" is Enter and
    // "{pc}" is the key c of page p (for example "{1.}" is "+" on page 1).
    void press(std::u16string_view keys);
    // The Undo command: key entry's kinds first, then the block list's.
    void undo();

    std::u16string line() const;
    // The texts of the blocks above the last one (the RPN entries).
    std::vector<std::u16string> entries() const;
    double answerOf(int block) const;
    // The edit line's selection.
    int selectionStart() const;
    int selectionEnd() const;

    std::deque<VariableChoice> choices;  // what the dialog answers, in order
    std::vector<uint16_t> reported;
    std::vector<std::u16string> viewed;
    int keypadRedraws = 0;

private:
    BlockList blocks_;
    PlatformWindow line_;
    PlatformWindow composition_;
    bool rpnMode_ = false;
    int library_ = 0;
};

// Engine state reset around each test, a document, and the real keypad
// modules on request.
class KeyEntryTest : public EngineTest {
protected:
    void TearDown() override;
    // Loads a module built beside the programs ("Scientific", "Advanced")
    // and makes it the keypad's current library.
    void useModule(const char* name);

    KeyTestHost host;
};

}  // namespace engine::testing

#endif
