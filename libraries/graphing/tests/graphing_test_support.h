// Shared by the graphing library's tests: the module loaded into the engine
// as the program loads it, lines run as a block is evaluated, and lines run
// for the graph into a curve table of the test's own.
#ifndef ORVANA_GRAPHING_TESTS_SUPPORT_H
#define ORVANA_GRAPHING_TESTS_SUPPORT_H

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "keypad.h"
#include "lattix.h"

namespace graphing_testing {

struct MatrixFree {
    void operator()(Matrix* m) const { delMatrix(m); }
};
using OwnedMatrix = std::unique_ptr<Matrix, MatrixFree>;

struct Outcome {
    uint16_t status = 0;
    OwnedMatrix value;

    double re(int i = 0) const { return value->re[i]; }
    std::u16string text() const;
};

std::string narrow(std::u16string_view text);

// Degrees and Radians as the engine passes them.
constexpr int32_t kRadians = 0;
constexpr int32_t kDegrees = 1;

// The graphing module is the only library, so its library number is 1 and
// its codes come back as 256 + code.
class GraphingTest : public ::testing::Test {
  public:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    static constexpr uint16_t routed(uint16_t code) { return uint16_t(256 + code); }

  protected:
    void SetUp() override;
    void TearDown() override;

    // Compiles and runs one line at the block start: its answer and status.
    static Outcome run(std::u16string_view line, int32_t angleMode = kRadians);
    static void runOk(std::u16string_view line);
    static void setMatrix(const char16_t* name, int rows, int cols,
                          const std::vector<double>& elements);
    static double variable(const char16_t* name);

    // Runs a line for the graph as a block marked for graphing; the engine's
    // answer (0xFFFF when the library drew).
    uint16_t graph(std::u16string_view line, int32_t angleMode = kRadians);
    const KeypadCurve& curve(int i) const { return curves_[size_t(i)]; }
    int traces() const { return traceCount_; }
    void restartGraph() { traceCount_ = 0; }
    // The record the main program hands over for the next trace: the
    // block's colour preset.
    void presetColour(int16_t colour) { curves_[size_t(traceCount_)].colour = colour; }
    KeypadCurve& record(int i) { return curves_[size_t(i)]; }

  private:
    std::array<KeypadCurve, KEYPAD_CURVE_COUNT> curves_{};
    int16_t traceCount_ = 0;
    std::vector<double> samples_;
};

constexpr uint16_t kDrawn = 0xFFFF;

}  // namespace graphing_testing

#endif
