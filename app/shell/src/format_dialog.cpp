// The Format dialog's lists and the format code it stores.
#include "shell/format_dialog.h"

#include <array>
#include <vector>

#include "platform/dialogs.h"

namespace shell {
namespace {

constexpr std::array<std::u16string_view, 6> kKinds{
    u"Fixed", u"Floating", u"Scientific", u"Engineering", u"Fractions", u"Hexadecimal"};
constexpr std::array<std::u16string_view, 9> kDecimalDigits{
    u"Auto",     u"2 digits", u"3 digits", u"4 digits",  u"5 digits",
    u"6 digits", u"8 digits", u"10 digits", u"14 digits"};
constexpr std::array<int, 9> kDecimalValues{0, 2, 3, 4, 5, 6, 8, 10, 14};
constexpr std::array<std::u16string_view, 3> kFractionDigits{u"1/128", u"1/1024", u"1/1000000"};
constexpr std::array<int, 3> kFractionExponents{7, 10, 20};
constexpr std::array<std::u16string_view, 4> kRows{u"Script", u"1 Row", u"2 Row", u"3 Row"};

constexpr int kFixedPosition = 0;
constexpr int kFixedKind = 5;
constexpr int kFractionsPosition = 4;
constexpr int kHexadecimalPosition = 5;

// Fixed is listed first but stored as kind 5; the others follow in order.
// Kinds the list does not know show as Floating.
int positionOfKind(int kind) {
    if (kind == kFixedKind) return kFixedPosition;
    return kind >= 0 && kind < kFixedKind ? kind + 1 : 1;
}
int kindAtPosition(int position) { return position == kFixedPosition ? kFixedKind : position - 1; }

template <size_t N>
int positionOf(const std::array<int, N>& values, int value) {
    for (size_t i = 0; i < N; ++i)
        if (values[i] == value) return int(i);
    return 0;
}

DigitsList listFor(int kindPosition) {
    if (kindPosition == kFractionsPosition) return DigitsList::Fractions;
    return kindPosition == kHexadecimalPosition ? DigitsList::None : DigitsList::Decimal;
}

std::vector<const char16_t*> itemsOf(std::span<const std::u16string_view> entries) {
    std::vector<const char16_t*> items;
    for (std::u16string_view entry : entries) items.push_back(entry.data());
    return items;
}

int32_t chooseFrom(PlatformWindow owner, std::span<const std::u16string_view> entries, int initial) {
    const std::vector<const char16_t*> items = itemsOf(entries);
    return platformListDialog(owner, u"Format", items.data(), int32_t(items.size()), initial);
}

}  // namespace

FormatDialog::FormatDialog(const FormatSlot& slot)
    : kind_(positionOfKind(slot.formatCode >> 8)),
      rows_(slot.answerRows >= 0 && slot.answerRows < int(kRows.size()) ? slot.answerRows : 1),
      polar_(slot.polar),
      list_(listFor(kind_)) {
    const int value = slot.formatCode & 0xFF;
    switch (list_) {
        case DigitsList::Fractions: digits_ = positionOf(kFractionExponents, value); break;
        case DigitsList::Decimal: digits_ = positionOf(kDecimalValues, value); break;
        case DigitsList::None: digits_ = -1; break;
    }
}

std::span<const std::u16string_view> FormatDialog::kindEntries() { return kKinds; }
std::span<const std::u16string_view> FormatDialog::rowEntries() { return kRows; }

std::span<const std::u16string_view> FormatDialog::digitsEntries() const {
    switch (list_) {
        case DigitsList::Fractions: return kFractionDigits;
        case DigitsList::Decimal: return kDecimalDigits;
        case DigitsList::None: break;
    }
    return {};
}

void FormatDialog::setKind(int position) {
    if (position < 0 || position >= int(kKinds.size())) return;
    kind_ = position;
    const DigitsList wanted = listFor(position);
    if (wanted == list_) return;
    list_ = wanted;
    digits_ = wanted == DigitsList::None ? -1 : 0;
}

void FormatDialog::setDigits(int position) {
    if (position >= 0 && size_t(position) < digitsEntries().size()) digits_ = position;
}

void FormatDialog::setRows(int position) {
    if (position >= 0 && position < int(kRows.size())) rows_ = position;
}

FormatSlot FormatDialog::confirmed(FormatSlot slot) const {
    int value = 0;
    if (list_ == DigitsList::Fractions) value = kFractionExponents[size_t(digits_)];
    if (list_ == DigitsList::Decimal) value = kDecimalValues[size_t(digits_)];
    slot.formatCode = uint16_t(kindAtPosition(kind_) * 256 + value);
    slot.polar = polar_;
    slot.answerRows = int16_t(rows_);
    slot.stored = false;
    return slot;
}

bool runFormatDialogByLists(PlatformWindow owner, FormatSlots& slots) {
    FormatDialog dialog(slots.inUse());
    const int32_t kind = chooseFrom(owner, FormatDialog::kindEntries(), dialog.kind());
    if (kind < 0) return false;
    dialog.setKind(kind);
    if (dialog.digitsEnabled()) {
        const int32_t digits = chooseFrom(owner, dialog.digitsEntries(), dialog.digits());
        if (digits < 0) return false;
        dialog.setDigits(digits);
    }
    const int32_t rows = chooseFrom(owner, FormatDialog::rowEntries(), dialog.rows());
    if (rows < 0) return false;
    dialog.setRows(rows);
    slots.setSlot(slots.current, dialog.confirmed(slots.inUse()));
    return true;
}

}  // namespace shell
