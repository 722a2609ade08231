#include "cvt_table.h"

#include <cstring>
#include <memory>

#include "platform/file_reader.h"

namespace conversion {
namespace {

uint16_t wordAt(std::span<const uint8_t> bytes, size_t offset) {
    return uint16_t(bytes[offset] | bytes[offset + 1] << 8);
}

double doubleAt(std::span<const uint8_t> bytes, size_t offset) {
    uint64_t bits = 0;
    for (size_t i = 0; i < 8; ++i) bits |= uint64_t(bytes[offset + i]) << (8 * i);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// The text of the name field at offset, which must lie inside the bytes;
// nothing when the field holds no terminator.
std::optional<std::u16string> nameAt(std::span<const uint8_t> bytes, size_t offset) {
    std::u16string name;
    for (size_t i = 0; i < kCvtNameUnits; ++i) {
        const char16_t unit = char16_t(wordAt(bytes, offset + 2 * i));
        if (unit == 0) return name;
        name.push_back(unit);
    }
    return std::nullopt;
}

// Takes the entries in order; the first one named "Constant" marks a table
// of constants and is dropped.
void addEntries(CvtTable& table, std::vector<CvtEntry> entries) {
    size_t first = 0;
    if (!entries.empty() && entries.front().name == u"Constant") {
        table.constants = true;
        first = 1;
    }
    table.entries.assign(entries.begin() + std::ptrdiff_t(first), entries.end());
}

std::optional<CvtTable> parseList(std::span<const uint8_t> bytes) {
    if (bytes.size() < 4) return std::nullopt;
    const size_t count = wordAt(bytes, 2);
    const size_t titleOffset = 4 + count * kCvtListEntryBytes;
    if (bytes.size() < titleOffset + kCvtNameBytes) return std::nullopt;
    std::vector<CvtEntry> entries;
    entries.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const size_t offset = 4 + i * kCvtListEntryBytes;
        auto name = nameAt(bytes, offset);
        if (!name) return std::nullopt;
        entries.push_back({std::move(*name), doubleAt(bytes, offset + kCvtNameBytes)});
    }
    auto title = nameAt(bytes, titleOffset);
    if (!title) return std::nullopt;
    CvtTable table;
    table.title = std::move(*title);
    addEntries(table, std::move(entries));
    return table;
}

std::optional<CvtTable> parseFixed(std::span<const uint8_t> bytes) {
    std::vector<std::u16string> names;
    size_t slot = 0;
    for (; slot < kCvtFixedNames; ++slot) {
        const size_t offset = slot * kCvtNameBytes;
        if (bytes.size() < offset + kCvtNameBytes) return std::nullopt;
        if (wordAt(bytes, offset + 2) == 0) break;
        auto name = nameAt(bytes, offset);
        if (!name) return std::nullopt;
        names.push_back(std::move(*name));
    }
    if (bytes.size() < kCvtFixedValuesOffset + 8 * names.size()) return std::nullopt;
    CvtTable table;
    // The title follows the name that ends the list; with all twenty name
    // fields in use there is no room for one.
    const size_t titleSlot = slot + 1;
    if (titleSlot < kCvtFixedNames) {
        auto title = nameAt(bytes, titleSlot * kCvtNameBytes);
        if (!title) return std::nullopt;
        table.title = std::move(*title);
    }
    std::vector<CvtEntry> entries;
    for (size_t i = 0; i < names.size(); ++i)
        entries.push_back({std::move(names[i]), doubleAt(bytes, kCvtFixedValuesOffset + 8 * i)});
    addEntries(table, std::move(entries));
    return table;
}

struct FileCloser {
    void operator()(PlatformReadFile* file) const { platformCloseFile(file); }
};

}  // namespace

std::optional<CvtTable> parseCvtTable(std::span<const uint8_t> bytes) {
    if (bytes.size() < 2) return std::nullopt;
    return wordAt(bytes, 0) < kCvtFixedFormat ? parseList(bytes) : parseFixed(bytes);
}

std::optional<CvtTable> readCvtTable(const char16_t* path) {
    const std::unique_ptr<PlatformReadFile, FileCloser> file(platformOpenFileForReading(path));
    if (file == nullptr) return std::nullopt;
    // Bytes beyond the largest meaningful table are never looked at.
    const uint64_t size = platformFileSize(file.get());
    std::vector<uint8_t> bytes(size_t(size < kCvtLargestFile ? size : kCvtLargestFile));
    bytes.resize(platformReadFileBytes(file.get(), bytes.data(), bytes.size()));
    return parseCvtTable(bytes);
}

}  // namespace conversion
