// The names come from the locale's own tables (nl_langinfo), converted from
// the locale's character set to UTF-16.
#include "date_text.h"

#include <langinfo.h>
#include <locale.h>

#include <cstdio>
#include <cwchar>

namespace conversion {
namespace {

// The locale the environment selects for dates and characters, made current
// for this thread while the object lives; the C locale when the selected one
// is not installed.
class EnvironmentLocale {
  public:
    EnvironmentLocale() {
        locale_ = newlocale(LC_CTYPE_MASK | LC_TIME_MASK, "", locale_t(0));
        if (locale_ == locale_t(0))
            locale_ = newlocale(LC_CTYPE_MASK | LC_TIME_MASK, "C", locale_t(0));
        if (locale_ != locale_t(0)) previous_ = uselocale(locale_);
    }
    ~EnvironmentLocale() {
        if (locale_ == locale_t(0)) return;
        uselocale(previous_);
        freelocale(locale_);
    }
    EnvironmentLocale(const EnvironmentLocale&) = delete;
    EnvironmentLocale& operator=(const EnvironmentLocale&) = delete;

    // A name from the locale's tables, or "" when there is no locale.
    const char* item(nl_item which) const {
        return locale_ == locale_t(0) ? "" : nl_langinfo_l(which, locale_);
    }

  private:
    locale_t locale_ = locale_t(0);
    locale_t previous_ = locale_t(0);
};

void appendCodePoint(std::u16string& out, char32_t c) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
    if (c < 0x10000) {
        out.push_back(char16_t(c));
        return;
    }
    c -= 0x10000;
    out.push_back(char16_t(0xD800 + (c >> 10)));
    out.push_back(char16_t(0xDC00 + (c & 0x3FF)));
}

// Multibyte text in the current thread's locale to UTF-16; a byte that
// starts no valid character becomes U+FFFD.
void appendLocaleText(std::u16string& out, const char* text) {
    std::mbstate_t state{};
    const char* end = text + std::char_traits<char>::length(text);
    while (text < end) {
        wchar_t wide = 0;
        const size_t used = std::mbrtowc(&wide, text, size_t(end - text), &state);
        if (used == size_t(-1) || used == size_t(-2)) {
            appendCodePoint(out, 0xFFFD);
            state = std::mbstate_t{};
            ++text;
            continue;
        }
        appendCodePoint(out, char32_t(wide));
        text += used == 0 ? 1 : used;
    }
}

void appendAscii(std::u16string& out, const char* text) {
    for (; *text != 0; ++text) out.push_back(char16_t(static_cast<unsigned char>(*text)));
}

}  // namespace

std::u16string dateTimeText(const CalendarTime& time) {
    char number[64];
    std::u16string out;
    std::snprintf(number, sizeof number, "%.2d:%.2d:%.2d on ", time.hour, time.minute, time.second);
    appendAscii(out, number);

    const EnvironmentLocale locale;
    appendLocaleText(out, locale.item(nl_item(ABDAY_1 + (time.weekday % 7))));
    out.push_back(u' ');
    appendLocaleText(out, locale.item(nl_item(ABMON_1 + (time.month - 1) % 12)));
    std::snprintf(number, sizeof number, " %d, %04d", time.day, time.year);
    appendAscii(out, number);
    return out;
}

}  // namespace conversion
