// Fuzzes the reader of ".cvt" unit and constant tables with arbitrary file
// contents. Whatever it accepts must be a table the dialog can show: names
// and title shorter than their 30-unit fields and free of terminators, and
// no more entries than the bytes can hold.
#include <cstdint>
#include <cstdlib>

#include "cvt_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace conversion;
    const auto table = parseCvtTable(std::span<const uint8_t>(data, size));
    if (!table) return 0;
    auto sound = [](const std::u16string& text) {
        return text.size() < kCvtNameUnits && text.find(u'\0') == std::u16string::npos;
    };
    if (!sound(table->title)) std::abort();
    if ((table->entries.size() + (table->constants ? 1 : 0)) * 8 > size) std::abort();
    for (const CvtEntry& entry : table->entries)
        if (!sound(entry.name)) std::abort();
    return 0;
}
