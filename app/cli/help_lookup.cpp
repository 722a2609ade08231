#include "help_lookup.h"

#include <vector>

#include "engine/key_help.h"
#include "engine/library_names.h"
#include "engine/library_table.h"
#include "platform/text.h"
#include "shell/key_routing.h"

namespace cli {
namespace {

constexpr size_t kColumns = 78;

void appendGroup(std::string& out, const std::string& title,
                 const std::vector<engine::NamedCode>& names) {
    out.append(title).append(" (").append(std::to_string(names.size())).append("):\n");
    std::string line = " ";
    for (const engine::NamedCode& n : names) {
        const std::string name = orvana::toUtf8(n.name);
        if (line.size() + 1 + name.size() > kColumns) {
            out.append(line).append("\n");
            line.resize(1);  // the indent
        }
        line.append(" ").append(name);
    }
    if (line.size() > 1) out.append(line).append("\n");
    out.append("\n");
}

}  // namespace

bool helpText(const std::string& name, std::string& text) {
    if (name.empty()) return false;
    const std::u16string wide = orvana::toUtf16(name);
    const engine::KeyHelp help = engine::keyHelp(wide, shell::mainProgramModule());
    if (help.code == 0) return false;
    const std::u16string* library = engine::libraryName(int(keypadRoutedLibrary(help.code)));
    const std::string owner = library != nullptr ? orvana::toUtf8(*library) : "main program";
    // Without a help string the lookup gives the name back.
    const bool none = help.text == help.name;
    text = orvana::toUtf8(help.name);
    text.append(" (").append(owner).append("): ");
    text.append(none ? std::string("no help text") : orvana::toUtf8(help.text));
    return true;
}

std::string functionList() {
    std::string out;
    appendGroup(out, "Main program", engine::mainProgramNames());
    for (int n = 1; n <= engine::libraryCount(); ++n) {
        const std::u16string* name = engine::libraryName(n);
        const std::vector<engine::NamedCode> names = engine::libraryNames(n);
        if (name == nullptr || names.empty()) continue;
        appendGroup(out, orvana::toUtf8(*name), names);
    }
    return out;
}

}  // namespace cli
