#include "engine_test_support.h"

#include "engine/engine_state.h"
#include "engine/answer_index.h"
#include "engine/disassembler.h"
#include "engine/library_table.h"
#include "engine/parser.h"
#include "engine/script_folder.h"
#include "engine/user_functions.h"
#include "engine/variables.h"
#include "platform/text.h"

namespace engine::testing {
namespace {

bool same(const char16_t* a, std::u16string_view b) { return std::u16string_view(a) == b; }

OperatorCode scientificName(const char16_t* name) {
    if (same(name, u"sin")) return 0x0115;
    if (same(name, u"pairtest")) return 0x02F5;
    if (same(name, u"NOT")) return 0x0305;
    if (same(name, u"mod")) return 0x0101;
    if (same(name, u"fact")) return 0x0104;
    if (same(name, u"pi")) return 0x0100;
    if (same(name, u"externS")) return 0x0405;
    if (same(name, u"det")) return 0x0999;
    return 0;
}

OperatorCode scientificChar(char16_t c) {
    if (c == u'^') return 0x0103;
    if (c == u'!') return 0x0204;
    return 0;
}

OperatorCode secondName(const char16_t* name) {
    if (same(name, u"sin")) return 0x0777;
    if (same(name, u"cos")) return 0x0115;
    return 0;
}

OperatorCode secondChar(char16_t c) {
    if (c == u'^') return 0x0903;
    if (c == u'#') return 0x0A02;
    return 0;
}

}  // namespace

std::string utf8(std::u16string_view text) { return orvana::toUtf8(text); }

Compiled compileText(std::u16string_view text) {
    const std::u16string terminated(text);
    Token* list = nullptr;
    Compiled c;
    c.status = compileExpression(terminated.c_str(), &list);
    c.hasList = list != nullptr;
    c.code = disassemble(list);
    freeCode(list);
    return c;
}

KeypadLibrary fakeScientific() {
    KeypadLibrary lib{};
    lib.GetStrOperator = scientificName;
    lib.GetOperator = scientificChar;
    return lib;
}

KeypadLibrary fakeSecond() {
    KeypadLibrary lib{};
    lib.GetStrOperator = secondName;
    lib.GetOperator = secondChar;
    return lib;
}

void EngineTest::resetEngine() {
    engineState().reset();
    resetLibraries();
    setScriptFolder(u"");
}

void EngineTest::defineVariables(std::initializer_list<std::u16string_view> names) {
    for (std::u16string_view n : names) addVariable(n, nullptr);
}

void EngineTest::loadFakeLibraries() {
    addLibrary(fakeScientific(), u"Sci");
    addLibrary(fakeSecond(), u"Second");
}

}  // namespace engine::testing
