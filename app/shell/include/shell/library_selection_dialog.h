// The Library Selection dialog's logic: three spinner lists over the library
// names for the quick-select slots 0, 1 and 2.
#ifndef ORVANA_SHELL_LIBRARY_SELECTION_DIALOG_H
#define ORVANA_SHELL_LIBRARY_SELECTION_DIALOG_H

#include <array>
#include <string>
#include <vector>

#include "platform/message_box.h"

namespace shell {

struct QuickSelect;

class LibrarySelection {
public:
    // `names` are the libraries in load order. An empty slot 0 is set to 0
    // first.
    LibrarySelection(QuickSelect& quickSelect, std::vector<std::u16string> names);

    // List 0 holds the names; lists 1 and 2 an empty entry, then the names.
    std::vector<std::u16string> entries(int list) const;
    int selection(int list) const { return selection_[size_t(list)]; }
    // Ignored for a position outside the list.
    void select(int list, int position);

    // Slot 0 = list 0's selection, slots 1 and 2 = their selection - 1
    // (the empty entry gives an empty slot).
    void confirm();

private:
    QuickSelect& quickSelect_;
    std::vector<std::u16string> names_;
    std::array<int, 3> selection_{};
};

// Without a view: one list dialog per spinner, in order. False (nothing
// changed) when one is cancelled.
bool runLibrarySelectionByLists(PlatformWindow owner, QuickSelect& quickSelect);

}  // namespace shell

#endif
