// The key table of the Advanced keypad.
#include "keypad_keys.h"

#include <iterator>

namespace advanced {
namespace {

using keypad_support::Key;

// Texts inserted with the caret one place back land inside their
// parentheses or quotes.
const Key kKeys[] = {
    {u'.', 2, u"eval(\"\")", 2, u"eval"}, {u'.', 3, u"size()", 1, u"size"},
    {u'0', 2, u"integ()", 1, u"integ"},   {u'0', 3, u"ddt()", 1, u"ddt"},
    {u'1', 2, u"{}", 1, u"{}"},           {u'1', 3, u"eig()", 1, u"eig"},
    {u'1', 4, u"det()", 1, u"det"},       {u'2', 2, u"|", 0, u"|"},
    {u'2', 3, u"inv()", 1, u"inv"},       {u'3', 2, u"rref()", 1, u"rref"},
    {u'3', 3, u"I()", 1, u"I"},           {u'3', 4, u"T()", 1, u"T"},
    {u'4', 2, u"augc()", 1, u"augc"},     {u'4', 3, u"zero()", 1, u"zero"},
    {u'4', 4, nullptr, 0, u"<-"},         {u'5', 2, u"augr()", 1, u"augr"},
    {u'5', 3, u"ones()", 1, u"ones"},     {u'5', 4, nullptr, 0, u"<-"},
    {u'6', 2, nullptr, 0, u"V:"},         {u'6', 3, u"fill()", 1, u"fill"},
    {u'6', 4, u"aug()", 1, u"aug"},       {u'7', 2, u":", 0, u":"},
    {u'7', 3, u"lti()", 1, u"lti"},       {u'8', 2, u"\"\"", 1, u"\"\""},
    {u'8', 3, u"rk()", 1, u"rk"},         {u'9', 2, u"roots()", 1, u"roots"},
    {u'9', 3, u"solve()", 1, u"solve"},
};

constexpr uint32_t code(char16_t key, uint32_t page) {
    return (page << 16) | key;
}

}  // namespace

keypad_support::KeyTable keyTable() {
    return {kKeys, std::size(kKeys)};
}

uint32_t normalisedKeyCode(uint32_t keyCode) {
    const uint32_t page = keyCode >> 16;
    return page == 2 || page == 3 ? keyCode : code(char16_t(keyCode & 0xFFFFu), 4);
}

KeyEdit keyEdit(uint32_t normalisedCode) {
    switch (normalisedCode) {
        case code(u'6', 2):
            return KeyEdit::PrefixElementwise;
        case code(u'4', 4):
        case code(u'5', 4):
            return KeyEdit::CaretLeft;
        default:
            return KeyEdit::Insert;
    }
}

}  // namespace advanced
