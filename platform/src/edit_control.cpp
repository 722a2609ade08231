// The edit control model.
#include "platform/edit_control.h"

#include <algorithm>
#include <new>
#include <string>

namespace {

constexpr uint32_t kTag = 0x45444954;  // marks a live model

struct EditModel {
    uint32_t tag = kTag;
    std::u16string text;
    size_t start = 0;
    size_t end = 0;
    size_t limit = 0;
};

EditModel* model(PlatformWindow handle) {
    auto* m = static_cast<EditModel*>(handle);
    return m != nullptr && m->tag == kTag ? m : nullptr;
}

size_t clampPosition(const EditModel& m, int32_t position) {
    if (position < 0) return 0;
    return std::min(size_t(position), m.text.size());
}

}  // namespace

extern "C" {

PlatformWindow platformEditCreate(void) { return new (std::nothrow) EditModel; }

void platformEditDestroy(PlatformWindow edit) {
    EditModel* m = model(edit);
    if (m == nullptr) return;
    m->tag = 0;
    delete m;
}

int platformEditIsControl(PlatformWindow edit) { return model(edit) != nullptr; }

size_t platformEditGetText(PlatformWindow edit, char16_t* out, size_t capacity) {
    EditModel* m = model(edit);
    const std::u16string empty;
    const std::u16string& text = m != nullptr ? m->text : empty;
    if (out != nullptr && capacity > 0) {
        const size_t n = std::min(text.size(), capacity - 1);
        std::copy_n(text.begin(), n, out);
        out[n] = 0;
    }
    return text.size();
}

size_t platformEditTextLength(PlatformWindow edit) {
    EditModel* m = model(edit);
    return m != nullptr ? m->text.size() : 0;
}

int platformEditSetText(PlatformWindow edit, const char16_t* text) {
    EditModel* m = model(edit);
    if (m == nullptr) return 0;
    m->text = text != nullptr ? text : u"";
    if (m->limit > 0 && m->text.size() > m->limit) m->text.resize(m->limit);
    m->start = m->end = m->text.size();
    return 1;
}

void platformEditGetSelection(PlatformWindow edit, int32_t* start, int32_t* end) {
    EditModel* m = model(edit);
    if (start != nullptr) *start = m != nullptr ? int32_t(m->start) : 0;
    if (end != nullptr) *end = m != nullptr ? int32_t(m->end) : 0;
}

void platformEditSetSelection(PlatformWindow edit, int32_t start, int32_t end) {
    EditModel* m = model(edit);
    if (m == nullptr) return;
    size_t s = clampPosition(*m, start);
    size_t e = clampPosition(*m, end);
    if (s > e) std::swap(s, e);
    m->start = s;
    m->end = e;
}

int platformEditReplaceSelection(PlatformWindow edit, const char16_t* text) {
    EditModel* m = model(edit);
    if (m == nullptr) return 0;
    std::u16string insert = text != nullptr ? text : u"";
    const size_t kept = m->text.size() - (m->end - m->start);
    bool complete = true;
    if (m->limit > 0 && kept + insert.size() > m->limit) {
        insert.resize(m->limit > kept ? m->limit - kept : 0);
        complete = false;
    }
    m->text.replace(m->start, m->end - m->start, insert);
    m->start = m->end = m->start + insert.size();
    return complete ? 1 : 0;
}

void platformEditSetLimit(PlatformWindow edit, int32_t limit) {
    EditModel* m = model(edit);
    if (m != nullptr) m->limit = limit > 0 ? size_t(limit) : 0;
}

int32_t platformEditLimit(PlatformWindow edit) {
    EditModel* m = model(edit);
    return m != nullptr ? int32_t(m->limit) : 0;
}

int32_t platformEditLineCount(PlatformWindow edit) {
    EditModel* m = model(edit);
    if (m == nullptr) return 0;
    return int32_t(std::count(m->text.begin(), m->text.end(), u'\n') + 1);
}

}  // extern "C"
