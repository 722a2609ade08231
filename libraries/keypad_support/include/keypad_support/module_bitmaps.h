// A keypad module's two bitmaps, defined from its key table in one line at
// file scope: the legend that LoadBMP copies (drawn once from the table) and
// the title bitmap "NAME" (a short text in a page's colour). Expands to the
// exported bitmap table and the LoadBMP entry point.
#ifndef ORVANA_KEYPAD_SUPPORT_MODULE_BITMAPS_H
#define ORVANA_KEYPAD_SUPPORT_MODULE_BITMAPS_H

#include "keypad.h"
#include "keypad_support/key_table.h"
#include "platform/drawing.h"
#include "platform/export.h"

#define KEYPAD_SUPPORT_MODULE_BITMAPS(keys, titleText, titlePage)                               \
    namespace {                                                                                  \
    keypad_support::Legend moduleLegend{keys};                                                   \
    void drawModuleTitle(PlatformSurface* surface) {                                             \
        keypad_support::drawTitle(surface, titleText, keypad_support::pageColour(titlePage));    \
    }                                                                                            \
    }                                                                                            \
    extern "C" PLATFORM_API const PlatformBitmapEntry orvanaBitmapTable[] = {                    \
        {"NAME", keypad_support::kTitleWidth, keypad_support::kTitleHeight, drawModuleTitle},    \
        {nullptr, 0, 0, nullptr},                                                                \
    };                                                                                           \
    extern "C" PLATFORM_API int32_t LoadBMP(KeypadSurface surface, KeypadLibrary*) {            \
        return moduleLegend.copyTo(surface);                                                     \
    }

#endif
