// Shared by the scripting keypad's tests: the module loaded into the engine
// as its only library, with the script support installed and a script folder
// of the test's own for the Workspaces it calls.
#ifndef ORVANA_SCRIPTING_TESTS_SUPPORT_H
#define ORVANA_SCRIPTING_TESTS_SUPPORT_H

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "engine_module_fixture.h"

namespace scripting::testing {

using keypad_testing::narrowView;
using keypad_testing::Outcome;

// Every element's real part of an answer; empty for none.
std::vector<double> reals(const Outcome& out);

class ScriptingTest : public keypad_testing::EngineModuleTest {
  protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // The message a status shows.
    static std::string message(uint16_t status);
    // A global's value; null when there is no such global.
    static const Matrix* global(std::u16string_view name);
    // Saves the lines as the blocks of `name`.ovw in the script folder.
    void saveScript(std::u16string_view name, std::initializer_list<std::u16string_view> lines);

  private:
    std::string folder_;
};

}  // namespace scripting::testing

#endif
