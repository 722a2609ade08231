// The graph's 20 curve records (the KeypadCurve of keypad.h) and their data
// extents.
//
// Point arrays are allocated with the platform heap, so a keypad library that
// needs more room can free and replace them as its contract allows
// (platformHeapFree / platformHeapAlloc); the table frees whatever arrays
// the records hold when it goes.
#ifndef ORVANA_SHELL_GRAPH_CURVES_H
#define ORVANA_SHELL_GRAPH_CURVES_H

#include <array>
#include <cstdint>
#include <cstring>

#include "keypad.h"
#include "shell/graph_mapping.h"

namespace shell {

inline constexpr int kCurveCount = KEYPAD_CURVE_COUNT;
inline constexpr double kCurveGap = KEYPAD_CURVE_GAP;
// The extents a record starts from, so that its first point replaces them.
inline constexpr double kNoSmallest = 1e300;
inline constexpr double kNoLargest = -1e300;

// Mark styles with a meaning of their own for the graph model.
inline constexpr int16_t kMarkLabel = 10;    // text at a point in graph values
inline constexpr int16_t kMarkCaption = 11;  // text at screen coordinates

// A y value meaning "no point at this sample" (compared by bit pattern, the
// marker being an ordinary double).
inline bool isCurveGap(double y) {
    uint64_t a = 0;
    uint64_t b = 0;
    const double gap = kCurveGap;
    std::memcpy(&a, &y, sizeof a);
    std::memcpy(&b, &gap, sizeof b);
    return a == b;
}

// Pen and text colour of each graph colour code 1..8 (index 0 unused), as
// 0xRRGGBB.
inline constexpr std::array<uint32_t, 9> kCurveColours{
    0x000000, 0xFF0000, 0x00FF00, 0xC0C000, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xC0C0C0, 0x000000};

class CurveTable {
  public:
    CurveTable();
    ~CurveTable();
    CurveTable(const CurveTable&) = delete;
    CurveTable& operator=(const CurveTable&) = delete;

    KeypadCurve* records() { return records_.data(); }
    KeypadCurve& operator[](int k) { return records_[k]; }
    const KeypadCurve& operator[](int k) const { return records_[k]; }

    // Records in use: 0..count-1.
    int count() const { return count_; }
    void setCount(int count);

    // Back to "not in use": no points, extents from the sentinels; the arrays
    // are kept for the next sampling.
    void reset(int k);
    // Resets every record from `first` on.
    void resetFrom(int first);
    // Makes record k's y array hold at least `points` values; the x,
    // auxiliary and pen-up arrays are kept only when they are as large. False
    // when memory ran out (the record then has no points).
    bool reserve(int k, int points);

  private:
    std::array<KeypadCurve, kCurveCount> records_{};
    int count_ = 0;
};

// The smallest and largest x and y over the curves in use, captions
// excluded; a curve without points does not count for y, and what no curve
// decides comes from `fallback`.
GraphRange dataExtents(const CurveTable& curves, const GraphRange& fallback);

}  // namespace shell

#endif
