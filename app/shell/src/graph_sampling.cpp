// Sampling the graphed blocks into the curve table.
#include <algorithm>
#include <cmath>

#include "engine/answer_index.h"
#include "engine/long_run.h"
#include "engine/value_stack.h"
#include "engine/variables.h"
#include "platform/long_work.h"
#include "shell/graph_evaluate.h"
#include "shell/graph_model.h"

namespace shell {
namespace {

Matrix* variableX() {
    uint16_t handle = engine::findVariable(u"x");
    if (handle == engine::kNoVariable) handle = engine::addVariable(u"x", nullptr);
    return engine::variableAt(handle);
}

bool hasNumericFirstElement(const Matrix* m) {
    return m != nullptr && (m->kind == LATTIX_KIND_SCALAR || m->kind == LATTIX_KIND_MATRIX_VALUE) &&
           m->rows > 0 && m->cols > 0 && m->re != nullptr && m->im != nullptr;
}

}  // namespace

void GraphModel::sample() {
    // One long-work period for the whole sampling, so that many quick samples
    // add up to a run the user can stop.
    const engine::LongRunWatch period(true);
    resample_ = false;
    sampledWith_ = mapping();
    samples_.fill(sampledWith_);
    imagIgnored_ = false;
    curves_.setCount(0);

    const int savedAnswerIndex = engine::answerIndex();
    for (int k = blocks_.count() - 1; k >= 0 && curves_.count() < kCurveCount; --k) {
        if (blocks_.block(k).graphColour() != 0) sampleBlock(k);
    }
    curves_.resetFrom(curves_.count());
    extents_ = shell::dataExtents(curves_, defaultRange(settings_));
    engine::setAnswerIndex(savedAnswerIndex);
    engine::setStackTop(engine::kBlockStartTop);

    for (int k = 0; k < curves_.count(); ++k) {
        if (curves_[k].fitRange != 0) {
            setRangeToExtents();
            break;
        }
    }
}

void GraphModel::sampleBlock(int index) {
    engine::EquationBlock& block = blocks_.block(index);
    const engine::AnswerSourceScope answers(blocks_);
    engine::setAnswerIndex(index - 1);

    const int first = curves_.count();
    KeypadCurve& curve = curves_[first];
    curves_.reset(first);
    curve.blockIndex = int16_t(index);
    curve.colour = int16_t(block.graphColour());
    curve.pointsAtSamples = 1;
    curve.lineFlag = 1;

    int16_t traceCount = int16_t(first);
    engine::setStackTop(engine::kBlockStartTop);
    const GraphEvaluation evaluation =
        graphEvaluate(block, samples_.xValues(), curves_.records(), &traceCount);
    if (evaluation.produced) {
        // The curves stand as the library made them; a count it pushed past
        // the table (or back) is not believed.
        const int last = std::clamp(int(traceCount), first, kCurveCount);
        for (int k = first; k < last; ++k) {
            curves_[k].blockIndex = int16_t(index);
            if (curves_[k].pointsAtSamples == 1) resample_ = true;
        }
        if (last == first) curves_.reset(first);
        curves_.setCount(last);
        return;
    }

    const int n = samples_.count();
    if (!curves_.reserve(first, n)) {
        curves_.reset(first);
        return;
    }
    Matrix* x = variableX();
    double* y = curve.y;
    double yMin = kNoSmallest;
    double yMax = kNoLargest;
    for (int i = 0; i < n; ++i) {
        // Once the user stopped the sampling the rest of the curve is left out.
        if (platformLongWorkStopped() != 0) {
            y[i] = kCurveGap;
            continue;
        }
        copyValMatrix(x, samples_.x(i), 0.0);
        block.evaluate();
        const Matrix* answer = block.answer();
        if (block.status() != 0 || !hasNumericFirstElement(answer)) {
            y[i] = kCurveGap;
            continue;
        }
        const double value = answer->re[0];
        if (answer->im[0] != 0.0) imagIgnored_ = true;
        y[i] = value;
        if (std::isfinite(value)) {
            yMin = std::min(yMin, value);
            yMax = std::max(yMax, value);
        }
    }
    if (yMin <= yMax) {
        const double span = yMax - yMin;
        yMin = yMin - 0.1 * span;
        yMax = yMax + 0.1 * span;
    }
    curve.pointCount = int16_t(n);
    curve.firstX = samples_.x(0);
    curve.lastX = samples_.x(n - 1);
    curve.smallestY = yMin;
    curve.largestY = yMax;
    curves_.setCount(first + 1);
    resample_ = true;
}

}  // namespace shell
