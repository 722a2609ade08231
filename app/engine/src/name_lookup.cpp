// lookupName and lookupOperatorChar: the four sources of names, asked in
// their fixed order.
#include "engine/name_lookup.h"

#include <string>

#include "engine/code_list.h"
#include "engine/keyword_table.h"
#include "engine/library_table.h"
#include "engine/script_folder.h"
#include "engine/user_functions.h"

namespace engine {

uint32_t lookupName(std::u16string_view name) {
    if (name.empty()) return 0;
    if (uint16_t c = builtinKeyword(name)) return c;

    if (int slot = findUserFunction(name); slot >= 0) {
        const UserFunction* f = userFunctionAt(slot);
        return f->parameters > 0 ? userFunctionCallCode(slot) : userFunctionValueCode(slot);
    }

    if (libraryCount() > 0) {
        // Libraries expect a terminated name.
        const std::u16string terminated(name);
        for (int n = 1; n <= libraryCount(); ++n) {
            const KeypadLibrary* lib = libraryAt(n);
            if (OperatorCode c = lib->GetStrOperator(terminated.c_str()))
                return keypadRoute(uint32_t(n), c);
        }
    }

    if (name[0] >= u'A' && name[0] <= u'Z' && name.size() < kWorkspaceNameLimit &&
        workspaceFileExists(name))
        return code(Code::WorkspaceCall);
    return 0;
}

uint32_t lookupOperatorChar(char16_t character) {
    if (uint16_t c = builtinOperatorChar(character)) return c;
    for (int n = 1; n <= libraryCount(); ++n) {
        if (OperatorCode c = libraryAt(n)->GetOperator(character))
            return keypadRoute(uint32_t(n), c);
    }
    return 0;
}

}  // namespace engine
