// Shared by the Statistics tests: the module loaded once into the engine's
// library table, and running expression lines through the engine as a
// block would.
#ifndef ORVANA_STATISTICS_TESTS_SUPPORT_H
#define ORVANA_STATISTICS_TESTS_SUPPORT_H

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "keypad.h"
#include "lattix.h"

namespace statistics::testing {

struct MatrixFree {
    void operator()(Matrix* m) const { delMatrix(m); }
};
using OwnedMatrix = std::unique_ptr<Matrix, MatrixFree>;

struct Outcome {
    uint16_t status = 0;  // routed: library number x 256 + the library's code
    OwnedMatrix value;
    // The library's own code (the low byte of a routed status), 0 for none.
    int code() const { return status & 0xFF; }
    // Element i of the answer; NaN when there is no such element.
    double re(size_t i = 0) const;
    double im(size_t i = 0) const;
    std::vector<double> reals() const;
};

std::string narrow(std::u16string_view text);

class StatisticsTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    // The library's record and number in the engine's table.
    static const KeypadLibrary& library();
    static int libraryNumber();

    // Compiles and runs one line at the top index of a block.
    static Outcome run(std::u16string_view line);
    // Runs the lines in order and gives the last outcome.
    static Outcome runAll(std::initializer_list<std::u16string_view> lines);
    // The message the status shows.
    static std::string message(uint16_t status);
    // The value of a global variable (null when there is none).
    static const Matrix* variable(std::u16string_view name);
};

}  // namespace statistics::testing

#endif
