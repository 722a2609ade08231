#include "shell/graph_text.h"

#include <cstdint>
#include <cstdio>

namespace shell {

std::u16string graphNumberText(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value + 0.0);
    std::u16string text;
    for (const char* p = buffer; *p != '\0'; ++p) text.push_back(char16_t(uint8_t(*p)));
    return text;
}

}  // namespace shell
