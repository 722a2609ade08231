// Shared by the scripting keypad's tests: the module loaded once into the
// engine's library table, lines run through the engine as a block would run
// them, and Workspaces saved into a script folder of the test's own.
#ifndef ORVANA_SCRIPTING_TESTS_SUPPORT_H
#define ORVANA_SCRIPTING_TESTS_SUPPORT_H

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "keypad.h"
#include "lattix.h"

namespace scripting::testing {

struct MatrixFree {
    void operator()(Matrix* m) const { delMatrix(m); }
};
using OwnedMatrix = std::unique_ptr<Matrix, MatrixFree>;

struct Outcome {
    uint16_t status = 0;  // routed: library number x 256 + the library's code
    OwnedMatrix value;
    // Every element's real part; empty for no value.
    std::vector<double> reals() const;
    double re(size_t i = 0) const;
    double im(size_t i = 0) const;
};

std::string narrow(std::u16string_view text);

class ScriptingTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    static int libraryNumber();

    // Compiles and runs one line at the top index of a block, in Radians or
    // Degrees.
    static Outcome run(std::u16string_view line, bool degrees = false);
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
