// Drawing one curve record of the graph view: its line (with gaps and pen
// bytes), its point marks, and the texts of label and caption records.
//
// Mark sizes are in logical pixels, so a surface at scale 2 or 3 shows the
// same marks larger and sharper: the cross, circle and square are 7 x 7
// (big enough to tell apart at scale 1, small enough not to hide a dense data
// set), the small mark is the filled 3 x 3 block its name asks for.
//
// A caption (mark style 11) is placed in the screen coordinates keypad
// libraries use, (0, 0) at the upper left and (239, 129) at the lower right:
// x is the column itself and y is stretched over the plot's height, so a
// caption meant for the bottom edge stays at the bottom of a 266-row plot.
#ifndef ORVANA_SHELL_GRAPH_CURVE_DRAWING_H
#define ORVANA_SHELL_GRAPH_CURVE_DRAWING_H

#include "keypad.h"
#include "platform/drawing.h"
#include "shell/graph_mapping.h"
#include "shell/graph_samples.h"

namespace shell {

// Mark styles of the point marks.
inline constexpr int16_t kMarkCross = 1;
inline constexpr int16_t kMarkCircle = 2;
inline constexpr int16_t kMarkSquare = 3;
inline constexpr int16_t kMarkDot = 4;
inline constexpr int kMarkHalfSize = 3;

// The lower-right corner of the captions' coordinates.
inline constexpr double kCaptionBottom = 129.0;

// The colour of a graph colour code; codes outside 1..8 draw black.
PlatformColour curveColour(int colourCode);

// The pen width in pixels of a pen setting 0..2: 1 for the thinnest pen,
// else the setting + 1.
int penPixels(int penSetting);

// The plot position of a caption's screen coordinates.
PlatformPoint captionPosition(double x, double y, int height);

struct CurveCanvas {
    PlatformSurface* surface = nullptr;
    GraphMapping mapping;
    int height = 0;     // plot rows
    int penWidth = 1;   // pixels
    const SampleBuffer* samples = nullptr;
};

void drawCurve(const CurveCanvas& canvas, const KeypadCurve& curve);

}  // namespace shell

#endif
