// The program's typeface: "Tahoma" is the metric-compatible free face that
// Debian ships outside fontconfig's folders, so its files are registered with
// the toolkit at start-up; DejaVu Sans stands in when they are missing.
#ifndef ORVANA_SHELL_QT_FONT_SETUP_H
#define ORVANA_SHELL_QT_FONT_SETUP_H

#include <QFont>
#include <QString>

namespace orvana::qt {

// Registers the face's files (once) and returns the family the toolkit
// actually gives for it.
QString programFamily();

// The font for a face (null or "Tahoma": the program's family), a pixel
// height and a weight on the 100..900 scale. Hinting is off, so that text
// measured at one scale wraps at the same places at every other.
QFont programFont(const char16_t* face, int pixelHeight, int weight);

}  // namespace orvana::qt

#endif
