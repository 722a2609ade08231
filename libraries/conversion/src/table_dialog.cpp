// The 0 key's pop-up of ".cvt" tables and the "Constants" dialog that offers
// a table's entries. A table of constants yields the chosen entry's value; a
// table of units asks for a "From:" and a "  To:" unit and yields the factor
// that turns an amount in the first into the second. The value is inserted
// as "(%0.10G)".
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

#include "cvt_table.h"
#include "keypad_menus.h"
#include "keypad_support/key_table.h"
#include "platform/dialogs.h"
#include "platform/popup_menu.h"
#include "table_catalog.h"

namespace conversion {
namespace {

// Found once, when the module is loaded.
const std::vector<TableFile> gTableFiles = findTableFiles(ownModulePath());

int32_t chooseEntry(PlatformWindow owner, const std::u16string& caption,
                    const std::vector<const char16_t*>& names) {
    const auto count = int32_t(names.size());
    const int32_t chosen = platformListDialog(owner, caption.c_str(), names.data(), count, 0);
    return chosen >= 0 && chosen < count ? chosen : -1;
}

// The value the dialog closes with, or nothing when it is cancelled. A file
// that cannot be read offers an empty list.
std::optional<double> chooseFromTable(PlatformWindow owner, const TableFile& file) {
    const std::optional<CvtTable> table = readCvtTable(file.path.c_str());
    std::vector<const char16_t*> names;
    if (table)
        for (const CvtEntry& entry : table->entries) names.push_back(entry.name.c_str());
    if (!table || table->constants) {
        const std::u16string caption =
            table && !table->title.empty() ? table->title : std::u16string(u"Constants");
        const int32_t chosen = chooseEntry(owner, caption, names);
        if (chosen < 0) return std::nullopt;
        return table->entries[size_t(chosen)].value;
    }
    const int32_t from = chooseEntry(owner, u"From:", names);
    if (from < 0) return std::nullopt;
    const CvtEntry& fromEntry = table->entries[size_t(from)];
    const int32_t to = chooseEntry(owner, fromEntry.name + u"  To:", names);
    if (to < 0) return std::nullopt;
    // Each value is the unit's size in the table's base, so an amount in the
    // From unit times From / To is the amount in the To unit, as with ">".
    return fromEntry.value / table->entries[size_t(to)].value;
}

void insertValue(PlatformWindow editControl, double value) {
    char text[64];
    std::snprintf(text, sizeof text, "(%0.10G)", value);
    std::u16string wide;
    for (const char* c = text; *c != 0; ++c) wide.push_back(char16_t(*c));
    keypad_support::insertText(editControl, wide.c_str(), 0);
}

}  // namespace

void showTablesMenu(PlatformWindow editControl) {
    std::vector<PlatformMenuItem> items;
    for (size_t i = 0; i < gTableFiles.size(); ++i)
        items.push_back({gTableFiles[i].name.c_str(), int32_t(i), 0, nullptr, 0});
    const int32_t chosen =
        platformTrackMenu(editControl, items.data(), int32_t(items.size()), kMenuX, kTablesMenuY);
    if (chosen < 0 || size_t(chosen) >= gTableFiles.size()) return;
    const std::optional<double> value = chooseFromTable(editControl, gTableFiles[size_t(chosen)]);
    // Text that would not read back as a number (a zero-sized unit, a value
    // that is not a number in the file) is not inserted.
    if (value && std::isfinite(*value)) insertValue(editControl, *value);
}

}  // namespace conversion
