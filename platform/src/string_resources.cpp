// Reading a module's string table.
#include "platform/string_resources.h"

extern "C" {

const char16_t* platformFindString(PlatformModule* module, uint32_t id) {
    if (module == nullptr) return nullptr;
    const auto* table =
        static_cast<const PlatformStringEntry*>(platformModuleSymbol(module, PLATFORM_STRING_TABLE_SYMBOL));
    if (table == nullptr) return nullptr;
    for (; table->text != nullptr; ++table)
        if (table->id == id) return table->text;
    return nullptr;
}

size_t platformLoadString(PlatformModule* module, uint32_t id, char16_t* out, size_t capacity) {
    const char16_t* text = platformFindString(module, id);
    if (out == nullptr || capacity == 0) return 0;
    size_t n = 0;
    if (text != nullptr)
        for (; text[n] != 0 && n + 1 < capacity; ++n) out[n] = text[n];
    out[n] = 0;
    return n;
}

}  // extern "C"
