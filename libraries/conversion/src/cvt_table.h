// Tables of units or constants read from ".cvt" files (binary,
// little-endian):
// - bytes 0-1: format word F.
// - F below 11 (list format): bytes 2-3 the entry count N, then N entries of
//   a 30-unit UTF-16 name and a double (68 bytes each), then a 30-unit title.
// - F of 11 or more (fixed format): up to 20 names of 30 units from offset 0,
//   ended by the first name whose second unit is 0; the title in the name
//   field after that one; the values as 20 doubles from offset 1200.
// A first entry named "Constant" makes a table of constants and is not
// listed; otherwise every value is the size of its unit in one base unit.
#ifndef ORVANA_CONVERSION_CVT_TABLE_H
#define ORVANA_CONVERSION_CVT_TABLE_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace conversion {

inline constexpr size_t kCvtNameUnits = 30;
inline constexpr size_t kCvtNameBytes = kCvtNameUnits * 2;
inline constexpr size_t kCvtListEntryBytes = kCvtNameBytes + 8;
inline constexpr uint16_t kCvtFixedFormat = 11;
inline constexpr size_t kCvtFixedNames = 20;
inline constexpr size_t kCvtFixedValuesOffset = kCvtFixedNames * kCvtNameBytes;
// The largest list-format file that can be meaningful: 65535 entries.
inline constexpr size_t kCvtLargestFile = 4 + 65535 * kCvtListEntryBytes + kCvtNameBytes;

struct CvtEntry {
    std::u16string name;
    double value;
};

struct CvtTable {
    bool constants = false;
    std::u16string title;
    std::vector<CvtEntry> entries;  // the listed ones, in file order
};

// The table in a file's bytes, or nothing when the bytes are refused: too
// short for what they announce, or a name field without its terminator.
// Nothing outside the span is read.
std::optional<CvtTable> parseCvtTable(std::span<const uint8_t> bytes);

// Reads and parses a file; nothing when it cannot be opened or is refused.
std::optional<CvtTable> readCvtTable(const char16_t* path);

}  // namespace conversion

#endif
