// The keypad view's overlays. Pages 0 and 1 belong to the main program, so
// their overlays cover the library's legend with key caps of their own: the
// digit or symbol each phone key types on page 0, the main program's key
// functions on page 1. Pages 2 to 4 let the legend show through (the view
// marks the page's row of labels).  Every overlay carries the strip
// beside the legend and the area under it; pure blue is transparent.
#include <array>

#include "keypad_support/key_table.h"
#include "shell/image_list.h"
#include "shell/keypad_view.h"
#include "shell/text_wrap.h"

namespace shell {
namespace {

constexpr PlatformColour kCapFace = PLATFORM_RGB(250, 250, 250);
constexpr PlatformColour kCapShade = PLATFORM_RGB(222, 222, 222);
constexpr PlatformColour kGrid = PLATFORM_RGB(192, 192, 192);
constexpr PlatformColour kPanel = PLATFORM_RGB(236, 236, 236);
constexpr PlatformColour kPanelEdge = PLATFORM_RGB(150, 150, 150);
constexpr PlatformColour kInk = PLATFORM_RGB(0, 0, 0);
constexpr PlatformColour kQuietInk = PLATFORM_RGB(110, 110, 110);
constexpr PlatformColour kBadgeInk = PLATFORM_RGB(255, 255, 255);
constexpr PlatformColour kRpnBadge = PLATFORM_RGB(170, 0, 0);

constexpr int32_t kStripLeft = kLegendWidth;
constexpr int32_t kLegendTop = kBandHeight;
constexpr int32_t kPanelBottom = kKeypadViewHeight - kBandHeight;
constexpr int32_t kPageBadgeTop = 24;
constexpr int32_t kBadgeHeight = 16;
constexpr int32_t kRpnBadgeTop = 92;

const PlatformFont kCapFont{u"Tahoma", 16, PLATFORM_FONT_BOLD};
const PlatformFont kCornerFont{u"Tahoma", 9, PLATFORM_FONT_NORMAL};
const PlatformFont kStripFont{u"Tahoma", 11, PLATFORM_FONT_NORMAL};
const PlatformFont kBadgeFont{u"Tahoma", 11, PLATFORM_FONT_BOLD};

constexpr std::array<const char16_t*, kKeypadPages> kPageNames = {u"Digits", u"Main", u"Page 2",
                                                                  u"Page 3", u"Page 4"};

struct Cap {
    char16_t key;
    const char16_t* page0;
    const char16_t* page1;
};

// The phone keys with what they type on page 0 and the main program's
// function on page 1.
constexpr std::array<Cap, 11> kCaps = {{{u'1', u"1", u"/"},
                                        {u'2', u"2", u"( )"},
                                        {u'3', u"3", u"[ ]"},
                                        {u'4', u"4", u"*"},
                                        {u'5', u"5", u"="},
                                        {u'6', u"6", u"ANS"},
                                        {u'7', u"7", u"-"},
                                        {u'8', u"8", u"Vars"},
                                        {u'9', u"9", u"E"},
                                        {u'.', u".", u"+"},
                                        {u'0', u"0", u","}}};

struct CellBox {
    int32_t left, top, right, bottom;
};

// A legend cell in view coordinates.
CellBox cell(int32_t column, int32_t row) {
    CellBox box{};
    keypad_support::cellBounds(column, row, &box.left, &box.top, &box.right, &box.bottom);
    box.top += kLegendTop;
    box.bottom += kLegendTop;
    return box;
}

// A key cap over a cell: a light face, a shade along its lower edge, and the
// grid lines the legend draws between its keys.
CellBox drawCap(PlatformSurface* s, CellBox box) {
    platformFillRect(s, box.left, box.top, box.right, box.bottom, kGrid);
    platformFillRect(s, box.left, box.top, box.right - 1, box.bottom - 1, kCapFace);
    platformFillRect(s, box.left, box.bottom - 3, box.right - 1, box.bottom - 1, kCapShade);
    return box;
}

// The hash key: it advances the page, to the page whose colour the arrow has.
void drawPageKey(PlatformSurface* s, int page) {
    const CellBox box = drawCap(s, cell(2, 3));
    drawTextPart(s, box.left + 3, box.top + 1, u"#", kCornerFont, kQuietInk);
    drawCentredText(s, box.left, box.top, box.right - 12, box.bottom - 2, u"page", kStripFont,
                    kInk);
    const PlatformColour next = pageBandColour((page + 1) % kKeypadPages);
    const int32_t tipX = box.right - 8, midY = (box.top + box.bottom - 2) / 2;
    for (int32_t i = 0; i < 5; ++i)
        platformFillRect(s, tipX - 5 + i, midY - 4 + i, tipX - 4 + i, midY + 5 - i, next);
}

void drawCaps(PlatformSurface* s, int page) {
    for (const Cap& cap : kCaps) {
        int32_t column = 0, row = 0;
        keypad_support::keyCell(cap.key, &column, &row);
        const CellBox box = drawCap(s, cell(column, row));
        if (page == 0) {
            drawCentredText(s, box.left, box.top, box.right - 1, box.bottom - 2, cap.page0,
                            kCapFont, kInk);
            if (cap.key == u'.')
                drawTextPart(s, box.left + 3, box.top + 1, u"*", kCornerFont, kQuietInk);
        } else {
            const char16_t corner[2] = {cap.key == u'.' ? u'*' : cap.key, 0};
            drawTextPart(s, box.left + 3, box.top + 1, corner, kCornerFont, kQuietInk);
            drawCentredText(s, box.left, box.top, box.right - 1, box.bottom - 2, cap.page1,
                            kCapFont, kInk);
        }
    }
}

void drawBadge(PlatformSurface* s, int32_t top, std::u16string_view text,
               PlatformColour colour) {
    const int32_t left = kStripLeft + 6, right = kKeypadViewWidth - 6;
    platformFillRect(s, left + 1, top, right - 1, top + kBadgeHeight, colour);
    platformFillRect(s, left, top + 1, right, top + kBadgeHeight - 1, colour);
    drawCentredText(s, left, top, right, top + kBadgeHeight, text, kBadgeFont, kBadgeInk);
}

// The strip right of the legend and the area under it: the page's name and
// the keys that change the page, with room left for what changes at run time
// (the library's name at the top, the quick selects under the legend).
void drawPanels(PlatformSurface* s, int page) {
    platformFillRect(s, kStripLeft, kLegendTop, kKeypadViewWidth, kPanelBottom, kPanel);
    platformFillRect(s, kStripLeft, kLegendTop, kStripLeft + 1, kPanelBottom, kPanelEdge);
    platformFillRect(s, 0, kLegendTop + kLegendHeight, kStripLeft, kPanelBottom, kPanel);
    platformFillRect(s, 0, kLegendTop + kLegendHeight, kStripLeft,
                     kLegendTop + kLegendHeight + 1, kPanelEdge);
    drawBadge(s, kPageBadgeTop, kPageNames[size_t(page)], pageBandColour(page));
    const int32_t hintLeft = kStripLeft + 7;
    drawTextPart(s, hintLeft, 46, u"F9  page", kStripFont, kQuietInk);
    drawTextPart(s, hintLeft, 60, u"F8  [.]", kStripFont, kQuietInk);
    drawTextPart(s, hintLeft, 74, u"F6  help", kStripFont, kQuietInk);
    drawTextPart(s, 4, 139, u"Left / Right: quick selects", kCornerFont, kQuietInk);
}

}  // namespace

PlatformColour pageBandColour(int page) {
    switch (page) {
        case 1:
            return PLATFORM_RGB(134, 134, 134);
        case 2:
        case 3:
        case 4:
            return keypad_support::pageColour(uint16_t(page));
        default:
            return PLATFORM_RGB(0, 0, 0);
    }
}

void drawPageOverlay(PlatformSurface* surface, int page) {
    platformFillRect(surface, 0, 0, kKeypadViewWidth, kKeypadViewHeight, kTransparentBlue);
    if (page < 2) drawCaps(surface, page);
    drawPageKey(surface, page);
    drawPanels(surface, page);
}

void drawRpnOverlay(PlatformSurface* surface) {
    platformFillRect(surface, 0, 0, kKeypadViewWidth, kKeypadViewHeight, kTransparentBlue);
    drawBadge(surface, kRpnBadgeTop, u"RPN", kRpnBadge);
}

}  // namespace shell
