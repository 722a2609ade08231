// The graph's sample buffer: the x value of each graph column.
#ifndef ORVANA_SHELL_GRAPH_SAMPLES_H
#define ORVANA_SHELL_GRAPH_SAMPLES_H

#include <array>

#include "shell/graph_mapping.h"

namespace shell {

// The x value of each graph column, preceded by their number, as keypad
// libraries receive it (they get the address of the first x value).
class SampleBuffer {
  public:
    static constexpr int kSamples = kGraphWidth;

    SampleBuffer() { values_[0] = kSamples; }
    // x[i] = (i - cx) / sx for every column i.
    void fill(const GraphMapping& mapping) {
        for (int i = 0; i < kSamples; ++i) values_[1 + i] = (i - mapping.cx) / mapping.sx;
    }
    int count() const { return kSamples; }
    double x(int i) const { return values_[1 + i]; }
    double* xValues() { return values_.data() + 1; }
    const double* xValues() const { return values_.data() + 1; }

  private:
    std::array<double, 1 + kSamples> values_{};
};

}  // namespace shell

#endif
