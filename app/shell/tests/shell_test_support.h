// Test support for the shell core: a private configuration folder.
#ifndef ORVANA_SHELL_TESTS_SHELL_TEST_SUPPORT_H
#define ORVANA_SHELL_TESTS_SHELL_TEST_SUPPORT_H

#include <filesystem>
#include <string>

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

}  // namespace shell::testing

#endif
