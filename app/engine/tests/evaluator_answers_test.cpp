// Earlier answers (ANS, ANS(n), ANS[...], an answer as text) through a fake
// block list, and user functions with and without parameters.
#include <vector>

#include "engine/answer_index.h"
#include "engine/answer_source.h"
#include "engine/code_list.h"
#include "engine/evaluator.h"
#include "engine/parser.h"
#include "engine/user_functions.h"
#include "evaluator_test_support.h"

namespace engine::evaluation_testing {
namespace {

class FakeBlocks : public AnswerSource {
public:
    std::vector<OwnedMatrix> answers;
    OwnedMatrix functionRecord{newMatrix(0, 0)};
    bool offerFunctionRecord = false;

    void add(Outcome out) { answers.push_back(std::move(out.value)); }
    void addEmpty() { answers.push_back(nullptr); }
    int blockCount() const override { return int(answers.size()); }
    const Matrix* answerOf(int k) const override { return answers[size_t(k)].get(); }
    Matrix* functionAnswer(const UserFunction&) override {
        return offerFunctionRecord ? functionRecord.get() : nullptr;
    }
};

class EvaluatorAnswers : public EvaluatorTest {
protected:
    void SetUp() override {
        EvaluatorTest::SetUp();
        setAnswerSource(&blocks);
    }
    // Runs a hand-made list of one answer-as-text token; the raw text of a
    // string result (no leading space dropped), "-" for anything else.
    static std::u16string answerText(double back, uint16_t* status) {
        const Token list[] = {{code(Code::AnswerAsText), back}, {0, 0.0}};
        OwnedMatrix result(newMatrix(0, 0));
        *status = runCode(list, result.get(), 0);
        if (result->kind != LATTIX_KIND_STRING) return u"-";
        return reinterpret_cast<const char16_t*>(result->re);
    }
    FakeBlocks blocks;
};

TEST_F(EvaluatorAnswers, AnsFollowsTheAnswerIndex) {
    EXPECT_EQ(run(u"ANS").text, "0");  // before the first block
    EXPECT_EQ(run(u"ANS[1]").text, "0");
    blocks.add(run(u"3"));
    blocks.add(run(u"{5,6,7}"));
    blocks.add(run(u"\"hi\""));
    blocks.addEmpty();
    struct Case {
        int index;
        const char16_t* line;
        const char* answer;
        uint16_t code;
    };
    const Case cases[] = {
        {1, u"ANS", "{5,6,7}", 0},   {1, u"ANS*2", "{10,12,14}", 0},
        {1, u"ANS[2]", "6", 0},      {1, u"ANS[4]", "", 14},
        {1, u"ANS(1)", "{5,6,7}", 0}, {1, u"ANS(2)", "3", 0},
        {1, u"ANS(3)", "", 14},      {1, u"ANS(0)", "", 14},
        {2, u"ANS", "hi", 0},        {2, u"ANS[2]", "i", 0},
        {3, u"ANS", "0", 0},         {3, u"ANS(1)", "0", 0},
        {9, u"ANS", "0", 0},         {9, u"ANS(1)", "0", 0},
        {9, u"ANS(9)", "{5,6,7}", 0}, {9, u"ANS[1]", "0", 0},
    };
    for (const Case& c : cases) {
        setAnswerIndex(c.index);
        const Outcome out = run(c.line);
        EXPECT_EQ(out.status, c.code) << narrow(c.line) << " at " << c.index;
        if (c.code == 0) {
            EXPECT_EQ(out.text, c.answer) << narrow(c.line) << " at " << c.index;
        }
    }
}

TEST_F(EvaluatorAnswers, AnAnswerAsText) {
    blocks.add(run(u"{1,2|3,4}"));
    blocks.add(run(u"\" padded\""));
    blocks.add(run(u"1+2i"));
    uint16_t status = 0;
    setAnswerIndex(0);
    EXPECT_EQ(answerText(1, &status), u"{1,2|3,4}");
    setAnswerIndex(1);
    EXPECT_EQ(answerText(1, &status), u" padded");  // a string answer as it is
    EXPECT_EQ(answerText(2, &status), u"{1,2|3,4}");
    answerText(3, &status);
    EXPECT_EQ(status, 14);
    setAnswerIndex(2);
    EXPECT_EQ(answerText(1, &status), u"1+2i");
    setAnswerIndex(7);
    EXPECT_EQ(answerText(1, &status), u" ");  // beyond the list
    EXPECT_EQ(status, 0);
    answerText(0, &status);
    EXPECT_EQ(status, 14);
}

class EvaluatorUserFunctions : public EvaluatorTest {
protected:
    void TearDown() override {
        resetUserFunctions();
        for (Token*& l : lists) freeCode(l);
        EvaluatorTest::TearDown();
    }
    void define(int slot, const char16_t* name, int parameters, const char16_t* text) {
        Token*& list = lists[size_t(slot)];
        // Named first, so that the text may call the function itself.
        ASSERT_TRUE(setUserFunction(slot, UserFunction{name, parameters, &list, nullptr}));
        ASSERT_EQ(compileExpression(text, &list), 0) << narrow(text);
    }
    std::array<Token*, kUserFunctionSlots> lists{};
};

TEST_F(EvaluatorUserFunctions, WithoutParametersTheBlockIsEvaluatedAgain) {
    define(0, u"f", 0, u"x*10");
    EXPECT_EQ(runAll({u"x=2", u"f+1"}).text, "21");
    EXPECT_EQ(runAll({u"x=3", u"f"}).text, "30");
    // The block's own answer record gets the value when the document has one.
    FakeBlocks blocks;
    blocks.offerFunctionRecord = true;
    setAnswerSource(&blocks);
    EXPECT_EQ(run(u"f").text, "30");
    EXPECT_EQ(textOf(blocks.functionRecord.get()), "30");
    setAnswerSource(nullptr);
}

TEST_F(EvaluatorUserFunctions, ParametersArriveInXYZAndLeaveThemAsTheyWere) {
    define(1, u"h", 1, u"x+1");
    define(2, u"g", 2, u"x*10+y");
    define(3, u"k", 3, u"x*100+y*10+z");
    ASSERT_EQ(runAll({u"x=5", u"y=6", u"z=7"}).status, 0);
    EXPECT_EQ(run(u"h(2)").text, "3");
    EXPECT_EQ(run(u"g(1,2)").text, "12");
    EXPECT_EQ(run(u"k(1,2,3)").text, "123");
    EXPECT_EQ(run(u"100+g(h(1),3)*2").text, "146");
    EXPECT_EQ(run(u"{x,y,z}").text, "{5,6,7}");
    EXPECT_EQ(run(u"V:h({1,2})").status, 51);  // the function's list is not element-wise
    // A failure inside still gives the parameters back.
    define(4, u"bad", 1, u"x/0");
    EXPECT_EQ(run(u"bad(1)").status, 52);
    EXPECT_EQ(run(u"x").text, "5");
}

TEST_F(EvaluatorUserFunctions, ShortOperatorsInsideNeverChangeTheCaller) {
    // The function's run starts on the caller's top value; an operator that
    // would reach it is refused with code 11 instead of changing it.
    define(0, u"f", 0, u"2**3");
    define(1, u"g", 1, u"x**3");
    define(2, u"h", 0, u"-");
    define(3, u"k", 0, u"mat(2,1)");
    for (std::u16string_view line : {u"10+f", u"10+g(2)", u"{1,2,h}", u"{1,2,k}"})
        EXPECT_EQ(run(line).status, 11) << narrow(line);
    // The functions' own values are fine.
    define(4, u"m", 0, u"2*3");
    EXPECT_EQ(run(u"10+m").text, "16");
}

TEST_F(EvaluatorUserFunctions, EmptiedSlotsAndRecursionFailCleanly) {
    define(0, u"f", 0, u"2");
    Token* list = nullptr;
    ASSERT_EQ(compileExpression(u"f+1", &list), 0);
    clearUserFunction(0);
    OwnedMatrix result(newMatrix(0, 0));
    EXPECT_EQ(runCode(list, result.get(), 0), kInvalidFunctionReference);
    freeCode(list);

    define(1, u"r", 0, u"r+1");
    EXPECT_EQ(run(u"r").status, kStackOverflow);
    define(2, u"p", 1, u"p(x+1)");
    EXPECT_EQ(run(u"p(1)").status, kStackOverflow);
    EXPECT_EQ(run(u"x").text, "0");
}

}  // namespace
}  // namespace engine::evaluation_testing
