// The pen path's three parallel arrays, grown and shrunk in steps of 100.
#include "pen_path.h"

#include <cstring>

#include "platform/heap.h"

namespace graphing {

PenPath::PenPath() {
    reallocate(kInitialCapacity);
}

PenPath::~PenPath() {
    platformHeapFree(x_);
    platformHeapFree(y_);
    platformHeapFree(pen_);
}

// New arrays of the given capacity holding the points in use; on exhausted
// memory the old arrays stay.
bool PenPath::reallocate(int capacity) {
    auto* x = static_cast<double*>(platformHeapAlloc(size_t(capacity) * sizeof(double)));
    auto* y = static_cast<double*>(platformHeapAlloc(size_t(capacity) * sizeof(double)));
    auto* pen = static_cast<uint8_t*>(platformHeapAlloc(size_t(capacity)));
    if (x == nullptr || y == nullptr || pen == nullptr) {
        platformHeapFree(x);
        platformHeapFree(y);
        platformHeapFree(pen);
        return false;
    }
    if (size_ > 0) {
        std::memcpy(x, x_, size_t(size_) * sizeof(double));
        std::memcpy(y, y_, size_t(size_) * sizeof(double));
        std::memcpy(pen, pen_, size_t(size_));
    }
    platformHeapFree(x_);
    platformHeapFree(y_);
    platformHeapFree(pen_);
    x_ = x;
    y_ = y;
    pen_ = pen;
    capacity_ = capacity;
    return true;
}

bool PenPath::append(double x, double y, uint8_t pen) {
    if (size_ >= kMaxPoints) return false;
    if (size_ >= capacity_ && !reallocate(capacity_ + kGrowth)) return false;
    x_[size_] = x;
    y_[size_] = y;
    pen_[size_] = pen;
    ++size_;
    return true;
}

void PenPath::clear() {
    size_ = 0;
    if (capacity_ > kShrinkAbove || capacity_ == 0) reallocate(kInitialCapacity);
}

namespace {
// Made when the module is loaded and freed when it is unloaded.
PenPath modulePath;
}  // namespace

PenPath& penPath() {
    return modulePath;
}

}  // namespace graphing
