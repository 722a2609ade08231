#include "shell/help_page.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/library_table.h"
#include "keypad.h"
#include "platform/atomic_file.h"
#include "platform/module.h"
#include "platform/program_path.h"
#include "platform/string_resources.h"
#include "platform/text.h"
#include "shell/help_strings.h"

namespace shell {

namespace {

constexpr char kMarker[] = "<!--FUNCTIONS-->";
// Help texts sit at 0x8000 + the operator code in every string table.
constexpr uint32_t kFirstHelpId = 0x8000;

std::string utf8(const char16_t* text) {
    std::string out(platformUtf16ToUtf8(text, nullptr, 0) + 1, '\0');
    platformUtf16ToUtf8(text, out.data(), out.size());
    out.pop_back();
    return out;
}

std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '&': out += "&amp;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

void appendTable(std::string& html, const std::string& title, const PlatformStringEntry* table) {
    html += "<h3>" + escaped(title) + "</h3>\n<table>\n";
    for (const PlatformStringEntry* e = table; e != nullptr && e->text != nullptr; ++e)
        if (e->id >= kFirstHelpId) html += "<tr><td>" + escaped(utf8(e->text)) + "</td></tr>\n";
    html += "</table>\n";
}

std::filesystem::path programFolder() {
    char16_t folder[4096];
    if (platformProgramFolder(folder, 4096) <= 0) return {};
    return std::filesystem::path(utf8(folder));
}

std::filesystem::path cacheFolder() {
    const char* cache = std::getenv("XDG_CACHE_HOME");
    if (cache != nullptr && cache[0] == '/') return std::filesystem::path(cache) / "orvana";
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') return std::filesystem::path(home) / ".cache" / "orvana";
    return {};
}

}  // namespace

std::string functionsSection() {
    std::string html;
    appendTable(html, "Main program", mainHelpTable());
    for (int n = 1; n <= engine::libraryCount(); ++n) {
        const KeypadLibrary* library = engine::libraryAt(n);
        const std::u16string* name = engine::libraryName(n);
        if (library == nullptr || name == nullptr || library->module == nullptr) continue;
        const auto* table = static_cast<const PlatformStringEntry*>(
            platformModuleSymbol(library->module, PLATFORM_STRING_TABLE_SYMBOL));
        if (table != nullptr) appendTable(html, utf8(name->c_str()), table);
    }
    return html;
}

std::string helpPageText() {
    const std::filesystem::path folder = programFolder();
    for (const std::filesystem::path& candidate :
         {folder / kHelpTemplateName, folder / ".." / "share" / "orvana" / kHelpTemplateName}) {
        std::ifstream in(candidate, std::ios::binary);
        if (!in) continue;
        std::ostringstream text;
        text << in.rdbuf();
        std::string page = text.str();
        const size_t at = page.find(kMarker);
        if (at != std::string::npos) page.replace(at, sizeof kMarker - 1, functionsSection());
        return page;
    }
    return {};
}

std::u16string writeHelpPage() {
    const std::string page = helpPageText();
    const std::filesystem::path folder = cacheFolder();
    if (page.empty() || folder.empty()) return {};
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::string path = (folder / "Orvana.htm").string();
    std::u16string wide(platformUtf8ToUtf16(path.c_str(), nullptr, 0) + 1, u'\0');
    platformUtf8ToUtf16(path.c_str(), wide.data(), wide.size());
    wide.pop_back();
    if (!platformWriteFileAtomically(wide.c_str(), page.data(), page.size())) return {};
    return wide;
}

}  // namespace shell
