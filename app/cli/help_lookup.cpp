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
    out += title + " (" + std::to_string(names.size()) + "):\n";
    std::string line = " ";
    for (const engine::NamedCode& n : names) {
        const std::string name = orvana::toUtf8(n.name);
        if (line.size() + 1 + name.size() > kColumns) {
            out += line + "\n";
            line = " ";
        }
        line += " " + name;
    }
    if (line.size() > 1) out += line + "\n";
    out += "\n";
}

}  // namespace

bool helpText(const std::string& name, std::string& text) {
    if (name.empty()) return false;
    const engine::KeyHelp help = engine::keyHelp(orvana::toUtf16(name), shell::mainProgramModule());
    if (help.code == 0) return false;
    text = orvana::toUtf8(help.text);
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
