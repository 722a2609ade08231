// The Format dialog's logic: the kind, digits and rows lists, the digits list
// that follows the kind, "Complex Polar Form", and the format slot OK makes.
#ifndef ORVANA_SHELL_FORMAT_DIALOG_H
#define ORVANA_SHELL_FORMAT_DIALOG_H

#include <span>
#include <string_view>

#include "platform/message_box.h"
#include "shell/format_slots.h"

namespace shell {

// Which digits list the dialog holds.
enum class DigitsList { None, Decimal, Fractions };

class FormatDialog {
public:
    explicit FormatDialog(const FormatSlot& slot);

    static std::span<const std::u16string_view> kindEntries();
    static std::span<const std::u16string_view> rowEntries();
    // The entries of the digits list loaded now (none for Hexadecimal).
    std::span<const std::u16string_view> digitsEntries() const;

    int kind() const { return kind_; }      // list position 0..5
    int digits() const { return digits_; }  // position in the digits list, -1 for none
    int rows() const { return rows_; }      // 0..3
    bool polar() const { return polar_; }
    DigitsList digitsList() const { return list_; }
    bool digitsEnabled() const { return list_ != DigitsList::None; }

    // Changing the kind loads the digits list it needs, unless it is loaded.
    void setKind(int position);
    // Ignored while the list is disabled or for a position outside it.
    void setDigits(int position);
    void setRows(int position);
    void setPolar(bool on) { polar_ = on; }

    // The slot after OK: the new format code, polar flag and rows, and the
    // stored flag cleared; the other fields as they were.
    FormatSlot confirmed(FormatSlot slot) const;

private:
    int kind_ = 1;
    int digits_ = 0;
    int rows_ = 1;
    bool polar_ = false;
    DigitsList list_ = DigitsList::Decimal;
};

// The Format dialog without a view: a list dialog for the kind, then one for
// the digits (unless Hexadecimal), then one for the rows; the polar flag is
// kept. True when all were chosen and the slot in use was changed.
bool runFormatDialogByLists(PlatformWindow owner, FormatSlots& slots);

}  // namespace shell

#endif
