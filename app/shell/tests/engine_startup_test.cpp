// The start-up path both front ends share, and the duties around keys and
// loads.
#include <gtest/gtest.h>

#include "engine/engine_state.h"
#include "engine/evaluator.h"
#include "engine/library_table.h"
#include "engine/script_folder.h"
#include "engine/scripts.h"
#include "engine/workspace_settings.h"
#include "shell/engine_startup.h"
#include "shell/workspace_document.h"

namespace {

class EngineStartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        engine::engineState().reset();
        engine::resetLibraries();
    }
    void TearDown() override {
        engine::engineState().reset();
        engine::setScriptCodeHandler(nullptr);
        engine::setScriptFolder(u"");
    }
};

TEST_F(EngineStartupTest, InstallsScriptsAndTheKeypadsBesideTheProgramForItsLifetime) {
    engine::setScriptCodeHandler(nullptr);
    shell::WorkspaceDocument before;
    before.setEditText(u"IF(1)");
    before.exe(shell::ExeMode::Normal);
    EXPECT_NE(before.blocks().block(0).status(), 0);
    {
        const shell::EngineStartup startup(u"/tmp/orvana-scripts");
        EXPECT_EQ(engine::scriptFolder(), u"/tmp/orvana-scripts");
        EXPECT_EQ(engine::libraryCount(), startup.librariesLoaded());
        // The script codes are installed: a control keyword outside a script
        // runs without complaint.
        shell::WorkspaceDocument document;
        document.setEditText(u"IF(1)");
        document.exe(shell::ExeMode::Normal);
        EXPECT_EQ(document.blocks().block(0).status(), 0);
    }
    EXPECT_EQ(engine::libraryCount(), 0);
}

TEST_F(EngineStartupTest, KeyAndLoadDuties) {
    engine::workspaceSettings().evaluation = true;
    shell::useWorkspaceDisplaySlot();
    EXPECT_TRUE(engine::evaluationFlag());
    engine::workspaceSettings().evaluation = false;
    shell::useWorkspaceDisplaySlot();
    EXPECT_FALSE(engine::evaluationFlag());
}

}  // namespace
