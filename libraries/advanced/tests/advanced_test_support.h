// Shared by the Advanced library's tests: the module loaded into the engine
// as the program loads it, and lines run from compile to answer.
#ifndef ORVANA_ADVANCED_TESTS_SUPPORT_H
#define ORVANA_ADVANCED_TESTS_SUPPORT_H

#include <gtest/gtest.h>

#include <complex>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "keypad.h"
#include "lattix.h"

namespace advanced_testing {

struct MatrixFree {
    void operator()(Matrix* m) const { delMatrix(m); }
};
using OwnedMatrix = std::unique_ptr<Matrix, MatrixFree>;

struct Outcome {
    uint16_t status = 0;
    OwnedMatrix value;

    int rows() const { return value ? value->rows : 0; }
    int cols() const { return value ? value->cols : 0; }
    double re(int i = 0) const { return value->re[i]; }
    double im(int i = 0) const { return value->im[i]; }
    std::complex<double> at(int i) const { return {value->re[i], value->im[i]}; }
    std::vector<double> reals() const;
};

std::string narrow(std::u16string_view text);

// The Advanced module is loaded once for all tests, as the only library, so
// its library number is 1 and its failure codes come back as 256 + code.
class AdvancedTest : public ::testing::Test {
public:
    static void SetUpTestSuite();
    static void TearDownTestSuite();

protected:
    void SetUp() override;
    void TearDown() override;

public:
    static constexpr uint16_t routed(uint16_t code) { return uint16_t(256 + code); }
    static const KeypadLibrary& library();
    // Compiles and runs one line at the block start; the answer and status.
    static Outcome run(std::u16string_view line, int32_t angleMode = 0);
    static void runOk(std::u16string_view line);
    // The value of a variable (an empty value when there is none).
    static Outcome variable(const char16_t* name);
    // Sets a global variable to a real rows x cols matrix given row by row.
    static void setMatrix(const char16_t* name, int rows, int cols,
                          const std::vector<double>& elements);
};

}  // namespace advanced_testing

#endif
