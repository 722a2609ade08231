// A module with a string table, loaded by the string resource tests.
#include "platform/string_resources.h"

extern "C" PLATFORM_API const PlatformStringEntry orvanaStringTable[] = {
    {101, u"Bad first argument"},
    {0x8005, u"sin(x) is the sine of x"},
    {7, u""},
    {0, nullptr},
};
