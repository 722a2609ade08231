// Shared by the graph model's tests: an engine put back to its start-up
// state, a block list to type into, and a fake keypad library whose doGraph
// draws curves of its own.
#ifndef ORVANA_SHELL_TESTS_GRAPH_TEST_SUPPORT_H
#define ORVANA_SHELL_TESTS_GRAPH_TEST_SUPPORT_H

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/block_list.h"
#include "engine/workspace_settings.h"
#include "shell/graph_model.h"

namespace shell::testing {

// Names the fake library knows (all named values pushing 0 when evaluated):
//   "dots"   doGraph fills one curve of 3 points at x = -1, 0, 1 with y = 5, 6, 7
//   "wave"   doGraph fills a curve at the samples, y = 2x, and asks for a fit
//   "twice"  doGraph fills two curves of one point each
//   "refuse" doGraph answers 1 without drawing
//   "drawn"  doGraph fills one curve as the last setDrawnCurve described it
//   "sin", "sqrt"  functions of one argument (sqrt of a negative number is
//            imaginary), for blocks graphed the ordinary way
void installFakeLibrary();

// What "drawn" draws: points with optional pen bytes, line flag, mark
// style, colour and label text.
struct DrawnCurve {
    std::vector<double> x;
    std::vector<double> y;
    std::vector<uint8_t> pen;  // empty: no pen bytes
    int16_t line = 1;
    int16_t mark = 0;
    int16_t colour = 4;
    std::u16string label;
};
void setDrawnCurve(const DrawnCurve& curve);

class GraphTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Types a line into the last block, presses EXE and gives the block the
    // graph colour (0 none).
    engine::EquationBlock& enter(std::u16string_view text, int colour = 1);
    GraphModel& model() { return *model_; }
    engine::WorkspaceSettings& settings() { return engine::workspaceSettings(); }

    std::unique_ptr<engine::BlockList> blocks_;
    std::unique_ptr<GraphModel> model_;
};

}  // namespace shell::testing

#endif
