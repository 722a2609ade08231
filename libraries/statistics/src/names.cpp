// GetStrOperator and GetOperator: the names and the one operator character
// of the library.
#include <string_view>

#include "export.h"
#include "operator_codes.h"

namespace statistics {
namespace {

using namespace codes;

struct Name {
    std::u16string_view text;
    OperatorCode code;
};

// Names are looked up in two groups by their first character, below "j"
// and from "j" on; within a group the whole name must match exactly.
constexpr Name kEarlyNames[] = {
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
constexpr Name kLateNames[] = {
    {u"store", kStore},       {u"sx", kSx},         {u"sxx", kSxx},       {u"sxy", kSxy},
    {u"num", kNum},           {u"std", kStd},       {u"mm", kMm},         {u"sort", kSort},
    {u"perm", kPerm},         {u"mdtest", kMdtest}, {u"sdtest", kSdtest}, {u"mtest", kMtest},
    {u"pairtest", kPairtest}, {u"lsq", kLsq},       {u"norm", kNorm},     {u"tdist", kTdist},
};

template <size_t N>
OperatorCode find(const Name (&names)[N], std::u16string_view name) {
    for (const Name& n : names)
        if (n.text == name) return n.code;
    return 0;
}

}  // namespace
}  // namespace statistics

extern "C" STATISTICS_EXPORT OperatorCode GetStrOperator(const char16_t* name) {
    if (name == nullptr || name[0] == 0) return 0;
    const std::u16string_view text(name);
    return text[0] < u'j' ? statistics::find(statistics::kEarlyNames, text)
                          : statistics::find(statistics::kLateNames, text);
}

extern "C" STATISTICS_EXPORT OperatorCode GetOperator(char16_t character) {
    return character == u'!' ? statistics::codes::kFactorial : 0;
}
