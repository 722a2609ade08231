// The Variables/Scripts dialog's rows and codes, the New Variable dialog and
// the answer viewer.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "engine/display_format.h"
#include "engine/script_folder.h"
#include "engine/variables.h"
#include "shell/answer_viewer.h"
#include "shell/new_variable_dialog.h"
#include "shell/prompted_dialogs.h"
#include "shell/variables_dialog.h"
#include "shell_test_support.h"

namespace shell {
namespace {

namespace fs = std::filesystem;

class VariablesDialogTest : public testing::ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        start();
    }
    static std::u16string shown(double value) {
        return engine::formatNumber(value, 0.0, engine::formatStringFor(FormatSlot{}.formatCode).c_str(),
                                    false, false);
    }
    const VariablesRow* row(const std::vector<VariablesRow>& rows, std::u16string_view name) {
        for (const VariablesRow& r : rows)
            if (r.name == name) return &r;
        return nullptr;
    }
};

TEST_F(VariablesDialogTest, VariablesPageRowsSortedWithNewFirst) {
    enter(u"speed=5");
    enter(u"grid={1,2|3,4|5,6}");
    enter(u"label=\"hi\"");
    ASSERT_EQ(blocks().defineFunction(u"area", 2, u"x*y"), 0);
    engine::addVariable(u"empty", nullptr);

    const std::vector<VariablesRow> rows = variableRows(FormatSlot{});
    ASSERT_GE(rows.size(), 6u);
    EXPECT_EQ(rows[0].name, u"NEW");
    EXPECT_EQ(rows[0].code, kChoseNewVariable);
    for (size_t i = 2; i < rows.size(); ++i) EXPECT_LE(rows[i - 1].name, rows[i].name);

    const VariablesRow* speed = row(rows, u"speed");
    ASSERT_NE(speed, nullptr);
    EXPECT_EQ(speed->size, u"1x1");
    EXPECT_EQ(speed->value, shown(5));
    EXPECT_EQ(speed->code, int(engine::findVariable(u"speed")));
    for (std::u16string_view name : {u"grid", u"label", u"empty"})
        ASSERT_NE(row(rows, name), nullptr) << std::string(name.begin(), name.end());
    EXPECT_EQ(row(rows, u"grid")->size, u"3x2");
    EXPECT_EQ(row(rows, u"grid")->value, shown(1) + u" ...");
    EXPECT_EQ(row(rows, u"label")->size, u"Str");
    EXPECT_EQ(row(rows, u"label")->value, u"hi");
    EXPECT_EQ(row(rows, u"empty")->size, u"NaN");
    const VariablesRow* area = row(rows, u"area");
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->size, u"Func");
    EXPECT_EQ(area->value, u"x*y");
    EXPECT_GE(area->code, kUserFunctionCodeBase);

    const VariablesResult chosen = chooseVariablesRow(area);
    EXPECT_EQ(chosen.name, u"area");
    EXPECT_EQ(chosen.parameters, 2);
    EXPECT_EQ(chooseVariablesRow(nullptr).code, kVariablesCancelled);
    // The table's first two entries are not listed.
    EXPECT_EQ(row(rows, engine::globalVariableName(0)), nullptr);
}

TEST_F(VariablesDialogTest, ScriptsPageListsCallableWorkspaces) {
    const fs::path folder = config_.root() / "scripts";
    fs::create_directories(folder / "Folder.ovw");
    for (const char* name : {"Fit2.ovw", "Solve.ovw", "lower.ovw", "Area.ovw", "_tool.ovw",
                             "Averylongscriptnamexx.ovw", "Notes.txt"})
        std::ofstream(folder / name) << "x";
    const std::vector<VariablesRow> rows = scriptRows(folder.u16string() + u"/");
    std::vector<std::u16string> names;
    for (const VariablesRow& r : rows) names.push_back(r.name);
    EXPECT_EQ(names, (std::vector<std::u16string>{u"Area", u"Solve", u"_tool"}));
    EXPECT_EQ(rows[0].code, kChoseScript);
    EXPECT_EQ(variablesColumns(VariablesPage::Scripts)[0].header, u"Script Name");
    EXPECT_EQ(variablesColumns(VariablesPage::Variables)[2].header, u"Value/View");
}

TEST_F(VariablesDialogTest, ChoosingNewGoesOnToTheNewVariablePrompt) {
    engine::setScriptFolder(u"/nonexistent/");
    backend_.queueListChoice(0);  // "NEW"
    backend_.queuePromptAnswer(std::vector<std::u16string>{u"det"});  // refused: a function
    backend_.queuePromptAnswer(std::vector<std::u16string>{u"rate"});
    const VariablesResult result = chooseVariableByPrompts(state());
    EXPECT_EQ(result.code, kChoseNewVariable);
    EXPECT_EQ(result.name, u"rate");
    EXPECT_NE(engine::findVariable(u"rate"), engine::kNoVariable);
    ASSERT_EQ(backend_.messageBoxes().size(), 1u);
    EXPECT_EQ(backend_.messageBoxes()[0].text,
              u"Name is already used by a function. You must choose a different name.");
}

TEST_F(VariablesDialogTest, NewVariableChecksTheName) {
    NewVariableDialog dialog({u"a+b", u"velocity", u"acceleration"});
    dialog.pick(0);
    EXPECT_EQ(dialog.name(), u"");
    dialog.pick(1);
    EXPECT_EQ(dialog.name(), u"velocity");
    dialog.pick(2);
    EXPECT_EQ(dialog.name(), u"accelerati");
    dialog.back();
    EXPECT_EQ(dialog.name(), u"accelerat");

    dialog.setName(u"x1");
    EXPECT_EQ(dialog.ok(), std::nullopt);
    EXPECT_EQ(backend_.messageBoxes().back().text, u"Variables can not contain numbers or sybmols");
    EXPECT_EQ(backend_.messageBoxes().back().caption, u"Error");
    dialog.setName(u"");
    EXPECT_EQ(dialog.ok(), -1);
    enter(u"known=3");
    dialog.setName(u"known");
    EXPECT_EQ(dialog.ok(), int(engine::findVariable(u"known")));
    dialog.setName(u"fresh");
    const std::optional<int> made = dialog.ok();
    ASSERT_TRUE(made.has_value());
    EXPECT_EQ(engine::globalVariableName(*made), u"fresh");
}

TEST_F(VariablesDialogTest, OfferedNamesAreRunsOfPrintableBytes) {
    const fs::path file = config_.root() / "names.txt";
    std::string text = "velocity\r\nmass\n\n\tforce\x01";
    text += std::string(130, 'q');
    std::ofstream(file, std::ios::binary) << text;
    const std::vector<std::u16string> lines = readOfferedNames(file.u16string());
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], u"velocity");
    EXPECT_EQ(lines[1], u"mass");
    EXPECT_EQ(lines[2], u"force");
    EXPECT_EQ(lines[3].size(), kOfferedLineLimit);
    EXPECT_EQ(lines[4].size(), 30u);
    EXPECT_TRUE(readOfferedNames(u"/no/such/defvars.txt").empty());
}

TEST_F(VariablesDialogTest, AnswerViewerTableAndText) {
    enter(u"{1.5,2|3,4}");
    const AnswerViewer table(blocks().block(0).answer(), FormatSlot{}, false);
    EXPECT_FALSE(table.isString());
    EXPECT_EQ(table.rows(), 2);
    EXPECT_EQ(table.columns(), 3);
    EXPECT_EQ(table.header(0), u"R\\C");
    EXPECT_EQ(table.header(2), u"2");
    EXPECT_EQ(table.cell(1, 0), u"2");
    EXPECT_EQ(table.cell(0, 1), shown(1.5));
    EXPECT_EQ(table.cell(1, 2), shown(4));
    EXPECT_EQ(table.cell(5, 1), u"");
    EXPECT_EQ(table.tabSeparated(), u"1.5\t2\n3\t4\n");

    enter(u"\"a long text\"");
    const AnswerViewer text(blocks().block(1).answer(), FormatSlot{}, false);
    EXPECT_TRUE(text.isString());
    EXPECT_EQ(text.text(), u"a long text");
    EXPECT_EQ(text.columns(), 0);
    EXPECT_GE(text.wrapped(PlatformFont{u"Tahoma", 20, 700}, 220).lines.size(), 1u);
}

}  // namespace
}  // namespace shell
