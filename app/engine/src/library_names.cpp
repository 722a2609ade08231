#include "engine/library_names.h"

#include "engine/keyword_table.h"
#include "engine/library_table.h"
#include "keypad.h"
#include "platform/module.h"

namespace engine {

std::vector<NamedCode> mainProgramNames() {
    std::vector<NamedCode> names;
    std::u16string_view name;
    uint16_t code = 0;
    for (size_t i = 0; builtinKeywordAt(i, name, code); ++i) names.push_back({std::u16string(name), code});
    return names;
}

std::vector<NamedCode> libraryNames(int number) {
    std::vector<NamedCode> names;
    const KeypadLibrary* library = libraryAt(number);
    if (library == nullptr || library->module == nullptr) return names;
    const auto list = reinterpret_cast<KeypadNamesFn>(
        platformModuleSymbol(library->module, KEYPAD_NAMES_SYMBOL));
    if (list == nullptr) return names;
    const char16_t* text = nullptr;
    int32_t length = 0;
    OperatorCode code = 0;
    // A module's tables are small; the bound only guards against a module
    // that never says it is done.
    for (int32_t i = 0; i < 65536 && list(i, &text, &length, &code) == 1; ++i)
        if (text != nullptr && length > 0) names.push_back({std::u16string(text, size_t(length)), code});
    return names;
}

}  // namespace engine
