// Reading and writing "prefs.prf".
#include "shell/preferences.h"

#include <algorithm>
#include <cstring>

#include "engine/library_table.h"
#include "engine/workspace_settings.h"
#include "platform/atomic_file.h"
#include "platform/file_reader.h"

namespace shell {
namespace {

constexpr size_t kHeaderSize = 16;
constexpr size_t kSettingsSize = 64;
constexpr size_t kNameUnits = 30;
constexpr size_t kNameFieldSize = kNameUnits * 2;
constexpr size_t kDirectoryUnits = 260;
constexpr size_t kDirectoryFieldSize = kDirectoryUnits * 2;
constexpr unsigned char kVersion = 3;
constexpr size_t kSlotOffsets[2] = {2, 9};
constexpr size_t kRpnByte = 0;
constexpr size_t kCurrentSlotByte = 23;
constexpr int16_t kMostAnswerRows = 3;

// Hands out the file's bytes in order, as reads of a file would.
class ByteReader {
public:
    ByteReader(const unsigned char* data, size_t size) : data_(data), size_(size) {}
    // Copies up to n bytes into out (which the caller zero-filled); true only
    // when all n arrived.
    bool read(unsigned char* out, size_t n) {
        const size_t got = std::min(n, size_ - position_);
        if (got > 0) std::memcpy(out, data_ + position_, got);
        position_ += got;
        return got == n;
    }

private:
    const unsigned char* data_;
    size_t size_;
    size_t position_ = 0;
};

// The 0-terminated UTF-16 text of a field; a field without a terminator
// yields its first units - 1 characters.
std::u16string fieldText(const unsigned char* field, size_t units) {
    std::u16string text;
    for (size_t i = 0; i + 1 < units; ++i) {
        const auto unit = char16_t(field[2 * i] | field[2 * i + 1] << 8);
        if (unit == 0) break;
        text.push_back(unit);
    }
    return text;
}

void putText(unsigned char* field, size_t units, std::u16string_view text) {
    const size_t n = std::min(text.size(), units - 1);
    for (size_t i = 0; i < n; ++i) {
        field[2 * i] = static_cast<unsigned char>(text[i] & 0xFF);
        field[2 * i + 1] = static_cast<unsigned char>(text[i] >> 8);
    }
}

FormatSlot slotFromSettings(const unsigned char* settings, size_t at) {
    FormatSlot s;
    s.formatCode = uint16_t(settings[at] | settings[at + 1] << 8);
    s.evaluation = settings[at + 2] != 0;
    s.polar = settings[at + 3] != 0;
    s.answerRows = std::min<int16_t>(settings[at + 4], kMostAnswerRows);
    s.answerColumns = 1;
    s.stored = settings[at + 6] != 0;
    return s;
}

void slotIntoSettings(unsigned char* settings, size_t at, const FormatSlot& s) {
    settings[at] = static_cast<unsigned char>(s.formatCode & 0xFF);
    settings[at + 1] = static_cast<unsigned char>(s.formatCode >> 8);
    settings[at + 2] = s.evaluation ? 1 : 0;
    settings[at + 3] = s.polar ? 1 : 0;
    settings[at + 4] = static_cast<unsigned char>(s.answerRows);
    settings[at + 5] = static_cast<unsigned char>(s.answerColumns);
    settings[at + 6] = s.stored ? 1 : 0;
}

int16_t libraryNamed(std::u16string_view name, const std::vector<std::u16string>& names) {
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == name) return int16_t(i);
    return kNoLibrary;
}

void finish(Preferences& p) {
    p.quickSelects[kQuickSelectSlots - 1] = kNoLibrary;
    p.currentLibrary = 0;
    for (int16_t slot : p.quickSelects)
        if (slot != kNoLibrary) {
            p.currentLibrary = slot;
            break;
        }
}

}  // namespace

Preferences readPreferencesBytes(const unsigned char* file, size_t size,
                                 const std::vector<std::u16string>& libraryNames,
                                 std::u16string_view documents) {
    Preferences p;
    if (file == nullptr) {
        const size_t filled = std::min<size_t>(4, libraryNames.size());
        for (size_t j = 0; j < filled; ++j) p.quickSelects[j] = int16_t(j);
        finish(p);
        return p;
    }
    ByteReader reader(file, size);
    unsigned char header[kHeaderSize] = {};
    unsigned char settings[kSettingsSize] = {};
    // A settings block cut short counts as not there: all zeros, and the
    // format slots keep their defaults.
    bool settingsArrived = reader.read(header, kHeaderSize);
    if (settingsArrived) {
        settingsArrived = reader.read(settings, kSettingsSize);
        if (!settingsArrived) std::memset(settings, 0, kSettingsSize);
    }
    if (settingsArrived) {
        const int records = header[0] == 1 ? 4 : 5;
        bool complete = true;
        for (int r = 0; r < records && complete; ++r) {
            unsigned char field[kNameFieldSize] = {};
            complete = reader.read(field, kNameFieldSize);
            if (!complete) break;
            const int16_t library = libraryNamed(fieldText(field, kNameUnits), libraryNames);
            if (library != kNoLibrary) p.quickSelects[size_t(r)] = library;
        }
        unsigned char directory[kDirectoryFieldSize] = {};
        if (complete && reader.read(directory, kDirectoryFieldSize))
            p.scriptDirectory = fieldText(directory, kDirectoryUnits);
        else
            p.scriptDirectory = std::u16string(documents);
    }
    p.rpnMode = settings[kRpnByte] == 1;
    if (settingsArrived && header[0] > 2) {
        p.formats.saved[0] = slotFromSettings(settings, kSlotOffsets[0]);
        p.formats.saved[1] = slotFromSettings(settings, kSlotOffsets[1]);
    }
    // Only 0, 1 and 2 name a slot; anything else is taken as slot 0.
    const unsigned char current = settings[kCurrentSlotByte];
    p.formats.current = current < kFormatSlotCount ? int16_t(current) : 0;
    engine::WorkspaceSettings& slot0 = engine::workspaceSettings();
    slot0.answerRows = std::min(slot0.answerRows, kMostAnswerRows);
    finish(p);
    return p;
}

std::string preferencesBytes(const Preferences& p, const std::vector<std::u16string>& names) {
    std::string bytes(kPreferencesSize, '\0');
    auto* out = reinterpret_cast<unsigned char*>(bytes.data());
    out[0] = kVersion;
    unsigned char* settings = out + kHeaderSize;
    settings[kRpnByte] = p.rpnMode ? 1 : 0;
    slotIntoSettings(settings, kSlotOffsets[0], p.formats.saved[0]);
    slotIntoSettings(settings, kSlotOffsets[1], p.formats.saved[1]);
    settings[kCurrentSlotByte] = static_cast<unsigned char>(p.formats.current);
    unsigned char* field = settings + kSettingsSize;
    for (int16_t library : p.quickSelects) {
        if (library >= 0 && size_t(library) < names.size())
            putText(field, kNameUnits, names[size_t(library)]);
        else
            std::memcpy(field, settings, kNameFieldSize);
        field += kNameFieldSize;
    }
    putText(field, kDirectoryUnits, p.scriptDirectory);
    return bytes;
}

Preferences readPreferencesFile(const char16_t* path,
                                const std::vector<std::u16string>& libraryNames,
                                std::u16string_view documents) {
    PlatformReadFile* file = platformOpenFileForReading(path);
    if (file == nullptr) return readPreferencesBytes(nullptr, 0, libraryNames, documents);
    // Nothing past the complete layout is ever looked at.
    unsigned char bytes[kPreferencesSize];
    const size_t size = platformReadFileBytes(file, bytes, sizeof bytes);
    platformCloseFile(file);
    return readPreferencesBytes(bytes, size, libraryNames, documents);
}

bool writePreferencesFile(const char16_t* path, const Preferences& preferences,
                          const std::vector<std::u16string>& libraryNames) {
    const std::string bytes = preferencesBytes(preferences, libraryNames);
    return platformWriteFileAtomically(path, bytes.data(), bytes.size()) != 0;
}

std::vector<std::u16string> loadedLibraryNames() {
    std::vector<std::u16string> names;
    for (int n = 1; n <= engine::libraryCount(); ++n) names.push_back(*engine::libraryName(n));
    return names;
}

}  // namespace shell
