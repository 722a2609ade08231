// Test support: writes a drawing surface as a PPM image into the folder named
// by ORVANA_SNAPSHOT_DIR, so a person can look at what a test drew. Does
// nothing when the variable is not set.
#ifndef ORVANA_SHELL_TESTS_SURFACE_SNAPSHOT_H
#define ORVANA_SHELL_TESTS_SURFACE_SNAPSHOT_H

#include <string>

#include "platform/drawing.h"

namespace shell::testing {

void snapshot(const PlatformSurface* surface, const std::string& name);

// Pixels of the rectangle that differ from `background`.
int inkPixels(const PlatformSurface* surface, int left, int top, int right, int bottom,
              PlatformColour background);

}  // namespace shell::testing

#endif
