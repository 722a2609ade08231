// Writing a Workspace file. The whole file is built in memory and handed to
// the platform's atomic write, so a failed save leaves the old file intact.
#include <cstring>

#include "engine/script_cache.h"
#include "engine/variables.h"
#include "engine/workspace_file.h"
#include "engine/workspace_note.h"
#include "engine/workspace_settings.h"
#include "lattix.h"
#include "platform/atomic_file.h"
#include "workspace_image.h"

namespace engine {
namespace {

class Bytes {
public:
    void u16(uint16_t v) {
        out_.push_back(char(v & 0xFF));
        out_.push_back(char(v >> 8));
    }
    void i16(int16_t v) { u16(uint16_t(v)); }
    void u32(uint32_t v) {
        u16(uint16_t(v & 0xFFFF));
        u16(uint16_t(v >> 16));
    }
    void f64(double v) {
        uint64_t u = 0;
        std::memcpy(&u, &v, sizeof u);
        for (int i = 0; i < 8; ++i) out_.push_back(char((u >> (8 * i)) & 0xFF));
    }
    // The text's units, its terminator, then zero units up to `units`.
    void text(std::u16string_view t, size_t units) {
        for (size_t i = 0; i < units; ++i) u16(i < t.size() ? uint16_t(t[i]) : 0);
    }
    void zeros(size_t n) { out_.append(n, '\0'); }
    std::string take() { return std::move(out_); }

private:
    std::string out_;
};

void writeSettings(Bytes& b, const WorkspaceSettings& s) {
    b.f64(s.gridX);
    b.f64(s.gridY);
    b.i16(s.autoscale);
    b.i16(s.squareAspect);
    b.i16(s.penWidth);
    b.u16(s.formatCode);
    b.i16(s.answerRows);
    b.i16(s.answerColumns);
    b.i16(s.rpnFirst);
    b.i16(s.rpnSecond);
    b.f64(s.defaultXMin);
    b.f64(s.defaultXMax);
    b.f64(s.defaultYMin);
    b.f64(s.defaultYMax);
    b.f64(s.sy);
    b.f64(s.sx);
    b.f64(s.cy);
    b.f64(s.cx);
}

void writeEmptyValue(Bytes& b) {
    b.u16(0);
    b.u16(0);
    b.u16(0);
    b.u32(0);
}

// A string keeps its text in the real-part array: whole 8-byte slots, four
// characters each, with room for the terminator. The imaginary array has the
// same size and holds nothing.
void writeString(Bytes& b, const Matrix& m) {
    std::u16string_view text;
    if (m.re != nullptr) {
        const auto* units = reinterpret_cast<const char16_t*>(m.re);
        const size_t capacityUnits = size_t(m.capacity) * 4;
        size_t n = 0;
        while (n < capacityUnits && units[n] != 0) ++n;
        text = std::u16string_view(units, n);
    }
    // The reader's limit: a longer text is cut.
    const size_t maxUnits = kStoredStringBytesLimit / 2 - 1;
    if (text.size() > maxUnits) text = text.substr(0, maxUnits);
    const uint32_t size = uint32_t((text.size() / 4 + 1) * 8);
    b.u16(0);
    b.u16(0);
    b.u16(LATTIX_KIND_STRING);
    b.u32(size);
    b.text(text, size / 2);
    b.zeros(size);
}

void writeValue(Bytes& b, const Matrix* m) {
    if (m == nullptr) return writeEmptyValue(b);
    if (m->kind == LATTIX_KIND_STRING) return writeString(b, *m);
    const bool numeric = m->kind == LATTIX_KIND_SCALAR || m->kind == LATTIX_KIND_MATRIX_VALUE;
    const size_t n = size_t(m->rows) * m->cols;
    if (!numeric || n == 0 || m->re == nullptr || m->im == nullptr ||
        (m->kind == LATTIX_KIND_SCALAR && n != 1))
        return writeEmptyValue(b);
    b.u16(m->rows);
    b.u16(m->cols);
    b.u16(m->kind);
    b.u32(uint32_t(n * 8));
    for (size_t i = 0; i < n; ++i) b.f64(m->re[i]);
    for (size_t i = 0; i < n; ++i) b.f64(m->im[i]);
}

void writeBlock(Bytes& b, const EquationBlock& block) {
    const std::u16string& text = block.text();
    b.u16(text.empty() ? 0 : uint16_t((text.size() + 1) * 2));
    if (!text.empty()) b.text(text, text.size() + 1);
    const std::u16string& note = block.note();
    b.u16(note.empty() ? 0 : uint16_t((note.size() + 1) * 2));
    if (!note.empty()) b.text(note, note.size() + 1);
    b.u32(block.flags());
}

}  // namespace

std::string workspaceBytes(bool variablesOnly, const BlockList* blocks) {
    const WorkspaceSettings& s = workspaceSettings();
    const std::u16string& note = workspaceNote();
    Bytes b;
    b.u16(kWorkspaceVersion);
    b.u16(0);
    b.u16(0);
    b.u16(0);
    b.i16(s.storedFlag);
    b.i16(s.recalculationOff ? 1 : 0);
    b.i16(s.evaluation ? 1 : 0);
    b.i16(s.polar ? 1 : 0);
    b.u16(uint16_t(note.size() + 1));
    b.text(note, note.size() + 1);
    writeSettings(b, s);

    // "sX" and "sY" stay behind.
    const int count = globalVariableCount();
    b.u16(uint16_t(count > 2 ? count - 2 : 0));
    for (int i = 2; i < count; ++i) b.text(globalVariableName(i), kStoredNameUnits);
    for (int i = 2; i < count; ++i) writeValue(b, variableAt(uint16_t(i)));

    if (variablesOnly || blocks == nullptr) {
        b.u16(0);
        b.u16(0);
        return b.take();
    }
    int functions = 0;
    for (int slot = 0; slot < kUserFunctionSlots; ++slot)
        if (blocks->function(slot) != nullptr) ++functions;
    b.u16(uint16_t(functions));
    for (int slot = 0; slot < kUserFunctionSlots; ++slot)
        if (const EquationBlock* f = blocks->function(slot)) writeBlock(b, *f);
    b.u16(uint16_t(blocks->count()));
    for (int i = 0; i < blocks->count(); ++i) writeBlock(b, blocks->block(i));
    return b.take();
}

bool saveWorkspace(const char16_t* path, bool variablesOnly, const BlockList* blocks) {
    if (path == nullptr || path[0] == 0) return false;
    if (!variablesOnly && blocks == nullptr) return false;
    const std::string bytes = workspaceBytes(variablesOnly, blocks);
    const bool ok = platformWriteFileAtomically(path, bytes.data(), bytes.size()) == 1;
    // The next call of a Workspace of this name reads the new file.
    dropCachedScript(path);
    return ok;
}

}  // namespace engine
