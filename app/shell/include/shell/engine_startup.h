// What every front end does to bring the engine up and to keep it going:
// loading the keypad libraries found beside the program (or, once
// installed, in ../lib/orvana), installing the script support and the script
// folder; the duties before each key or command; taking a loaded Workspace's
// display settings into the evaluator. Reading the preferences and the
// start-up and default Workspaces is the window's own business.
#ifndef ORVANA_SHELL_ENGINE_STARTUP_H
#define ORVANA_SHELL_ENGINE_STARTUP_H

#include <string>
#include <string_view>
#include <vector>

namespace shell {

// Brings the engine up for its lifetime and unloads the keypad libraries at
// the end. One per process.
class EngineStartup {
public:
    explicit EngineStartup(std::u16string_view scriptFolder);
    // The same with the keypad libraries taken from `moduleFolder` only.
    EngineStartup(std::u16string_view scriptFolder, const std::string& moduleFolder);
    ~EngineStartup();
    EngineStartup(const EngineStartup&) = delete;
    EngineStartup& operator=(const EngineStartup&) = delete;

    // How many keypad libraries were loaded.
    int librariesLoaded() const { return loaded_; }

private:
    int loaded_ = 0;
};

// The folders keypad libraries are looked for in, in order (the first that
// holds any is used).
std::vector<std::string> keypadFolders();

// Before each key or command: a script stopped before may run again.
void beginUserAction();

// The evaluator's rounding flag follows the Workspace's display slot (slot 0),
// as after loading a Workspace when that slot is the current one.
void useWorkspaceDisplaySlot();

}  // namespace shell

#endif
