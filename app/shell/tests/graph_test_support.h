// Shared by the graph model's tests: an engine put back to its start-up
// state, a block list to type into, and a fake keypad library whose doGraph
// draws curves of its own.
#ifndef ORVANA_SHELL_TESTS_GRAPH_TEST_SUPPORT_H
#define ORVANA_SHELL_TESTS_GRAPH_TEST_SUPPORT_H

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

#include "engine/block_list.h"
#include "engine/workspace_settings.h"
#include "shell/graph_model.h"

namespace shell::testing {

// Names the fake library knows (all named values pushing 0 when evaluated):
//   "dots"   doGraph fills one curve of 3 points at x = -1, 0, 1 with y = 5, 6, 7
//   "wave"   doGraph fills a curve at the samples, y = 2x, and asks for a fit
//   "twice"  doGraph fills two curves of one point each
//   "refuse" doGraph answers 1 without drawing
void installFakeLibrary();

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
