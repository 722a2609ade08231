// runCodeForGraph: library tokens offered to doGraph first, with the graph
// view's sample buffer and curve table handed through; how lists end.
#include <array>
#include <string_view>
#include <vector>

#include "engine/code_list.h"
#include "engine/evaluator.h"
#include "engine/library_table.h"
#include "engine/parser.h"
#include "engine/value_stack.h"
#include "evaluator_test_support.h"

namespace engine::evaluation_testing {
namespace {

constexpr OperatorCode kDraw = 0x0115;      // doGraph draws a trace: y = x + the argument
constexpr OperatorCode kDecline = 0x0215;   // doGraph declines; doOperation doubles
constexpr OperatorCode kFail = 0x0315;      // doOperation fails with 14
constexpr OperatorCode kCount = 0x0100;     // pushes the number of doOperation calls
constexpr OperatorCode kNested = 0x0415;    // doGraph runs its text through runCode, declines
constexpr OperatorCode kPushMany = 0x0500;  // doGraph pushes past slot 79, declines

int operations = 0;
int graphs = 0;
uint16_t nestedStatus = 0;
double nestedValue = 0.0;

OperatorCode names(const char16_t* n) {
    const std::u16string_view name(n);
    if (name == u"draw") return kDraw;
    if (name == u"decline") return kDecline;
    if (name == u"fail") return kFail;
    if (name == u"count") return kCount;
    if (name == u"nested") return kNested;
    if (name == u"pushmany") return kPushMany;
    return 0;
}

OperatorCode noCharacters(char16_t) {
    return 0;
}

int32_t operation(OperatorCode op, int32_t, int32_t, Matrix* stack, int16_t* top,
                  const HostServices*) {
    ++operations;
    switch (op) {
        case kDecline:
            stack[*top].re[0] *= 2.0;
            return 0;
        case kFail:
            return 14;
        case kCount:
            ++*top;
            copyValMatrix(&stack[*top], operations, 0.0);
            return 0;
        default:
            return 0;
    }
}

int32_t graph(double* samples, KeypadCurve* curves, int16_t* traceCount, OperatorCode op,
              int32_t angleMode, int32_t, Matrix* stack, int16_t* top,
              const HostServices* services) {
    ++graphs;
    switch (op) {
        case kDraw: {
            const int n = int(samples[-1]);
            KeypadCurve& c = curves[*traceCount];
            c.pointsAtSamples = 1;
            c.pointCount = int16_t(n);
            for (int i = 0; i < n; ++i) c.y[i] = samples[i] + stack[*top].re[0];
            ++*traceCount;
            return -1;
        }
        case kNested: {
            Token* list = nullptr;
            services->compileExpression(reinterpret_cast<char16_t*>(stack[*top].re), &list);
            Matrix* result = newMatrix(0, 0);
            nestedStatus = services->runCode(list, result, angleMode);
            nestedValue = result->re[0];
            delMatrix(result);
            services->freeCode(list);
            return 0;
        }
        case kPushMany:
            *top = 85;
            return 0;
        default:
            return 0;
    }
}

class EvaluatorGraphRun : public EvaluatorTest {
protected:
    void SetUp() override {
        EvaluatorTest::SetUp();
        KeypadLibrary lib{};
        lib.GetStrOperator = names;
        lib.GetOperator = noCharacters;
        lib.doOperation = operation;
        lib.doGraph = graph;
        ASSERT_EQ(addLibrary(lib, u"Grapher"), 1);
        operations = graphs = 0;
        buffer_ = {3.0, -1.0, 0.0, 1.0};
        ys_.assign(3, 0.0);
        curves_[0].y = ys_.data();
        curves_[0].capacity = 3;
    }

    // Compiles a line and graph-runs it as the graph view would.
    uint16_t graphLine(std::u16string_view line, int32_t graphThisBlock = 1) {
        const std::u16string text(line);
        Token* list = nullptr;
        EXPECT_EQ(compileExpression(text.c_str(), &list), 0) << narrow(line);
        setStackTop(kBlockStartTop);
        const uint16_t r =
            runCodeForGraph(samples(), curves_.data(), &traceCount_, list, graphThisBlock, 0);
        freeCode(list);
        EXPECT_EQ(stackTop(), kBlockStartTop) << narrow(line) << ": top index not restored";
        return r;
    }

    const double* samples() const { return buffer_.data() + 1; }

    std::array<double, 4> buffer_{};  // the count, then the x values
    std::vector<double> ys_;
    std::array<KeypadCurve, KEYPAD_CURVE_COUNT> curves_{};
    int16_t traceCount_ = 0;
};

TEST_F(EvaluatorGraphRun, ALibraryThatDrawsEndsTheListWithMinusOne) {
    EXPECT_EQ(graphLine(u"draw(10)+count"), kGraphDrawnByLibrary);
    EXPECT_EQ(traceCount_, 1);
    EXPECT_EQ(curves_[0].pointCount, 3);
    EXPECT_EQ(ys_, (std::vector<double>{9.0, 10.0, 11.0}));
    // Neither its own doOperation nor the rest of the list ran.
    EXPECT_EQ(operations, 0);
    EXPECT_EQ(graphs, 1);
}

TEST_F(EvaluatorGraphRun, DoGraphIsAskedOnlyWhenTheBlockIsGraphed) {
    EXPECT_EQ(graphLine(u"draw(10)", 0), 0);
    EXPECT_EQ(graphs, 0);
    EXPECT_EQ(operations, 1);
    EXPECT_EQ(traceCount_, 0);
}

TEST_F(EvaluatorGraphRun, DeclinedTokensGoOnToDoOperation) {
    EXPECT_EQ(graphLine(u"decline(3)+count"), 0);
    EXPECT_EQ(graphs, 2);
    EXPECT_EQ(operations, 2);
    EXPECT_EQ(traceCount_, 0);
}

TEST_F(EvaluatorGraphRun, FailuresEndTheListWithZero) {
    struct Row {
        std::u16string_view line;
        int operationsReached;
    };
    const Row rows[] = {
        // A library's failure is not even checked: the list goes on.
        {u"fail(1)+count", 2},
        // A built-in failure ends the list, with 0.
        {u"zero(0,3)+count", 0},
        {u"inv({1,2})+count", 0},
        {u"eval(3)+count", 0},
    };
    for (const Row& row : rows) {
        operations = 0;
        EXPECT_EQ(graphLine(row.line), 0) << narrow(row.line);
        EXPECT_EQ(operations, row.operationsReached) << narrow(row.line);
    }
}

TEST_F(EvaluatorGraphRun, TheStackChecksStillApply) {
    EXPECT_EQ(graphLine(u"pushmany"), kStackOverflow);
    const Token underflow[] = {{code(Code::Add), 0.0}, {0, 0.0}};
    setStackTop(kBlockStartTop);
    EXPECT_EQ(runCodeForGraph(samples(), curves_.data(), &traceCount_, underflow, 1, 0),
              kNotEnoughParameters);
    EXPECT_EQ(stackTop(), kBlockStartTop);
    EXPECT_EQ(runCodeForGraph(samples(), curves_.data(), &traceCount_, nullptr, 1, 0), 0);
}

TEST_F(EvaluatorGraphRun, RunsNestedInsideDoGraphAreOrdinaryRuns) {
    nestedStatus = 99;
    // The nested "draw" is not offered to doGraph: only the graph run's own
    // tokens are.
    EXPECT_EQ(graphLine(u"nested(\"draw(2)*5\")"), 0);
    EXPECT_EQ(nestedStatus, 0);
    EXPECT_EQ(nestedValue, 10.0);
    EXPECT_EQ(graphs, 1);
    EXPECT_EQ(traceCount_, 0);
}

Status workspaceCallResult = 0;
// What the call handler saw: the target lives in the graph run's frame, so
// the handler copies it out while it is valid.
bool targetWasSet = false;
GraphTarget targetSeen{};

TEST_F(EvaluatorGraphRun, AWorkspaceCallRunsInGraphMode) {
    setScriptCodeHandler([](const Token&, int32_t, Matrix* stack, int16_t* top) -> Status {
        const GraphTarget* target = workspaceCallGraphTarget();
        targetWasSet = target != nullptr;
        if (target != nullptr) targetSeen = *target;
        copyValMatrix(&stack[*top], 1.0, 0.0);  // the count becomes the call's value
        return workspaceCallResult;
    });
    const Token call[] = {{code(Code::Numeral), 0.0},
                          {code(Code::WorkspaceCall), 0.0},
                          {keypadRoute(1, kCount), 0.0},
                          {0, 0.0}};
    const struct {
        Status callResult;
        uint16_t expected;
        int operationsReached;
    } rows[] = {{0, 0, 1}, {kGraphDrawnByLibrary, kGraphDrawnByLibrary, 0}, {57, 57, 0}};
    for (const auto& row : rows) {
        workspaceCallResult = row.callResult;
        targetWasSet = false;
        targetSeen = {};
        operations = 0;
        setStackTop(kBlockStartTop);
        EXPECT_EQ(runCodeForGraph(samples(), curves_.data(), &traceCount_, call, 1, 0),
                  row.expected);
        ASSERT_TRUE(targetWasSet);
        EXPECT_EQ(targetSeen.samples, samples());
        EXPECT_EQ(targetSeen.curves, curves_.data());
        EXPECT_EQ(targetSeen.traceCount, &traceCount_);
        EXPECT_EQ(operations, row.operationsReached);
    }
    // Outside a graph run the call sees no target.
    targetWasSet = true;
    workspaceCallResult = 0;
    OwnedMatrix result(newMatrix(0, 0));
    EXPECT_EQ(runCode(call, result.get(), 0), 0);
    EXPECT_FALSE(targetWasSet);
    EXPECT_EQ(workspaceCallGraphTarget(), nullptr);
}

}  // namespace
}  // namespace engine::evaluation_testing
