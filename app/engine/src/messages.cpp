// The main program's message table and the routing of library codes to the
// owning library's string table.
#include "engine/messages.h"

#include "engine/library_table.h"
#include "platform/string_resources.h"

namespace engine {
namespace {

struct Message {
    uint16_t id;
    const char16_t* text;
};

// Trailing spaces and the double space are part of the texts.
constexpr Message kMessages[] = {
    {1, u"Unrecognized symbol "},
    {2, u"Missing end of quote"},
    {3, u"Invalid equation number"},
    {4, u"Syntax error "},
    {5, u"Missing parenthesis"},
    {6, u"Wrong # of parameters"},
    {7, u"Eqn too long. "},
    {8, u"Requires a string parameter"},
    {9, u"Incompatible data types"},
    {10, u"Divide by zero"},
    {11, u"Not enough parameters"},
    {12, u"Invalid function reference"},
    {13, u"Stack over flow"},
    {14, u"Invalid parameter value"},
    {15, u"Missing WHILE, IF, ELSE, or END"},
    {16, u"Overflow"},
    {51, u"Incompatible matrices"},
    {52, u"Division by zero"},
    {53, u"Matrix singular or near sing."},
    {54, u"LU decomposition failed"},
    {55, u"Not supported on data type"},
    {56, u"Value out of bounds"},
    {57, u"Can't load script file"},
    {58, u"Can't  import the data."},
    {59, u"Can't open the file"},
    {62, u"Matrix too big"},
    {63, u"Lines starting with \"*\" ignored"},
    {64, u"Can't save workspace. "},
    {65, u"Interrupted"},
};

}  // namespace

const char16_t* mainMessage(uint16_t id) {
    for (const Message& m : kMessages)
        if (m.id == id) return m.text;
    return nullptr;
}

std::u16string messageText(uint16_t code) {
    const uint16_t id = code & 0xFF;
    if (id < 100) {
        const char16_t* text = mainMessage(id);
        return text != nullptr ? std::u16string(text) : std::u16string(u"Unknown error");
    }
    const KeypadLibrary* library = libraryAt(code >> 8);
    char16_t buffer[kMessageLimit + 1];
    if (library == nullptr || platformLoadString(library->module, id, buffer, kMessageLimit + 1) == 0)
        return u"Unknown library error";
    return buffer;
}

void showError(uint16_t code, PlatformWindow owner) {
    const std::u16string text = messageText(code);
    platformMessageBox(owner, text.c_str(), u"Error", PLATFORM_MB_OK | PLATFORM_MB_ICONEXCLAMATION);
}

}  // namespace engine
