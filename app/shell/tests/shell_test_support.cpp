#include "shell_test_support.h"

#include <cstdlib>
#include <system_error>

#include "engine/library_loader.h"
#include "platform/clock.h"
#include "shell/keys.h"
#include "shell/shell_lifecycle.h"

namespace shell::testing {

TemporaryConfig::TemporaryConfig() {
    if (const char* value = std::getenv("XDG_CONFIG_HOME")) {
        hadPrevious_ = true;
        previous_ = value;
    }
    std::string pattern = (std::filesystem::temp_directory_path() / "orvana-shell-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) root_ = pattern;
    setenv("XDG_CONFIG_HOME", root_.c_str(), 1);
}

TemporaryConfig::~TemporaryConfig() {
    if (hadPrevious_)
        setenv("XDG_CONFIG_HOME", previous_.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
    std::error_code error;
    if (!root_.empty()) std::filesystem::remove_all(root_, error);
}

void ShellTest::SetUp() {
    platformUseVirtualClock(1);
    modules_ = config_.root() / "modules";
    std::filesystem::create_directories(modules_);
}

void ShellTest::TearDown() {
    state_.reset();
    engine::unloadKeypadLibraries();
    platformUseVirtualClock(0);
}

void ShellTest::placeModule(const std::string& name, const char* source) {
    std::filesystem::copy_file(source, modules_ / (name + ".so"),
                               std::filesystem::copy_options::overwrite_existing);
}

void ShellTest::start(const std::u16string& commandLine) {
    state_.reset();
    engine::unloadKeypadLibraries();
    state_ = std::make_unique<ShellState>();
    startShell(*state_, StartupOptions{commandLine, modules_.string()});
}

void ShellTest::stop() {
    destroyShell(*state_);
}

void ShellTest::enter(std::u16string_view text) {
    for (char16_t c : text) onCharacter(*state_, c);
    onCharacter(*state_, u'\r');
}

void ShellTest::wait(uint32_t milliseconds) { platformAdvanceClock(milliseconds); }

}  // namespace shell::testing
