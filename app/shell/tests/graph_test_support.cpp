#include "graph_test_support.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/engine_state.h"
#include "engine/library_table.h"
#include "engine/value_stack.h"
#include "engine/variables.h"
#include "platform/heap.h"

namespace shell::testing {
namespace {

constexpr OperatorCode kDots = 0x0100;
constexpr OperatorCode kWave = 0x0200;
constexpr OperatorCode kTwice = 0x0300;
constexpr OperatorCode kRefuse = 0x0400;
constexpr OperatorCode kDrawn = 0x0500;
// Functions of one argument (class 5, arity 1), as a scientific keypad has.
constexpr OperatorCode kSine = 0x0615;
constexpr OperatorCode kSquareRoot = 0x0715;

DrawnCurve drawn;

OperatorCode names(const char16_t* n) {
    const std::u16string_view name(n);
    if (name == u"dots") return kDots;
    if (name == u"wave") return kWave;
    if (name == u"twice") return kTwice;
    if (name == u"refuse") return kRefuse;
    if (name == u"drawn") return kDrawn;
    if (name == u"sin") return kSine;
    if (name == u"sqrt") return kSquareRoot;
    return 0;
}

OperatorCode noCharacters(char16_t) {
    return 0;
}

int32_t operation(OperatorCode op, int32_t, int32_t, Matrix* stack, int16_t* top,
                  const HostServices*) {
    if (op == kSine || op == kSquareRoot) {
        Matrix* x = &stack[*top];
        const double v = x->re[0];
        if (op == kSine)
            copyValMatrix(x, std::sin(v), 0.0);
        else if (v < 0.0)
            copyValMatrix(x, 0.0, std::sqrt(-v));
        else
            copyValMatrix(x, std::sqrt(v), 0.0);
        return 0;
    }
    ++*top;
    copyValMatrix(&stack[*top], 0.0, 0.0);
    return 0;
}

// Gives record k room for n points with x and y arrays, as a library does.
void room(KeypadCurve& c, int n) {
    if (c.capacity >= n && c.x != nullptr && c.y != nullptr) return;
    platformHeapFree(c.x);
    platformHeapFree(c.y);
    platformHeapFree(c.auxiliary);
    platformHeapFree(c.penUp);
    c.auxiliary = nullptr;
    c.penUp = nullptr;
    c.x = static_cast<double*>(platformHeapAlloc(sizeof(double) * n));
    c.y = static_cast<double*>(platformHeapAlloc(sizeof(double) * n));
    c.capacity = uint16_t(n);
}

void points(KeypadCurve& c, std::initializer_list<double> xs, std::initializer_list<double> ys) {
    room(c, int(xs.size()));
    int i = 0;
    for (double v : xs) c.x[i++] = v;
    i = 0;
    for (double v : ys) c.y[i++] = v;
    c.pointsAtSamples = 0;
    c.pointCount = int16_t(xs.size());
    c.lineFlag = 0;
    c.markStyle = 3;
    c.firstX = *xs.begin();
    c.lastX = *(xs.end() - 1);
    c.smallestY = *ys.begin();
    c.largestY = *(ys.end() - 1);
}

int32_t graph(double* samples, KeypadCurve* curves, int16_t* traceCount, OperatorCode op, int32_t,
              int32_t, Matrix*, int16_t*, const HostServices*) {
    switch (op) {
        case kDots:
            points(curves[*traceCount], {-1.0, 0.0, 1.0}, {5.0, 6.0, 7.0});
            ++*traceCount;
            return -1;
        case kWave: {
            KeypadCurve& c = curves[*traceCount];
            const int n = int(samples[-1]);
            room(c, n);
            for (int i = 0; i < n; ++i) c.y[i] = 2.0 * samples[i];
            c.pointsAtSamples = 1;
            c.pointCount = int16_t(n);
            c.firstX = samples[0];
            c.lastX = samples[n - 1];
            c.smallestY = 2.0 * samples[0];
            c.largestY = 2.0 * samples[n - 1];
            c.fitRange = 1;
            ++*traceCount;
            return -1;
        }
        case kTwice:
            for (int k = 0; k < 2 && *traceCount < KEYPAD_CURVE_COUNT; ++k) {
                points(curves[*traceCount], {double(k)}, {double(k)});
                ++*traceCount;
            }
            return -1;
        case kRefuse:
            return 1;
        case kDrawn: {
            KeypadCurve& c = curves[*traceCount];
            const int n = int(drawn.x.size());
            room(c, n);
            platformHeapFree(c.penUp);
            c.penUp = nullptr;
            if (!drawn.pen.empty()) {
                c.penUp = static_cast<uint8_t*>(platformHeapAlloc(size_t(n)));
                for (int i = 0; i < n; ++i) c.penUp[i] = drawn.pen[size_t(i)];
            }
            for (int i = 0; i < n; ++i) {
                c.x[i] = drawn.x[size_t(i)];
                c.y[i] = drawn.y[size_t(i)];
            }
            c.pointsAtSamples = 0;
            c.pointCount = int16_t(n);
            c.lineFlag = drawn.line;
            c.markStyle = drawn.mark;
            c.colour = drawn.colour;
            const size_t units = std::min(drawn.label.size(), size_t(KEYPAD_CURVE_LABEL_UNITS - 1));
            std::copy_n(drawn.label.begin(), units, c.label);
            c.label[units] = 0;
            c.firstX = c.lastX = n > 0 ? c.x[0] : 0.0;
            c.smallestY = c.largestY = n > 0 ? c.y[0] : 0.0;
            ++*traceCount;
            return -1;
        }
        default:
            return 0;
    }
}

}  // namespace

void setDrawnCurve(const DrawnCurve& curve) {
    drawn = curve;
}

void installFakeLibrary() {
    KeypadLibrary library{};
    library.GetStrOperator = names;
    library.GetOperator = noCharacters;
    library.doOperation = operation;
    library.doGraph = graph;
    engine::addLibrary(library, u"Fake");
}

void GraphTest::SetUp() {
    engine::engineState().reset();
    engine::resetLibraries();
    blocks_ = std::make_unique<engine::BlockList>();
    model_ = std::make_unique<GraphModel>(*blocks_, engine::workspaceSettings());
}

void GraphTest::TearDown() {
    model_.reset();
    blocks_.reset();
    engine::engineState().reset();
    engine::resetLibraries();
}

engine::EquationBlock& GraphTest::enter(std::u16string_view text, int colour) {
    engine::BlockList& list = *blocks_;
    const int index = list.count() - 1;
    list.execute(index, text);
    list.appendEmpty();
    engine::EquationBlock& block = list.block(index);
    block.setFlags((block.flags() & ~engine::kGraphColourMask) | uint32_t(colour));
    return block;
}

}  // namespace shell::testing
