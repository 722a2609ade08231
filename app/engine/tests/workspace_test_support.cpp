#include "workspace_test_support.h"

#include <unistd.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/engine_state.h"
#include "engine/answer_index.h"
#include "engine/evaluator.h"
#include "engine/script_cache.h"
#include "engine/script_folder.h"
#include "engine/scripts.h"
#include "engine/user_functions.h"
#include "engine/value_stack.h"
#include "engine/variables.h"
#include "engine/workspace_file.h"
#include "engine/workspace_note.h"
#include "engine/workspace_settings.h"

namespace engine::workspace_testing {

FileBytes& FileBytes::u16(uint16_t v) {
    bytes_.push_back(char(v & 0xFF));
    bytes_.push_back(char(v >> 8));
    return *this;
}

FileBytes& FileBytes::u32(uint32_t v) {
    return u16(uint16_t(v & 0xFFFF)).u16(uint16_t(v >> 16));
}

FileBytes& FileBytes::f64(double v) {
    uint64_t u = 0;
    std::memcpy(&u, &v, sizeof u);
    for (int i = 0; i < 8; ++i) bytes_.push_back(char((u >> (8 * i)) & 0xFF));
    return *this;
}

FileBytes& FileBytes::text(std::u16string_view t) {
    for (char16_t c : t) u16(uint16_t(c));
    return u16(0);
}

FileBytes& FileBytes::padded(std::u16string_view t, size_t units) {
    for (size_t i = 0; i < units; ++i) u16(i < t.size() ? uint16_t(t[i]) : 0);
    return *this;
}

FileBytes& FileBytes::raw(const std::string& bytes) {
    bytes_ += bytes;
    return *this;
}

FileBytes& FileBytes::header(uint16_t version, std::u16string_view note, uint16_t evaluation,
                             uint16_t polar) {
    u16(version).u16(0).u16(0).u16(0).u16(0).u16(0).u16(evaluation).u16(polar);
    return u16(uint16_t(note.size() + 1)).text(note);
}

FileBytes& FileBytes::settings(uint16_t version) {
    f64(1.5).f64(2.5);
    u16(1).u16(1).u16(2).u16(0x0104).u16(2).u16(1).u16(7).u16(8);
    f64(-5).f64(5).f64(-4).f64(4);
    f64(-20.0).f64(12.0);
    if (version == 1) return u16(uint16_t(int16_t(130))).u16(uint16_t(int16_t(-7)));
    return f64(130.0).f64(-7.0);
}

FileBytes& FileBytes::scalar(double re, double im, bool shortSize) {
    u16(1).u16(1).u16(1);
    if (shortSize)
        u16(8);
    else
        u32(8);
    return f64(re).f64(im);
}

FileBytes& FileBytes::empty(bool shortSize) {
    u16(0).u16(0).u16(0);
    return shortSize ? u16(0) : u32(0);
}

FileBytes& FileBytes::string(std::u16string_view s) {
    const uint32_t size = uint32_t((s.size() / 4 + 1) * 8);
    u16(0).u16(0).u16(3).u32(size);
    padded(s, size / 2);
    bytes_.append(size, '\0');
    return *this;
}

FileBytes& FileBytes::block(std::u16string_view t, std::u16string_view note, uint32_t flags) {
    u16(t.empty() ? 0 : uint16_t((t.size() + 1) * 2));
    if (!t.empty()) text(t);
    u16(note.empty() ? 0 : uint16_t((note.size() + 1) * 2));
    if (!note.empty()) text(note);
    return u32(flags);
}

void WorkspaceTest::resetEngine() {
    engineState().reset();
}

void WorkspaceTest::SetUp() {
    std::string pattern = (std::filesystem::temp_directory_path() / "orvana-ws-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    resetEngine();
    installScriptSupport();
    setScriptFolder(std::u16string(folder_.begin(), folder_.end()));
}

void WorkspaceTest::TearDown() {
    resetEngine();
    setScriptFolder(u"");
    // Other suites of this program see the evaluator without scripts.
    setScriptCodeHandler(nullptr);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::u16string WorkspaceTest::path(std::u16string_view file) const {
    return std::u16string(folder_.begin(), folder_.end()) + u"/" + std::u16string(file);
}

std::string WorkspaceTest::read(const std::u16string& p) {
    std::ifstream in(std::string(p.begin(), p.end()), std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WorkspaceTest::write(const std::u16string& p, const std::string& bytes) {
    std::ofstream out(std::string(p.begin(), p.end()), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}

void WorkspaceTest::saveScript(std::u16string_view name,
                               std::initializer_list<std::u16string_view> lines) {
    BlockList blocks;
    for (std::u16string_view line : lines) blocks.append(line);
    if (blocks.count() > 1) blocks.dropFirst();
    ASSERT_TRUE(saveWorkspace(workspacePath(name).c_str(), false, &blocks));
}

uint16_t WorkspaceTest::enter(BlockList& blocks, std::u16string_view line) {
    const int executed = blocks.count() - 1;
    blocks.execute(executed, line);
    blocks.appendEmpty();
    return blocks.block(executed).status();
}

double WorkspaceTest::global(std::u16string_view name) {
    const uint16_t ref = findVariable(name);
    const Matrix* m = ref < kLocalBase ? variableAt(ref) : nullptr;
    if (m == nullptr || m->re == nullptr ||
        (m->kind != LATTIX_KIND_SCALAR && m->kind != LATTIX_KIND_MATRIX_VALUE))
        return std::nan("");
    return m->re[0];
}

std::string WorkspaceTest::globalText(std::u16string_view name) {
    const uint16_t ref = findVariable(name);
    const Matrix* m = ref < kLocalBase ? variableAt(ref) : nullptr;
    if (m == nullptr || m->kind != LATTIX_KIND_STRING || m->re == nullptr) return "<none>";
    std::string out;
    for (const auto* c = reinterpret_cast<const char16_t*>(m->re); *c != 0; ++c) out += char(*c);
    return out;
}

}  // namespace engine::workspace_testing
