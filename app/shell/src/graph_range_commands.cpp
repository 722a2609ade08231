// The zoom, scale and move commands of the graph view and its keys.
#include <algorithm>
#include <cmath>
#include <limits>

#include "shell/graph_model.h"

namespace shell {
namespace {

// Scale Y widens the data's span by this share at each end.
constexpr double kScaleYMargin = 0.05;
// The plot moves this many pixels per key.
constexpr double kMoveStep = 60.0;

}  // namespace

void GraphModel::zoomAboutCursor(int halfColumns, int halfRows) {
    const GraphMapping m = mapping();
    const double u = cursorColumn_;
    const double v = cursorRow_;
    setRange(rangeOfPixels(m, u - halfColumns, u + halfColumns, v + halfRows, v - halfRows));
}

void GraphModel::command(GraphCommand command) {
    const int h = height_;
    const double cursorValueX = cursorX();
    const double cursorValueY = cursorY();
    switch (command) {
        case GraphCommand::ZoomIn:
            saveUndo();
            if (trace_) {
                zoomAboutCursor(60, h / 4);
            } else {
                setRange(rangeOfPixels(mapping(), 60, 180, h / 2 + h / 4, h / 2 - h / 4));
            }
            break;
        case GraphCommand::ZoomOut:
            saveUndo();
            zoomAboutCursor(240, h);
            break;
        case GraphCommand::ZoomOut4x:
            saveUndo();
            zoomAboutCursor(480, 2 * h);
            break;
        case GraphCommand::Autoscale:
            saveUndo();
            setRangeToExtents();
            break;
        case GraphCommand::ScaleY: {
            if (curves_.count() == 0) return;
            saveUndo();
            const GraphRange shown = visible();
            double lo = std::numeric_limits<double>::infinity();
            double hi = -lo;
            for (int k = 0; k < curves_.count(); ++k) {
                const KeypadCurve& c = curves_[k];
                if (c.markStyle >= kMarkLabel || c.y == nullptr) continue;
                const bool atSamples = c.pointsAtSamples == 1;
                if (!atSamples && c.x == nullptr) continue;
                int n = c.pointCount;
                if (atSamples && n > samples_.count()) n = samples_.count();
                for (int i = 0; i < n; ++i) {
                    const double x = atSamples ? samples_.x(i) : c.x[i];
                    const double y = c.y[i];
                    if (isCurveGap(y) || !std::isfinite(y) || x < shown.xMin || x > shown.xMax)
                        continue;
                    lo = std::min(lo, y);
                    hi = std::max(hi, y);
                }
            }
            GraphRange range = shown;
            if (lo <= hi) {
                const double span = hi - lo;
                range.yMin = lo - kScaleYMargin * span;
                range.yMax = hi + kScaleYMargin * span;
            } else {
                const GraphRange fallback = defaultRange(settings_);
                range.yMin = fallback.yMin;
                range.yMax = fallback.yMax;
            }
            setRange(range);
            break;
        }
        case GraphCommand::UndoScaling: {
            const GraphMapping current = mapping();
            storeMapping(settings_, undo_);
            undo_ = current;
            autoscaleRule();
            break;
        }
        case GraphCommand::DefaultAxes:
            saveUndo();
            setRangeFromDefaults();
            autoscaleRule();
            break;
    }
    finishRangeChange();
    if (command == GraphCommand::ZoomIn && trace_) {
        const GraphMapping m = mapping();
        setCursor(int(std::lround(m.columnOf(cursorValueX))),
                  int(std::lround(m.rowOf(cursorValueY))));
    }
}

void GraphModel::settingsChanged() {
    autoscaleRule();
    finishRangeChange();
}

GraphKeyAction GraphModel::key(GraphKey key) {
    switch (key) {
        case GraphKey::Left:
            trace_ = true;
            setCursor(cursorColumn_ - 1, cursorRow_);
            break;
        case GraphKey::Right:
            trace_ = true;
            setCursor(cursorColumn_ + 1, cursorRow_);
            break;
        case GraphKey::Up:
            trace_ = true;
            setCursor(cursorColumn_, cursorRow_ - 1);
            break;
        case GraphKey::Down:
            trace_ = true;
            setCursor(cursorColumn_, cursorRow_ + 1);
            break;
        case GraphKey::Enter:
            trace_ = !trace_;
            if (trace_) setCursor(kGraphWidth / 2, height_ / 2);
            break;
        case GraphKey::D0:
            return GraphKeyAction::OpenGridDialog;
        case GraphKey::D1:
            command(GraphCommand::ZoomIn);
            break;
        case GraphKey::D2:
            settings_.cy += kMoveStep;
            redraw_ = true;
            break;
        case GraphKey::D3:
            command(GraphCommand::ZoomOut);
            break;
        case GraphKey::D4:
            settings_.cx += kMoveStep;
            redraw_ = true;
            resampleIfNeeded();
            break;
        case GraphKey::D5:
            command(GraphCommand::Autoscale);
            break;
        case GraphKey::D6:
            settings_.cx -= kMoveStep;
            redraw_ = true;
            resampleIfNeeded();
            break;
        case GraphKey::D7:
            command(GraphCommand::ScaleY);
            break;
        case GraphKey::D8:
            settings_.cy -= kMoveStep;
            redraw_ = true;
            break;
        case GraphKey::D9:
            command(GraphCommand::DefaultAxes);
            break;
    }
    return GraphKeyAction::None;
}

}  // namespace shell
