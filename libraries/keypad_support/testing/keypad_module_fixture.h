// For the tests of keypad modules: a module loaded from its file with its
// eight entry points bound, and a value stack of 90 records laid out the way
// the main program hands it to doOperation.
#ifndef ORVANA_KEYPAD_SUPPORT_TESTING_KEYPAD_MODULE_FIXTURE_H
#define ORVANA_KEYPAD_SUPPORT_TESTING_KEYPAD_MODULE_FIXTURE_H

#include <gtest/gtest.h>

#include <complex>
#include <string>
#include <vector>

#include "keypad.h"
#include "platform/edit_control.h"
#include "platform/module.h"
#include "platform/string_resources.h"

namespace keypad_testing {

struct Element {
    double re;
    double im;
};

class KeypadModule {
  public:
    explicit KeypadModule(const char* path) : module_(platformLoadModule(path)) {
        if (module_ == nullptr) return;
        library_.module = module_;
        bind("GetButtonRect", library_.GetButtonRect);
        bind("MapKeyboard", library_.MapKeyboard);
        bind("LoadBMP", library_.LoadBMP);
        bind("GetOperator", library_.GetOperator);
        bind("GetStrOperator", library_.GetStrOperator);
        bind("doOperation", library_.doOperation);
        bind("doGraph", library_.doGraph);
        bind("doDraw", library_.doDraw);
    }
    ~KeypadModule() { platformFreeModule(module_); }
    KeypadModule(const KeypadModule&) = delete;
    KeypadModule& operator=(const KeypadModule&) = delete;

    bool complete() const { return module_ != nullptr && missing_.empty(); }
    const std::string& missing() const { return missing_; }
    KeypadLibrary& library() { return library_; }

    std::u16string string(uint32_t id) const {
        const char16_t* s = platformFindString(module_, id);
        return s != nullptr ? std::u16string(s) : std::u16string();
    }
    bool hasString(uint32_t id) const { return platformFindString(module_, id) != nullptr; }

  private:
    template <typename Entry>
    void bind(const char* name, Entry& entry) {
        entry = reinterpret_cast<Entry>(platformModuleSymbol(module_, name));
        if (entry == nullptr) missing_ += std::string(name) + " ";
    }
    PlatformModule* module_;
    KeypadLibrary library_{};
    std::string missing_;
};

// The value stack: 90 records made as the scalar 0, top index at 4 as
// before a block is evaluated.
class ValueStack {
  public:
    ValueStack() {
        for (Matrix*& m : slots_) m = newMatrix(1, 1);
        for (int i = 0; i < 90; ++i) records_[i] = *slots_[i];
    }
    ~ValueStack() {
        for (int i = 0; i < 90; ++i) {
            *slots_[i] = records_[i];
            delMatrix(slots_[i]);
        }
    }
    ValueStack(const ValueStack&) = delete;
    ValueStack& operator=(const ValueStack&) = delete;

    Matrix* base() { return records_; }
    int16_t* top() { return &top_; }
    Matrix& at(int i) { return records_[i]; }
    Matrix& topEntry() { return records_[top_]; }

    void push(double re, double im = 0.0) {
        ++top_;
        copyValMatrix(&records_[top_], re, im);
    }
    void pushMatrix(int rows, int cols, const std::vector<Element>& elements) {
        ++top_;
        Matrix& m = records_[top_];
        resizeMatrix(&m, uint16_t(rows), uint16_t(cols));
        for (size_t i = 0; i < elements.size(); ++i) {
            m.re[i] = elements[i].re;
            m.im[i] = elements[i].im;
        }
    }
    void pushString(const char16_t* text) {
        ++top_;
        copyStrMatrix(&records_[top_], text);
    }

  private:
    // Each record is owned by the Matrix Lattix made, but lives here by value
    // so that the array is contiguous, as doOperation expects.
    Matrix* slots_[90];
    Matrix records_[90];
    int16_t top_ = 4;
};

// An edit control model for MapKeyboard to write into, with its text and
// its caret (a selection is a test failure).
class EditLine {
  public:
    EditLine() : edit_(platformEditCreate()) {}
    ~EditLine() { platformEditDestroy(edit_); }
    EditLine(const EditLine&) = delete;
    EditLine& operator=(const EditLine&) = delete;

    PlatformWindow handle() const { return edit_; }
    std::u16string text() const {
        char16_t buffer[128];
        platformEditGetText(edit_, buffer, 128);
        return buffer;
    }
    int32_t caret() const {
        int32_t start = 0, end = 0;
        platformEditGetSelection(edit_, &start, &end);
        EXPECT_EQ(start, end);
        return start;
    }

  private:
    PlatformWindow edit_;
};

// One key of a keypad table test: the text the key inserts into an empty
// line and where the caret is left.
struct KeyRow {
    char16_t key;
    uint32_t page;
    const char16_t* text;
    int32_t caret;
};

// Presses every key of the rows on an emptied line and checks what it
// inserted, where the caret went and that the follow-up action is 1.
template <size_t N>
void expectKeys(const KeypadLibrary& library, EditLine& line, const KeyRow (&rows)[N]) {
    for (const KeyRow& row : rows) {
        platformEditSetText(line.handle(), u"");
        EXPECT_EQ(library.MapKeyboard(row.key | (row.page << 16), line.handle(), nullptr), 1);
        EXPECT_EQ(line.text(), row.text) << char(row.key) << " page " << row.page;
        EXPECT_EQ(line.caret(), row.caret) << char(row.key) << " page " << row.page;
    }
}

// ASCII text of a UTF-16 string, for failure messages.
inline std::string narrow(const char16_t* text) {
    std::string out;
    for (; text != nullptr && *text != 0; ++text) out.push_back(*text < 0x80 ? char(*text) : '?');
    return out;
}

inline std::vector<Element> elementsOf(const Matrix& m) {
    std::vector<Element> out;
    for (size_t i = 0; i < size_t(m.rows) * m.cols; ++i) out.push_back({m.re[i], m.im[i]});
    return out;
}

}  // namespace keypad_testing

#endif
