#include "view_test_support.h"

#include <string>

#include "engine/engine_state.h"
#include "engine/library_table.h"

namespace shell::testing {
namespace {

OperatorCode noName(const char16_t*) {
    return 0;
}

OperatorCode noCharacter(char16_t) {
    return 0;
}

}  // namespace

void resetEngine() {
    engine::engineState().reset();
    engine::resetLibraries();
}

int addFakeLibrary(const char16_t* name, KeypadLoadBMPFn loadBitmap, KeypadMapKeyboardFn mapKeys,
                   KeypadGetStrOperatorFn names) {
    KeypadLibrary record{};
    record.GetStrOperator = names != nullptr ? names : noName;
    record.GetOperator = noCharacter;
    record.LoadBMP = loadBitmap;
    record.MapKeyboard = mapKeys;
    return engine::addLibrary(record, name);
}

}  // namespace shell::testing
