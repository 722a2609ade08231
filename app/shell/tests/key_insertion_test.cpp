// insertKey in the algebraic edit line: the main program's page 1 keys, the
// exponent key, the token cursor, the Variables/Scripts key, the follow-up
// actions of library keys, the RPN Mode switch and the undo of typed keys.
#include <gtest/gtest.h>

#include <string>

#include "engine/key_insertion.h"
#include "engine/library_table.h"
#include "engine/variables.h"
#include "engine/workspace_settings.h"
#include "key_test_support.h"
#include "platform/edit_control.h"
#include "shell/commands.h"
#include "shell/keys.h"

using engine::VariableChoice;
using shell::testing::KeyEntryTest;
using shell::testing::utf8;

namespace {

struct TypingCase {
    std::u16string keys;
    std::u16string line;
    int start, end;  // the selection afterwards
};

TEST_F(KeyEntryTest, AlgebraicKeysTypeTextAndHighlightTheTokenBeforeTheCaret) {
    const TypingCase cases[] = {
        {u"{1.}", u"+", 0, 1},        {u"{10}", u",", 0, 1},
        {u"{11}", u"/", 0, 1},        {u"{12}", u"()", 0, 1},
        {u"{13}", u"[]", 0, 1},       {u"{14}", u"*", 0, 1},
        {u"{15}", u"=", 0, 1},        {u"{16}", u"ANS", 0, 3},
        {u"{17}", u"-", 0, 1},        {u"2{12}3", u"2(3)", 2, 3},
        {u"{19}", u"1E", 1, 2},       {u"2{19}", u"2E", 1, 2},
        {u"2.{19}", u"2.E", 2, 3},    {u"a{19}", u"a1E", 2, 3},
        {u"sin({19}", u"sin(1E", 5, 6},
        {u"sin", u"sin", 0, 3},       {u"sin(", u"sin(", 3, 4},
        {u"2+ab", u"2+ab", 2, 4},     {u"12\b", u"1", 0, 1},
        {u"{1x}", u"", 0, 0},         {u"{51}", u"", 0, 0},
        {u"\t", u"", 0, 0},
    };
    for (const TypingCase& c : cases) {
        clear();
        press(c.keys);
        EXPECT_EQ(utf8(line()), utf8(c.line)) << utf8(c.keys);
        EXPECT_EQ(selectionStart(), c.start) << utf8(c.keys);
        EXPECT_EQ(selectionEnd(), c.end) << utf8(c.keys);
    }
}

TEST_F(KeyEntryTest, LeftAndRightOnPageZeroStepTheTokenCursor) {
    press(u"sin(ab)+2");
    EXPECT_EQ(selectionStart(), 8);
    struct Step {
        bool right;
        int start, end;
    } steps[] = {{false, 7, 8}, {false, 6, 7}, {false, 4, 6}, {false, 3, 4},
                 {false, 0, 3}, {false, 0, 3}, {true, 3, 4},  {true, 4, 6},
                 {true, 6, 7},  {true, 7, 8},  {true, 8, 9},  {true, 8, 9}};
    for (const Step& s : steps) {
        shell::onKeyUp(state, s.right ? shell::kKeyRight : shell::kKeyLeft);
        EXPECT_EQ(selectionStart(), s.start);
        EXPECT_EQ(selectionEnd(), s.end);
    }
    // A key goes in after the highlighted token.
    press(u"{14}");
    EXPECT_EQ(utf8(line()), "sin(ab)+2*");
}

TEST_F(KeyEntryTest, TypingBeyondTheLineLimitReportsTheTooLongMessage) {
    press(std::u16string(99, u'1'));
    EXPECT_EQ(tooLongMessages(), 0);
    press(u"2{16}");
    EXPECT_EQ(line(), std::u16string(99, u'1'));
    EXPECT_EQ(tooLongMessages(), 2);
}

TEST_F(KeyEntryTest, VariablesKeyInsertsWhatTheDialogChose) {
    using Kind = VariableChoice::Kind;
    for (const char16_t* name : {u"v", u"w", u"u"}) engine::addVariable(name, nullptr);
    copyValMatrix(engine::variableAt(engine::findVariable(u"v")), 5.0, 0.0);
    struct Case {
        Kind kind;
        const char16_t* name;
        int parameters;
        const char16_t* line;
        int caret;
    } cases[] = {
        {Kind::Cancel, u"q", 0, u"", 0},
        {Kind::Workspace, u"wsp", 0, u"wsp()", 4},
        {Kind::Text, u"abc", 0, u"abc()", 4},
        {Kind::Variable, u"w", 0, u"w", 1},
        {Kind::NewVariable, u"fresh", 0, u"fresh", 5},
        {Kind::UserFunction, u"f", 1, u"f()", 2},
        {Kind::UserFunction, u"g", 2, u"g( , )", 2},
        {Kind::UserFunction, u"h", 3, u"h( , , )", 2},
        {Kind::ViewVariable, u"v", 0, u"", 0},
        {Kind::ViewVariable, u"u", 0, u"u", 1},
    };
    for (const Case& c : cases) {
        clear();
        choices.push_back({c.kind, c.name, c.parameters});
        press(u"{18}");
        EXPECT_EQ(utf8(line()), utf8(c.line)) << utf8(c.name);
        EXPECT_EQ(selectionEnd(), c.caret) << utf8(c.name);
    }
    EXPECT_EQ(viewed, (std::vector<std::u16string>{u"v"}));
    // Inserted variables exist with a value.
    for (const char16_t* name : {u"w", u"fresh", u"u"}) {
        const Matrix* m = engine::variableAt(engine::findVariable(name));
        ASSERT_NE(m, nullptr) << utf8(name);
        EXPECT_EQ(m->kind, LATTIX_KIND_SCALAR) << utf8(name);
        EXPECT_EQ(m->re[0], 0.0) << utf8(name);
    }
}

TEST_F(KeyEntryTest, VariablesKeyComposesInTheRpnDisplay) {
    using Kind = VariableChoice::Kind;
    ASSERT_EQ(doc().blocks().defineFunction(u"twice", 1, u"x*2"), 0);
    startRpn();
    choices.push_back({Kind::UserFunction, u"twice", 1});
    press(u"3\r{18}");
    EXPECT_EQ(utf8(doc().blocks().block(0).text()), "twice(3)");
    EXPECT_DOUBLE_EQ(answerOf(0), 6);

    choices.push_back({Kind::Variable, u"a", 0});
    press(u"{18}");
    EXPECT_EQ(utf8(line()), "a");
}

// A keypad whose page 2 keys give each follow-up action.
int32_t actionKeys(uint32_t keyCode, PlatformWindow edit, const HostServices*) {
    switch (keyCode & 0xFFFF) {
        case u'1': platformEditReplaceSelection(edit, u"(@)*2"); return KEYPAD_ACTION_EXECUTE;
        case u'2': {
            const std::u16string longText = std::u16string(98, u'1') + u"@";
            platformEditReplaceSelection(edit, longText.c_str());
            return KEYPAD_ACTION_EXECUTE;
        }
        case u'3': platformEditReplaceSelection(edit, u"x"); return KEYPAD_ACTION_GRAPH;
        case u'4': return KEYPAD_ACTION_REPAINT;
        case u'5': platformEditReplaceSelection(edit, u"1"); return 5;
        default: return KEYPAD_ACTION_NONE;
    }
}
OperatorCode noName(const char16_t*) { return 0; }
OperatorCode noCharacter(char16_t) { return 0; }

class LibraryActionTest : public KeyEntryTest {
protected:
    void SetUp() override {
        KeyEntryTest::SetUp();
        KeypadLibrary library{};
        library.MapKeyboard = actionKeys;
        library.GetStrOperator = noName;
        library.GetOperator = noCharacter;
        useLibrary(engine::addLibrary(library, u"Actions"));
    }
};

TEST_F(LibraryActionTest, FollowUpActionsRedrawMarkAndExecute) {
    press(u"{24}");
    EXPECT_EQ(state.pending.redrawKeypad, true);

    press(u"{23}");  // graph: red, then EXE
    ASSERT_EQ(doc().blocks().count(), 2);
    EXPECT_EQ(utf8(doc().blocks().block(0).text()), "x");
    EXPECT_EQ(doc().blocks().block(0).graphColour(), 1);

    clear();
    press(u"{25}");  // commit only
    EXPECT_EQ(doc().blocks().count(), 1);
    EXPECT_EQ(utf8(doc().blocks().block(0).text()), "1");
}

TEST_F(LibraryActionTest, OperandSubstitutionInTheRpnDisplay) {
    startRpn();
    press(u"3\r{21}");
    EXPECT_EQ(utf8(doc().blocks().block(0).text()), "(3)*2");
    EXPECT_DOUBLE_EQ(answerOf(0), 6);
    undo();
    EXPECT_EQ(utf8(doc().blocks().block(0).text()), "3");

    // With text in the edit line the line is the operand, and EXE pushes
    // the result.
    press(u"4{21}");
    EXPECT_EQ(utf8(doc().blocks().block(1).text()), "(4)*2");
    EXPECT_DOUBLE_EQ(answerOf(1), 8);
    EXPECT_EQ(doc().blocks().count(), 3);

    // A result too long for an entry: the message, the old entry, no status.
    clear();
    press(u"123\r{22}");
    EXPECT_EQ(tooLongMessages(), 1);
    EXPECT_EQ(utf8(doc().blocks().block(0).text()), "123");
    EXPECT_EQ(doc().blocks().block(0).status(), 0);
}

TEST_F(KeyEntryTest, RpnModeSwitchesTheDisplayAndResetsTheEntryValues) {
    engine::workspaceSettings().rpnFirst = 3;
    engine::workspaceSettings().rpnSecond = 4;
    runCommand(state, shell::kCmdRpnMode);
    EXPECT_TRUE(state.rpnMode);
    EXPECT_TRUE(doc().rpnDisplay());
    EXPECT_EQ(engine::workspaceSettings().rpnFirst, 0);
    EXPECT_EQ(engine::workspaceSettings().rpnSecond, 0);
    runCommand(state, shell::kCmdRpnMode);
    EXPECT_FALSE(state.rpnMode);
    EXPECT_FALSE(doc().rpnDisplay());

    // Editing an earlier block, the keys stay algebraic.
    press(u"1\r2\r");
    doc().setActive(0);
    runCommand(state, shell::kCmdRpnMode);
    EXPECT_TRUE(state.rpnMode);
    EXPECT_FALSE(doc().rpnDisplay());
    engine::resetWorkspaceSettings();
}

TEST_F(KeyEntryTest, UndoOfTypedKeysAndOfEnter) {
    press(u"2\r");
    undo();
    EXPECT_EQ(utf8(line()), "2");
    EXPECT_EQ(doc().blocks().count(), 1);

    // A typed key: the block's stored text comes back, and stays undoable.
    press(u"\r3");
    EXPECT_EQ(doc().undoRecord().kind, engine::UndoKind::EditLineChanged);
    undo();
    EXPECT_EQ(utf8(line()), "");
    EXPECT_EQ(doc().undoRecord().kind, engine::UndoKind::EditLineChanged);
    doc().setActive(0);
    platformEditSetText(doc().editLine(), u"2");
    press(u"5");
    undo();
    EXPECT_EQ(utf8(line()), "2");
}

}  // namespace
