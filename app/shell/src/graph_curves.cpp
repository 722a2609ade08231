#include "shell/graph_curves.h"

#include <algorithm>
#include <cmath>

#include "platform/heap.h"

namespace shell {
namespace {

void freeArrays(KeypadCurve& c) {
    platformHeapFree(c.x);
    platformHeapFree(c.y);
    platformHeapFree(c.auxiliary);
    platformHeapFree(c.penUp);
    c.x = nullptr;
    c.y = nullptr;
    c.auxiliary = nullptr;
    c.penUp = nullptr;
    c.capacity = 0;
}

}  // namespace

CurveTable::CurveTable() {
    resetFrom(0);
}

CurveTable::~CurveTable() {
    for (KeypadCurve& c : records_) freeArrays(c);
}

void CurveTable::setCount(int count) {
    count_ = std::clamp(count, 0, kCurveCount);
}

void CurveTable::reset(int k) {
    KeypadCurve& c = records_[k];
    c.pointsAtSamples = 0;
    c.blockIndex = -1;
    c.pointCount = 0;
    c.colour = 0;
    c.lineFlag = 0;
    c.markStyle = 0;
    c.fitRange = 0;
    c.viewInUse = 0;
    c.viewReserved = 0;
    c.firstX = kNoSmallest;
    c.lastX = kNoLargest;
    c.smallestY = kNoSmallest;
    c.largestY = kNoLargest;
    c.label[0] = 0;
    c.viewSmallestX = kNoSmallest;
    c.viewLargestX = kNoLargest;
    c.viewFlags = 0;
}

void CurveTable::resetFrom(int first) {
    for (int k = std::max(first, 0); k < kCurveCount; ++k) reset(k);
}

bool CurveTable::reserve(int k, int points) {
    KeypadCurve& c = records_[k];
    if (c.y != nullptr && c.capacity >= points) return true;
    freeArrays(c);
    c.y = static_cast<double*>(platformHeapAlloc(sizeof(double) * size_t(points)));
    if (c.y == nullptr) {
        c.pointCount = 0;
        return false;
    }
    c.capacity = uint16_t(points);
    return true;
}

GraphRange dataExtents(const CurveTable& curves, const GraphRange& fallback) {
    double xMin = kNoSmallest, xMax = kNoLargest, yMin = kNoSmallest, yMax = kNoLargest;
    for (int k = 0; k < curves.count(); ++k) {
        const KeypadCurve& c = curves[k];
        if (c.markStyle == kMarkCaption || c.pointCount <= 0) continue;
        if (std::isfinite(c.firstX) && std::isfinite(c.lastX) && c.firstX <= c.lastX) {
            xMin = std::min(xMin, c.firstX);
            xMax = std::max(xMax, c.lastX);
        }
        if (std::isfinite(c.smallestY) && std::isfinite(c.largestY) && c.smallestY <= c.largestY) {
            yMin = std::min(yMin, c.smallestY);
            yMax = std::max(yMax, c.largestY);
        }
    }
    GraphRange extents = fallback;
    if (xMin <= xMax) {
        extents.xMin = xMin;
        extents.xMax = xMax;
    }
    if (yMin <= yMax) {
        extents.yMin = yMin;
        extents.yMax = yMax;
    }
    return extents;
}

}  // namespace shell
