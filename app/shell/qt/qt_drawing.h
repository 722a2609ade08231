// Drawing primitives of the window's backend: the toolkit's painter on the
// surface's own pixels, scaled by the surface's scale, so that every line and
// glyph is drawn at the device resolution.
#ifndef ORVANA_SHELL_QT_QT_DRAWING_H
#define ORVANA_SHELL_QT_QT_DRAWING_H

#include "platform/backend.h"

namespace orvana::qt {

// Fills the drawing entries of a backend table.
void installQtDrawing(PlatformBackend& table);

}  // namespace orvana::qt

#endif
