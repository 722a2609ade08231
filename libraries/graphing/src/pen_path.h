// The pen path: the points moveto and lineto record, kept for the life of
// the module and shared by every block and script until cleargraph.
#ifndef ORVANA_GRAPHING_PEN_PATH_H
#define ORVANA_GRAPHING_PEN_PATH_H

#include <cstdint>

namespace graphing {

// Pen byte of a point: move there without drawing, or draw a line to it.
inline constexpr uint8_t kPenMove = 0;
inline constexpr uint8_t kPenDraw = 1;

class PenPath {
  public:
    static constexpr int kInitialCapacity = 100;
    static constexpr int kGrowth = 100;
    // cleargraph gives back memory only above this capacity.
    static constexpr int kShrinkAbove = 300;
    // A trace carries at most this many points (its count is 16-bit signed).
    static constexpr int kMaxPoints = 32767;

    PenPath();
    ~PenPath();
    PenPath(const PenPath&) = delete;
    PenPath& operator=(const PenPath&) = delete;

    // Appends a point, growing the arrays by kGrowth when they are full.
    // False when the path already holds kMaxPoints or memory ran out; the
    // path is then unchanged.
    bool append(double x, double y, uint8_t pen);
    // Empties the path, first shrinking the arrays back to the initial
    // capacity when they have grown beyond kShrinkAbove.
    void clear();

    int size() const { return size_; }
    int capacity() const { return capacity_; }
    const double* xs() const { return x_; }
    const double* ys() const { return y_; }
    const uint8_t* pens() const { return pen_; }

  private:
    bool reallocate(int capacity);

    double* x_ = nullptr;
    double* y_ = nullptr;
    uint8_t* pen_ = nullptr;
    int capacity_ = 0;
    int size_ = 0;
};

// The module's one path.
PenPath& penPath();

}  // namespace graphing

#endif
