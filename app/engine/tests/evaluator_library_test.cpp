// Library tokens: fake keypad libraries in this process, entered through the
// library table, receive the stack, the flags and the host services, and
// their failure codes come back routed.
#include <cstring>
#include <string_view>

#include "engine/code_list.h"
#include "engine/evaluator.h"
#include "engine/library_table.h"
#include "engine/parser.h"
#include "engine/value_stack.h"
#include "engine/variables.h"
#include "evaluator_test_support.h"

namespace engine::evaluation_testing {
namespace {

bool is(const char16_t* name, std::u16string_view expected) { return name == expected; }

// Codes of the first fake library.
constexpr OperatorCode kTwice = 0x0115;     // x = 2x
constexpr OperatorCode kTen = 0x0100;       // push 10
constexpr OperatorCode kFlag = 0x0200;      // push the element-wise flag
constexpr OperatorCode kAngle = 0x0300;     // push the angle mode
constexpr OperatorCode kFourteen = 0x0215;  // refuse with 14
constexpr OperatorCode kEvalText = 0x0315;  // x = value of the text x, via HostServices
constexpr OperatorCode kDropAll = 0x0415;   // leaves the top index at 2
constexpr OperatorCode kVar = 0x0515;       // x = value of the variable named by x

uint16_t nestedStatus = 0;
int16_t topSeenAfterNestedRun = 0;

OperatorCode firstNames(const char16_t* n) {
    if (is(n, u"twice")) return kTwice;
    if (is(n, u"ten")) return kTen;
    if (is(n, u"flag")) return kFlag;
    if (is(n, u"angle")) return kAngle;
    if (is(n, u"fourteen")) return kFourteen;
    if (is(n, u"evaltext")) return kEvalText;
    if (is(n, u"dropall")) return kDropAll;
    if (is(n, u"var")) return kVar;
    return 0;
}

int32_t firstOperation(OperatorCode op, int32_t angleMode, int32_t elementwise, Matrix* stack,
                       int16_t* top, const HostServices* services) {
    Matrix& x = stack[*top];
    switch (op) {
        case kTwice: {
            Matrix two{};
            copyValMatrix(&two, 2.0, 0.0);
            const int32_t r = multMatrix(&x, &two, 0);
            resizeMatrix(&two, 0, 0);
            return r;
        }
        case kTen: ++*top; copyValMatrix(&stack[*top], 10.0, 0.0); return 0;
        case kFlag: ++*top; copyValMatrix(&stack[*top], elementwise, 0.0); return 0;
        case kAngle: ++*top; copyValMatrix(&stack[*top], angleMode, 0.0); return 0;
        case kFourteen: return 14;
        case kEvalText: {
            if (x.kind != LATTIX_KIND_STRING) return 9;
            Token* list = nullptr;
            if (services->compileExpression(reinterpret_cast<char16_t*>(x.re), &list) != 0)
                return 4;
            Matrix* result = newMatrix(0, 0);
            nestedStatus = services->runCode(list, result, angleMode);
            topSeenAfterNestedRun = *top;
            services->freeCode(list);
            copyMatMatrix(&x, result);
            delMatrix(result);
            return 0;
        }
        case kDropAll: *top = 2; return 0;
        case kVar: {
            if (x.kind != LATTIX_KIND_STRING) return 9;
            const uint16_t ref = services->findVariable(reinterpret_cast<char16_t*>(x.re));
            if (ref == KEYPAD_NO_VARIABLE) return 56;
            copyMatMatrix(&x, services->variableAt(ref));
            return 0;
        }
        default: return 0;
    }
}

OperatorCode noCharacters(char16_t) { return 0; }
OperatorCode noNames(const char16_t*) { return 0; }

// The third fake knows one named value, which fails with its own code 101.
OperatorCode thirdNames(const char16_t* n) { return is(n, u"boom") ? 0x0100 : 0; }
int32_t thirdOperation(OperatorCode, int32_t, int32_t, Matrix*, int16_t*, const HostServices*) {
    return 101;
}

KeypadLibrary fake(KeypadGetStrOperatorFn names, KeypadDoOperationFn operation) {
    KeypadLibrary lib{};
    lib.GetStrOperator = names;
    lib.GetOperator = noCharacters;
    lib.doOperation = operation;
    return lib;
}

class EvaluatorLibraryDispatch : public EvaluatorTest {
protected:
    void SetUp() override {
        EvaluatorTest::SetUp();
        ASSERT_EQ(addLibrary(fake(firstNames, firstOperation), u"First"), 1);
        ASSERT_EQ(addLibrary(fake(noNames, nullptr), u"Second"), 2);
        ASSERT_EQ(addLibrary(fake(thirdNames, thirdOperation), u"Third"), 3);
    }
};

TEST_F(EvaluatorLibraryDispatch, OperatorsWorkOnTheSameStack) {
    EXPECT_EQ(run(u"twice(3)+1").text, "7");
    EXPECT_EQ(run(u"ten*ten").text, "100");
    EXPECT_EQ(run(u"twice({1,2})").text, "{2,4}");
    EXPECT_EQ(run(u"angle").text, "0");
    EXPECT_EQ(run(u"angle", 1).text, "1");
    EXPECT_EQ(run(u"flag").text, "0");
    EXPECT_EQ(run(u"V:flag").text, "1");
}

TEST_F(EvaluatorLibraryDispatch, FailureCodesAreRoutedByLibraryNumber) {
    EXPECT_EQ(run(u"boom").status, 0x0365);
    EXPECT_EQ(run(u"fourteen(1)").status, 0x010E);
    // A library that pops more than there is gets the stack check.
    EXPECT_EQ(run(u"dropall(1)").status, 11);
    // The answer is what stood on top when the list stopped.
    const Outcome out = run(u"5,fourteen(2)");
    EXPECT_EQ(out.text, "2");
}

TEST_F(EvaluatorLibraryDispatch, APushIntoTheHeadroomIsAStackOverflow) {
    std::u16string line = u"1";
    for (int i = 1; i < 75; ++i) line += u",1";
    EXPECT_EQ(run(line + u",angle").status, 13);
}

TEST_F(EvaluatorLibraryDispatch, ALibraryThatLeftTheTableOwnsNothing) {
    Token* list = nullptr;
    ASSERT_EQ(compileExpression(u"ten", &list), 0);
    resetLibraries();
    OwnedMatrix result(newMatrix(0, 0));
    EXPECT_EQ(runCode(list, result.get(), 0), kInvalidFunctionReference);
    freeCode(list);
}

TEST_F(EvaluatorLibraryDispatch, HostServicesRunNestedAboveTheTop) {
    nestedStatus = 99;
    EXPECT_EQ(run(u"1+evaltext(\"2*3\")").text, "7");
    EXPECT_EQ(nestedStatus, 0);
    EXPECT_EQ(topSeenAfterNestedRun, kBlockStartTop + 2);
    // The nested list is not element-wise; the outer one gets its flag back.
    EXPECT_EQ(run(u"V:evaltext(\"flag\")+{1,2}").text, "{1,2}");
    EXPECT_EQ(run(u"V:evaltext(\"1\")+{1,2}").text, "{2,3}");
    // Nested failures come back routed too.
    run(u"evaltext(\"boom\")");
    EXPECT_EQ(nestedStatus, 0x0365);

    EXPECT_EQ(runAll({u"w=41", u"var(\"w\")+1"}).text, "42");
    EXPECT_EQ(run(u"var(\"nothing\")").status, 0x0138);

    const HostServices* s = hostServices();
    EXPECT_EQ(s->compileExpression, &compileExpression);
    EXPECT_EQ(s->runCode, &runCode);
    EXPECT_EQ(s->freeCode, &freeCode);
    EXPECT_EQ(s->variableAt, &::variableAt);
    EXPECT_EQ(s->findVariable, &::findVariable);
    EXPECT_EQ(s->createVariable, &::createVariable);
}

}  // namespace
}  // namespace engine::evaluation_testing
