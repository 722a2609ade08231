// Shared by the graphing library's tests: the module loaded into the engine
// as the program loads it, and lines run for the graph into a curve table of
// the test's own.
#ifndef ORVANA_GRAPHING_TESTS_SUPPORT_H
#define ORVANA_GRAPHING_TESTS_SUPPORT_H

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine_module_fixture.h"

namespace graphing_testing {

using keypad_testing::Outcome;
inline std::string narrow(std::u16string_view text) {
    return keypad_testing::narrowView(text);
}

// Degrees and Radians as the engine passes them.
constexpr int32_t kRadians = 0;
constexpr int32_t kDegrees = 1;

// What the engine answers when the library drew the block's trace.
constexpr uint16_t kDrawn = 0xFFFF;

class GraphingTest : public keypad_testing::EngineModuleTest {
  public:
    static void SetUpTestSuite() { loadOnly(GRAPHING_MODULE_PATH); }

  protected:
    // Every test starts with an empty pen path and an empty curve table
    // whose records carry the colour 1.
    void SetUp() override;
    void TearDown() override;

    // Runs a line for the graph as a block marked for graphing; the engine's
    // answer.
    uint16_t graph(std::u16string_view line, int32_t angleMode = kRadians);
    const KeypadCurve& curve(int i) const { return curves_[size_t(i)]; }
    KeypadCurve& record(int i) { return curves_[size_t(i)]; }
    int traces() const { return traceCount_; }
    void restartGraph() { traceCount_ = 0; }
    // The colour the main program presets in the record of the next trace.
    void presetColour(int16_t colour) { curves_[size_t(traceCount_)].colour = colour; }

  private:
    std::array<KeypadCurve, KEYPAD_CURVE_COUNT> curves_{};
    int16_t traceCount_ = 0;
    std::vector<double> samples_;
};

}  // namespace graphing_testing

#endif
