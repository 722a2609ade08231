// ASK through the engine with a scripted user: messages and questions,
// values offered and stored, Cancel, and the failures that are syntax
// errors.
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "platform/pointer_state.h"
#include "scripted_backend.h"
#include "scripting_test_support.h"

namespace scripting::testing {
namespace {

using Texts = std::vector<std::u16string>;

class Ask : public ScriptingTest {
  protected:
    void SetUp() override {
        ScriptingTest::SetUp();
        ui.setFoundWindow(&mainWindow);
    }
    double value(std::u16string_view name) {
        const Matrix* m = global(name);
        return m != nullptr && m->re != nullptr && m->kind != LATTIX_KIND_STRING ? m->re[0] : NAN;
    }
    void setAll(std::initializer_list<std::u16string_view> lines) {
        for (std::u16string_view line : lines) ASSERT_EQ(run(line).status, 0) << narrowView(line);
    }

    int mainWindow = 0;
    orvana::testing::ScriptedBackend ui;
};

TEST_F(Ask, AMessageIsShownOverTheMainWindow) {
    const Outcome out = run(u"ASK(\"Done\")");
    ASSERT_EQ(out.status, 0);
    EXPECT_EQ(reals(out), std::vector<double>{1});
    ASSERT_EQ(ui.messageBoxes().size(), 1u);
    const auto& box = ui.messageBoxes()[0];
    EXPECT_EQ(box.text, u"Done");
    EXPECT_EQ(box.caption, u"Orvana");
    EXPECT_EQ(box.owner, &mainWindow);
    EXPECT_EQ(box.style & PLATFORM_MB_BUTTON_MASK, PLATFORM_MB_OK);
    EXPECT_TRUE(ui.promptDialogs().empty());
}

TEST_F(Ask, AQuestionIsAnsweredYesOrNo) {
    ui.queueMessageBoxAnswer(PLATFORM_IDYES);
    EXPECT_EQ(run(u"ASK(\"Again?\")").re(), 1);
    ui.queueMessageBoxAnswer(PLATFORM_IDNO);
    EXPECT_EQ(run(u"ASK(\"Again?\")").re(), 0);
    // Nobody answering is no.
    EXPECT_EQ(run(u"ASK(\"Again?\")").re(), 0);
    ASSERT_EQ(ui.messageBoxes().size(), 3u);
    EXPECT_EQ(ui.messageBoxes()[0].style & PLATFORM_MB_BUTTON_MASK, PLATFORM_MB_YESNO);
    // The answer takes part in the expression.
    ui.queueMessageBoxAnswer(PLATFORM_IDYES);
    EXPECT_EQ(run(u"10+ASK(\"Sure?\")").re(), 11);
}

TEST_F(Ask, ValuesAreOfferedAndStored) {
    setAll({u"w=3", u"h=2+i"});
    ui.queuePromptAnswer(Texts{u"5", u"h*2"});
    const Outcome out = run(u"ASK(\"Width\",\"w\",\"Height\",\"h\")");
    ASSERT_EQ(out.status, 0) << message(out.status);
    EXPECT_EQ(reals(out), std::vector<double>{1});
    ASSERT_EQ(ui.promptDialogs().size(), 1u);
    const auto& dialog = ui.promptDialogs()[0];
    EXPECT_EQ(dialog.labels, (Texts{u"Width", u"Height"}));
    EXPECT_EQ(dialog.values, (Texts{u"3", u"2+1i"}));
    EXPECT_EQ(value(u"w"), 5);
    EXPECT_EQ(value(u"h"), 4);
    EXPECT_EQ(global(u"h")->im[0], 2);
}

TEST_F(Ask, ThreePairsAndTheFormsOfTheOfferedValues) {
    setAll({u"p=3.14159265358979", u"c=1.5-2i", u"s=\"hello\"", u"big=1E20", u"m={7,8}",
            u"t=\"0123456789012345678901234567890123456789012345678901234567890\""});
    ui.queuePromptAnswer(std::nullopt);
    ui.queuePromptAnswer(std::nullopt);
    EXPECT_EQ(run(u"ASK(\"p\",\"p\",\"c\",\"c\",\"s\",\"s\")").re(), 0);
    EXPECT_EQ(run(u"ASK(\"big\",\"big\",\"m\",\"m\",\"t\",\"t\")").re(), 0);
    ASSERT_EQ(ui.promptDialogs().size(), 2u);
    EXPECT_EQ(ui.promptDialogs()[0].values, (Texts{u"3.14159", u"1.5-2i", u"hello"}));
    // A string is offered as its first 49 characters; a matrix as its first
    // element.
    EXPECT_EQ(ui.promptDialogs()[1].values,
              (Texts{u"1E+20", u"7", u"0123456789012345678901234567890123456789012345678"}));
    // Cancel stored nothing.
    EXPECT_EQ(value(u"p"), 3.14159265358979);
    EXPECT_EQ(global(u"m")->cols, 2);
}

TEST_F(Ask, AnEntryLeftAsOfferedKeepsItsExactValue) {
    setAll({u"p=3.14159265358979", u"s=\"abc\"", u"e=5"});
    // OK with p and s untouched, e changed.
    ui.queuePromptAnswer(Texts{u"3.14159", u"abc", u"e+1"});
    EXPECT_EQ(run(u"ASK(\"p\",\"p\",\"s\",\"s\",\"e\",\"e\")").re(), 1);
    EXPECT_EQ(value(u"p"), 3.14159265358979);
    ASSERT_NE(global(u"s"), nullptr);
    EXPECT_EQ(global(u"s")->kind, LATTIX_KIND_STRING);
    EXPECT_EQ(value(u"e"), 6);
    // A string typed with its quotes is stored as a string.
    ui.queuePromptAnswer(Texts{u"\"xyz\""});
    EXPECT_EQ(run(u"ASK(\"s\",\"s\")").re(), 1);
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(global(u"s")->re)), u"xyz");
}

struct AskFailure {
    const char* what;
    std::u16string line;
    std::optional<Texts> answer;
    int code;
    bool dialogShown;
};

class AskFailures : public Ask, public ::testing::WithParamInterface<AskFailure> {};

TEST_P(AskFailures, GiveTheirCode) {
    const AskFailure& c = GetParam();
    setAll({u"v=2", u"u=1"});
    if (c.answer) ui.queuePromptAnswer(*c.answer);
    const Outcome out = run(c.line);
    EXPECT_EQ(out.status, routed(uint16_t(c.code))) << c.what << ": " << message(out.status);
    EXPECT_EQ(ui.promptDialogs().size(), c.dialogShown ? 1u : 0u) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, AskFailures,
    ::testing::Values(
        AskFailure{"a variable that does not exist", u"ASK(\"v\",\"v\",\"q\",\"q\")", Texts{}, 4,
                   false},
        AskFailure{"an entry that does not compile", u"ASK(\"v\",\"v\")", Texts{u"qq+1"}, 4,
                   true},
        AskFailure{"an entry that fails to evaluate", u"ASK(\"v\",\"v\")", Texts{u"1/0"}, 52, true},
        AskFailure{"a prompt that is no text", u"ASK(5,\"v\")", std::nullopt, 14, false},
        AskFailure{"a name that is no text", u"ASK(\"v\",5)", std::nullopt, 14, false},
        AskFailure{"a message that is no text", u"ASK(5)", std::nullopt, 14, false}));

TEST_F(Ask, EntriesBeforeAFailedOneAreKept) {
    setAll({u"v=2", u"u=1"});
    ui.queuePromptAnswer(Texts{u"7", u"qq+"});
    EXPECT_EQ(run(u"ASK(\"v\",\"v\",\"u\",\"u\")").status, routed(4));
    EXPECT_EQ(message(routed(4)).rfind("Syntax error", 0), 0u);
    EXPECT_EQ(value(u"v"), 7);
    EXPECT_EQ(value(u"u"), 1);
}

TEST_F(Ask, TheWaitCursorIsTakenAwayAndPutBack) {
    platformSetWaitCursor(1);
    ui.queuePromptAnswer(Texts{u"4"});
    setAll({u"v=1", u"ASK(\"v\",\"v\")", u"ASK(\"hi\")"});
    EXPECT_EQ(ui.waitCursorChanges(), (std::vector<bool>{true, false, true, false, true}));
    EXPECT_EQ(platformWaitCursorShown(), 1);
    platformSetWaitCursor(0);
    // Without a wait cursor nothing changes.
    setAll({u"ASK(\"hi\")"});
    EXPECT_EQ(ui.waitCursorChanges().size(), 6u);
}

TEST_F(Ask, AScriptAsksForItsLocals) {
    saveScript(u"Asker", {u"LOCAL(\"n\")", u"n=1", u"r=ASK(\"How many\",\"n\")",
                          u"RETURN(n*10+r)"});
    ui.queuePromptAnswer(Texts{u"n+3"});
    const Outcome out = run(u"Asker");
    ASSERT_EQ(out.status, 0) << message(out.status);
    EXPECT_EQ(out.re(), 41);
    // Cancelled: the local keeps its value.
    EXPECT_EQ(run(u"Asker").re(), 10);
    // A failed ASK stops the script with its code.
    saveScript(u"Broken", {u"ASK(\"Which\",\"nothere\")", u"RETURN(5)"});
    EXPECT_EQ(run(u"Broken").status, routed(4));
}

}  // namespace
}  // namespace scripting::testing
