#include "shell/graph_model.h"

#include <algorithm>

namespace shell {

GraphModel::GraphModel(engine::BlockList& blocks, engine::WorkspaceSettings& settings)
    : blocks_(blocks), settings_(settings) {
    if (!isUsable(mapping())) setRangeFromDefaults();
    undo_ = mapping();
    sampledWith_ = mapping();
    samples_.fill(sampledWith_);
    extents_ = defaultRange(settings_);
}

void GraphModel::setHeight(int height) {
    if (height < 1) height = 1;
    const GraphRange shown = visible();
    height_ = height;
    setRange(shown);
    setCursor(cursorColumn_, cursorRow_);
    redraw_ = true;
}

void GraphModel::setRange(const GraphRange& range) {
    shell::setRange(settings_, range, height_);
}

void GraphModel::setRangeFromDefaults() {
    setRange(defaultRange(settings_));
}

void GraphModel::setCursor(int column, int row) {
    cursorColumn_ = std::clamp(column, 0, kGraphWidth - 1);
    cursorRow_ = std::clamp(row, 0, height_ - 1);
}

void GraphModel::recompute() {
    redraw_ = true;
    sample();
    autoscaleRule();
    if (settings_.squareAspect != 0) applySquareAspect(settings_, height_);
}

void GraphModel::autoscaleRule() {
    if (settings_.autoscale == 1) setRangeToExtents();
}

void GraphModel::setRangeToExtents() {
    setRange(extents_);
}

void GraphModel::finishRangeChange() {
    redraw_ = true;
    if (settings_.squareAspect != 0) applySquareAspect(settings_, height_);
    resampleIfNeeded();
}

void GraphModel::resampleIfNeeded() {
    // The samples depend on the x mapping alone: a change of the y range
    // leaves them as they are.
    const GraphMapping now = mapping();
    if (resample_ && (now.sx != sampledWith_.sx || now.cx != sampledWith_.cx)) sample();
}

}  // namespace shell
