// Key help: name, operator, owner and help string of a key's text.
#include "engine/key_help.h"

#include "engine/evaluator.h"
#include "engine/library_table.h"
#include "engine/name_lookup.h"
#include "engine/script_folder.h"
#include "platform/edit_control.h"
#include "platform/file_reader.h"
#include "platform/string_resources.h"

namespace engine {
namespace {

// The Workspace-call code the name lookup gives for a Workspace file.
constexpr uint32_t kWorkspaceCall = 0x0DF5;
// Names the lookup does not know but the main program has help for.
constexpr uint32_t kElementwiseHelp = 5110;  // "V:"
constexpr uint32_t kComplexHelp = 768;       // "i0"
constexpr uint32_t kHexadecimalHelp = 5116;  // "0x"

// A Workspace file keeps its note as a 16-bit count of UTF-16 units
// (terminator included) at byte 16, followed by the units.
constexpr uint64_t kNoteOffset = 16;
constexpr size_t kNoteLimit = 499;

bool namesScript(std::u16string_view name) {
    return !name.empty() && name.size() < 20 && name[0] >= u'A' && name[0] <= u'Z';
}

std::u16string scriptNote(std::u16string_view name) {
    const std::u16string path = workspacePath(name);
    PlatformReadFile* file = platformOpenFileForReading(path.c_str());
    if (file == nullptr) return {};
    std::u16string note;
    unsigned char count[2];
    if (platformSeekFile(file, kNoteOffset) && platformReadFileBytes(file, count, 2) == 2) {
        size_t units = size_t(count[0]) | size_t(count[1]) << 8;
        if (units > kNoteLimit + 1) units = kNoteLimit + 1;
        // Stored little-endian, whatever this machine's byte order.
        std::string bytes(units * 2, '\0');
        bytes.resize(platformReadFileBytes(file, bytes.data(), bytes.size()));
        for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
            const auto unit = char16_t(uint8_t(bytes[i]) | uint8_t(bytes[i + 1]) << 8);
            if (unit == 0) break;
            note.push_back(unit);
        }
    }
    platformCloseFile(file);
    return note;
}

// The module whose string table holds the help of a routed code.
PlatformModule* ownerOf(uint32_t code, PlatformModule* mainProgram) {
    const uint32_t library = keypadRoutedLibrary(code);
    if (library == 0) return mainProgram;
    const KeypadLibrary* owner = libraryAt(int(library));
    return owner != nullptr ? owner->module : nullptr;
}

}  // namespace

std::u16string keyName(std::u16string_view text) {
    text = text.substr(0, text.find(u'('));
    const size_t last = text.rfind(u'_');
    if (last != std::u16string_view::npos) text = text.substr(0, last);
    const size_t first = text.find(u'_');
    if (first != std::u16string_view::npos) text = text.substr(first + 1);
    return std::u16string(text);
}

KeyHelp keyHelp(std::u16string_view insertedText, PlatformModule* mainProgram) {
    KeyHelp help;
    help.name = keyName(insertedText.substr(0, kKeyTextLimit));
    help.caption = help.name + u" Help";
    uint32_t code = help.name.empty() ? 0 : lookupName(help.name);
    if (code == 0 && !help.name.empty()) code = lookupOperatorChar(help.name[0]);

    if (code == kWorkspaceCall && namesScript(help.name)) {
        std::u16string note = scriptNote(help.name);
        if (!note.empty()) {
            help.code = code;
            help.text = std::move(note);
            return help;
        }
    }
    if (code == 0) {
        const std::u16string_view n = help.name;
        if (n.starts_with(u"V:"))
            code = kElementwiseHelp;
        else if (n.starts_with(u"i0"))
            code = kComplexHelp;
        else if (n.starts_with(u"0x"))
            code = kHexadecimalHelp;
    }
    help.code = code;
    if (code != 0) {
        char16_t buffer[kKeyHelpLimit + 1];
        if (platformLoadString(ownerOf(code, mainProgram), KEYPAD_HELP_ID_BASE + (code & 0xFFFFu),
                               buffer, kKeyHelpLimit + 1) > 0) {
            help.text = buffer;
            return help;
        }
    }
    help.text = help.name;
    return help;
}

std::u16string composeLibraryKey(const KeypadLibrary& library, uint32_t keyCode) {
    if (library.MapKeyboard == nullptr) return {};
    PlatformWindow edit = platformEditCreate();
    if (edit == nullptr) return {};
    platformEditSetLimit(edit, int32_t(kKeyTextLimit));
    library.MapKeyboard(keyCode, edit, hostServices());
    char16_t buffer[kKeyTextLimit + 1];
    platformEditGetText(edit, buffer, kKeyTextLimit + 1);
    platformEditDestroy(edit);
    return buffer;
}

void showKeyHelp(const KeyHelp& help, PlatformWindow owner) {
    platformMessageBox(owner, help.text.c_str(), help.caption.c_str(),
                       PLATFORM_MB_OK | PLATFORM_MB_ICONINFORMATION);
}

}  // namespace engine
