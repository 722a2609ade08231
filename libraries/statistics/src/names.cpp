// GetStrOperator and GetOperator: the names and the one operator character
// of the library.
#include <string_view>

#include "keypad_support/name_table.h"
#include "operator_codes.h"
#include "platform/export.h"

namespace statistics {
namespace {

using namespace codes;

// Names are looked up in two groups by their first character, below "j"
// and from "j" on; within a group the whole name must match exactly.
constexpr keypad_support::Name kEarlyNames[] = {
    {u"avg", kAvg},
    {u"bindist", kBindist},
    {u"chi", kChi},
    {u"clrv", kClrv},
    {u"comb", kComb},
    {u"fdist", kFdist},
    {u"invnorm", kInvnorm},
    {u"invtdist", kInvtdist},
    {u"invfdist", kInvfdist},
    {u"invchi", kInvchi},
    {u"invbindist", kInvbindist},
};
constexpr keypad_support::Name kLateNames[] = {
    {u"store", kStore},       {u"sx", kSx},         {u"sxx", kSxx},       {u"sxy", kSxy},
    {u"num", kNum},           {u"std", kStd},       {u"mm", kMm},         {u"sort", kSort},
    {u"perm", kPerm},         {u"mdtest", kMdtest}, {u"sdtest", kSdtest}, {u"mtest", kMtest},
    {u"pairtest", kPairtest}, {u"lsq", kLsq},       {u"norm", kNorm},     {u"tdist", kTdist},
};

}  // namespace
}  // namespace statistics

extern "C" PLATFORM_API OperatorCode GetStrOperator(const char16_t* name) {
    if (name == nullptr || name[0] == 0) return 0;
    const std::u16string_view text(name);
    return text[0] < u'j' ? keypad_support::findName(statistics::kEarlyNames, text)
                          : keypad_support::findName(statistics::kLateNames, text);
}

extern "C" PLATFORM_API OperatorCode GetOperator(char16_t character) {
    return character == u'!' ? statistics::codes::kFactorial : 0;
}
