// The Library Selection dialog's lists and the quick-select slots they set.
#include "shell/library_selection_dialog.h"

#include <algorithm>

#include "platform/dialogs.h"
#include "shell/preferences.h"
#include "shell/shell_state.h"

namespace shell {

LibrarySelection::LibrarySelection(QuickSelect& quickSelect, std::vector<std::u16string> names)
    : quickSelect_(quickSelect), names_(std::move(names)) {
    if (quickSelect_.slots[0] == kNoLibrary) quickSelect_.slots[0] = 0;
    const int count = int(names_.size());
    auto shown = [count](int slot) { return slot >= 0 && slot < count ? slot : -1; };
    selection_[0] = count > 0 ? std::max(shown(quickSelect_.slots[0]), 0) : -1;
    selection_[1] = shown(quickSelect_.slots[1]) + 1;
    selection_[2] = shown(quickSelect_.slots[2]) + 1;
}

std::vector<std::u16string> LibrarySelection::entries(int list) const {
    std::vector<std::u16string> out;
    if (list != 0) out.emplace_back();
    out.insert(out.end(), names_.begin(), names_.end());
    return out;
}

void LibrarySelection::select(int list, int position) {
    if (list < 0 || list > 2) return;
    if (position >= 0 && size_t(position) < entries(list).size()) selection_[size_t(list)] = position;
}

void LibrarySelection::confirm() {
    // Without any library slot 0 keeps its 0.
    if (selection_[0] >= 0) quickSelect_.slots[0] = int16_t(selection_[0]);
    quickSelect_.slots[1] = int16_t(selection_[1] - 1);
    quickSelect_.slots[2] = int16_t(selection_[2] - 1);
}

bool runLibrarySelectionByLists(PlatformWindow owner, QuickSelect& quickSelect) {
    QuickSelect working = quickSelect;
    LibrarySelection dialog(working, loadedLibraryNames());
    for (int list = 0; list < 3; ++list) {
        const std::vector<std::u16string> entries = dialog.entries(list);
        std::vector<const char16_t*> items;
        for (const std::u16string& entry : entries) items.push_back(entry.c_str());
        const int32_t chosen = platformListDialog(owner, u"Library Selection", items.data(),
                                                  int32_t(items.size()), dialog.selection(list));
        if (chosen < 0) return false;
        dialog.select(list, chosen);
    }
    dialog.confirm();
    quickSelect = working;
    return true;
}

}  // namespace shell
