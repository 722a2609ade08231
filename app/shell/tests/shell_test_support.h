// Test support for the shell core: a private configuration folder, and a
// fixture that starts the shell core as the window does, with keypad modules
// placed in a folder of its own, the scripted backend and the virtual clock.
#ifndef ORVANA_SHELL_TESTS_SHELL_TEST_SUPPORT_H
#define ORVANA_SHELL_TESTS_SHELL_TEST_SUPPORT_H

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "scripted_backend.h"
#include "shell/shell_state.h"

namespace shell::testing {

// Points XDG_CONFIG_HOME at a fresh temporary folder for the object's life
// (restoring the previous value afterwards) and removes the folder again.
class TemporaryConfig {
public:
    TemporaryConfig();
    ~TemporaryConfig();
    TemporaryConfig(const TemporaryConfig&) = delete;
    TemporaryConfig& operator=(const TemporaryConfig&) = delete;

    const std::filesystem::path& root() const { return root_; }
    // The program folder inside it ("<root>/orvana").
    std::filesystem::path folder() const { return root_ / "orvana"; }

private:
    std::filesystem::path root_;
    bool hadPrevious_ = false;
    std::string previous_;
};

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Copies a keypad module into the module folder as "<name>.so" (the fake
    // module unless another file is given).
    void placeModule(const std::string& name, const char* source = ORVANA_FAKE_KEYPAD_MODULE);
    // Starts a fresh shell core with this command line.
    void start(const std::u16string& commandLine = u"");
    // The destroy handling, then the libraries are gone.
    void stop();

    ShellState& state() { return *state_; }
    engine::BlockList& blocks() { return state_->blocks(); }
    WorkspaceDocument& doc() { return state_->document; }
    // Types the text on page 0 and presses Enter.
    void enter(std::u16string_view text);
    // Advances the virtual clock.
    void wait(uint32_t milliseconds);

    TemporaryConfig config_;
    orvana::testing::ScriptedBackend backend_;
    std::filesystem::path modules_;
    std::unique_ptr<ShellState> state_;
};

}  // namespace shell::testing

#endif
