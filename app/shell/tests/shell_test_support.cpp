#include "shell_test_support.h"

#include <cstdlib>
#include <system_error>

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

}  // namespace shell::testing
