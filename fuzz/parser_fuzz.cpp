// Fuzzes compileExpression and freeCode with arbitrary UTF-16 text. The
// bytes are read as little-endian UTF-16 units up to the first 0 unit. Fake
// keypad libraries, user functions and a script folder with one Workspace
// are in place so that every kind of name can occur.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include <unistd.h>

#include "engine/disassembler.h"
#include "engine/library_table.h"
#include "engine/parser.h"
#include "engine/script_folder.h"
#include "engine/user_functions.h"
#include "engine/variables.h"

namespace {

OperatorCode libraryName(const char16_t* name) {
    const std::u16string_view n(name);
    if (n == u"sin") return 0x0115;
    if (n == u"pairtest") return 0x02F5;
    if (n == u"NOT") return 0x0305;
    if (n == u"mod") return 0x0101;
    if (n == u"fact") return 0x0104;
    if (n == u"pi") return 0x0100;
    if (n == u"externS") return 0x0405;
    if (n == u"hyp") return 0x0E35;  // three arguments
    return 0;
}

OperatorCode libraryChar(char16_t c) {
    if (c == u'^') return 0x0103;
    if (c == u'!') return 0x0204;
    if (c == u'#') return 0x0A05;  // a prefix operator character
    if (c == u'~') return 0x0B15;  // a function character of one argument
    return 0;
}

void setUp() {
    KeypadLibrary lib{};
    lib.GetStrOperator = libraryName;
    lib.GetOperator = libraryChar;
    engine::addLibrary(lib, u"Fuzz");
    engine::setUserFunction(0, {u"g", 2});
    engine::setUserFunction(1, {u"h", 0});
    engine::setUserFunction(2, {u"ff", 3});

    char folder[] = "/tmp/orvana-parser-fuzz-XXXXXX";
    if (mkdtemp(folder) != nullptr) {
        const std::string file = std::string(folder) + "/Cube.ovw";
        if (FILE* f = std::fopen(file.c_str(), "w")) std::fclose(f);
        std::u16string wide;
        for (const char* p = folder; *p != 0; ++p) wide += char16_t(*p);
        engine::setScriptFolder(wide);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setUp();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::u16string text;
    for (size_t i = 0; i + 1 < size; i += 2) {
        const char16_t unit = char16_t(data[i] | (data[i + 1] << 8));
        if (unit == 0) break;
        text += unit;
    }
    // Assignments add variables; start each input from the same table so
    // that runs are reproducible.
    engine::resetVariables();
    engine::addVariable(u"a", nullptr);
    engine::addVariable(u"b", nullptr);

    Token* list = nullptr;
    const uint16_t status = compileExpression(text.c_str(), &list);
    switch (status) {
        case 0: case 1: case 2: case 4: case 5: case 6: case 7: case 63:
            break;
        default:
            std::abort();  // not a code the parser may give
    }
    if (status != 0 && list != nullptr) std::abort();
    if (list != nullptr) (void)engine::disassemble(list);
    freeCode(list);
    return 0;
}
