// A small keypad module for the loader tests, built in several variants:
// FAKE_VALUE is what its "shared" name pushes, FAKE_WITHOUT_DODRAW leaves
// one entry point out.
#include <string_view>

#include "keypad.h"
#include "platform/edit_control.h"
#include "platform/string_resources.h"

#ifndef FAKE_VALUE
#define FAKE_VALUE 1
#endif
// Names are letters only: "onlya" for variant 1, "onlyb" for 2, ...
#if FAKE_VALUE == 1
#define FAKE_LETTER "a"
#elif FAKE_VALUE == 2
#define FAKE_LETTER "b"
#elif FAKE_VALUE == 3
#define FAKE_LETTER "c"
#else
#define FAKE_LETTER "z"
#endif

#define STRINGIFY2(x) #x
#define STRINGIFY(x) STRINGIFY2(x)
#define WIDEN2(x) u##x
#define WIDEN(x) WIDEN2(x)

namespace {
constexpr OperatorCode kShared = 0x0100;   // named value: pushes FAKE_VALUE
constexpr OperatorCode kFail101 = 0x0215;  // refuses with its own message 101
constexpr OperatorCode kFail14 = 0x0315;   // refuses with the main program's 14
constexpr OperatorCode kFail102 = 0x0415;  // refuses with 102, which it has no text for
constexpr OperatorCode kOwnFail = 0x0515;  // "onlyX" of one variant: refuses with 101
}  // namespace

extern "C" {

PLATFORM_API extern const PlatformStringEntry orvanaStringTable[] = {
    {101, WIDEN("Fake library " STRINGIFY(FAKE_VALUE) " failed")},
    {KEYPAD_HELP_ID_BASE + kShared, WIDEN("shared of " STRINGIFY(FAKE_VALUE))},
    {0, nullptr},
};

PLATFORM_API OperatorCode GetStrOperator(const char16_t* name) {
    const std::u16string_view n(name);
    if (n == u"shared") return kShared;
    if (n == u"failown") return kFail101;
    if (n == u"failmain") return kFail14;
    if (n == u"failnone") return kFail102;
    if (n == WIDEN("only" FAKE_LETTER)) return kOwnFail;
    return 0;
}

PLATFORM_API OperatorCode GetOperator(char16_t) {
    return 0;
}

// Variant 2 lists two of its names; the others have no list, as older
// modules do.
#if FAKE_VALUE == 2
PLATFORM_API int32_t KeypadNames(int32_t index, const char16_t** name, int32_t* length,
                                 OperatorCode* code) {
    static constexpr std::u16string_view kNames[] = {u"shared", u"onlyb"};
    static constexpr OperatorCode kCodes[] = {kShared, kOwnFail};
    if (index < 0 || index > 1) return 0;
    *name = kNames[index].data();
    *length = int32_t(kNames[index].size());
    *code = kCodes[index];
    return 1;
}
#endif

PLATFORM_API int32_t doOperation(OperatorCode op, int32_t, int32_t, Matrix* stack, int16_t* top,
                                 const HostServices*) {
    switch (op) {
        case kShared:
            ++*top;
            copyValMatrix(&stack[*top], FAKE_VALUE, 0.0);
            return 0;
        case kFail101:
        case kOwnFail:
            return 101;
        case kFail14:
            return 14;
        case kFail102:
            return 102;
        default:
            return 0;
    }
}

PLATFORM_API int32_t GetButtonRect(int32_t, int32_t, KeypadRect*) {
    return 0;
}
// Page 2: key 1 inserts "shared()", key 2 "_failown_".
PLATFORM_API int32_t MapKeyboard(uint32_t key, PlatformWindow edit, const HostServices*) {
    if (key == (u'1' | 2u << 16)) platformEditReplaceSelection(edit, u"shared()");
    if (key == (u'2' | 2u << 16)) platformEditReplaceSelection(edit, u"_failown_");
    return 1;
}
PLATFORM_API int32_t LoadBMP(KeypadSurface, KeypadLibrary*) {
    return 1;
}
PLATFORM_API int32_t doGraph(double*, KeypadCurve*, int16_t*, OperatorCode, int32_t, int32_t,
                             Matrix*, int16_t*, const HostServices*) {
    return 0;
}
#ifndef FAKE_WITHOUT_DODRAW
PLATFORM_API int32_t doDraw(void) {
    return 0;
}
#endif

}  // extern "C"
