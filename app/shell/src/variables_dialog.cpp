// The rows of the Variables/Scripts dialog.
#include "shell/variables_dialog.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "engine/display_format.h"
#include "engine/equation_block.h"
#include "engine/user_functions.h"
#include "engine/variables.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "shell/format_slots.h"

namespace shell {
namespace {

std::u16string ascii(const char* text) { return std::u16string(text, text + std::char_traits<char>::length(text)); }

bool hasValue(const Matrix* m) {
    return m != nullptr && m->kind != LATTIX_KIND_EMPTY &&
           (m->kind == LATTIX_KIND_STRING || (m->rows > 0 && m->cols > 0));
}

VariablesRow variableRow(int index, std::u16string_view name, const std::u16string& format,
                         bool polar) {
    VariablesRow row{std::u16string(name), u"NaN", {}, index};
    const Matrix* m = engine::variableAt(uint16_t(index));
    if (!hasValue(m)) return row;
    if (m->kind == LATTIX_KIND_STRING) {
        row.size = u"Str";
        row.value = engine::valueToText(m, 100);
        return row;
    }
    char size[32];
    std::snprintf(size, sizeof size, "%dx%d", int(m->rows), int(m->cols));
    row.size = ascii(size);
    row.value = engine::formatNumber(m->re[0], m->im[0], format.c_str(), false, polar);
    if (m->rows != 1 || m->cols != 1) row.value += u" ...";
    return row;
}

// A Workspace can be called as a script when its name is short, holds no
// digit and does not begin with a lower-case letter.
bool callableScript(const std::u16string& fileName) {
    constexpr std::u16string_view kExtension = u".ovw";
    if (fileName.size() <= kExtension.size() || fileName.size() >= 23) return false;
    if (fileName.compare(fileName.size() - 4, 4, kExtension) != 0) return false;
    if (fileName[0] >= u'a' && fileName[0] <= u'z') return false;
    return std::none_of(fileName.begin(), fileName.end(),
                        [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

char16_t upper(char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - u'a' + u'A') : c; }

}  // namespace

std::vector<VariablesColumn> variablesColumns(VariablesPage page) {
    if (page == VariablesPage::Scripts) return {{u"Script Name", 130}, {u"", 40}};
    return {{u"", 40}, {u"Size", 40}, {u"Value/View", 90}};
}

std::vector<VariablesRow> variableRows(const FormatSlot& format) {
    const std::u16string pattern = engine::formatStringFor(format.formatCode);
    std::vector<VariablesRow> rows;
    for (int index = 2; index < engine::globalVariableCount(); ++index)
        rows.push_back(variableRow(index, engine::globalVariableName(index), pattern, format.polar));
    for (int slot = 0; slot < engine::kUserFunctionSlots; ++slot) {
        const engine::UserFunction* function = engine::userFunctionAt(slot);
        if (function == nullptr) continue;
        const auto* block = static_cast<const engine::EquationBlock*>(function->block);
        rows.push_back({function->name, u"Func", block != nullptr ? block->text() : std::u16string(),
                        kUserFunctionCodeBase + slot});
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const VariablesRow& a, const VariablesRow& b) { return a.name < b.name; });
    rows.insert(rows.begin(), VariablesRow{u"NEW", {}, {}, kChoseNewVariable});
    return rows;
}

std::vector<VariablesRow> scriptRows(const std::u16string& scriptFolder) {
    std::vector<VariablesRow> rows;
    std::unique_ptr<PlatformFolderListing, void (*)(PlatformFolderListing*)> listing(
        platformListFolder(scriptFolder.c_str()), platformFreeFolderListing);
    for (int32_t i = 0; i < platformFolderEntryCount(listing.get()); ++i) {
        if ((platformFolderEntryAttributes(listing.get(), i) & PLATFORM_FILE_ATTRIBUTE_DIRECTORY) != 0)
            continue;
        const std::u16string file = platformFolderEntryName(listing.get(), i);
        if (!callableScript(file)) continue;
        std::u16string name = file.substr(0, file.size() - 4);
        name[0] = upper(name[0]);
        rows.push_back({std::move(name), {}, {}, kChoseScript});
    }
    std::stable_sort(rows.begin(), rows.end(), [](const VariablesRow& a, const VariablesRow& b) {
        return a.name.compare(0, 3, b.name, 0, 3) < 0;
    });
    return rows;
}

VariablesResult chooseVariablesRow(const VariablesRow* row) {
    if (row == nullptr) return {};
    VariablesResult result{row->code, row->code == kChoseNewVariable ? u"" : row->name, 0};
    if (row->code >= kUserFunctionCodeBase && row->code < kChoseNewVariable) {
        if (const engine::UserFunction* f = engine::userFunctionAt(row->code - kUserFunctionCodeBase))
            result.parameters = f->parameters;
    }
    return result;
}

VariablesResult runVariablesDialogByList(PlatformWindow owner, const FormatSlot& format,
                                         const std::u16string& scriptFolder) {
    std::vector<VariablesRow> rows = variableRows(format);
    std::vector<VariablesRow> scripts = scriptRows(scriptFolder);
    rows.insert(rows.end(), scripts.begin(), scripts.end());
    std::vector<const char16_t*> items;
    for (const VariablesRow& row : rows) items.push_back(row.name.c_str());
    const int32_t chosen = platformListDialog(owner, u"Variables/Scripts", items.data(),
                                              int32_t(items.size()), 0);
    return chooseVariablesRow(chosen >= 0 && size_t(chosen) < rows.size() ? &rows[size_t(chosen)]
                                                                          : nullptr);
}

}  // namespace shell

namespace shell {

engine::VariableChoice toVariableChoice(const VariablesResult& result) {
    using Kind = engine::VariableChoice::Kind;
    if (result.code == kVariablesCancelled || result.name.empty()) return {};
    if (result.code == kChoseScript) return {Kind::Workspace, result.name, 0};
    if (result.code == kChoseNewVariable) return {Kind::NewVariable, result.name, 0};
    if (result.code >= kUserFunctionCodeBase && result.code < kChoseNewVariable)
        return {Kind::UserFunction, result.name, result.parameters};
    return {result.view ? Kind::ViewVariable : Kind::Variable, result.name, 0};
}

}  // namespace shell
