#include "key_test_host.h"

#include <string>

#include "engine/key_insertion.h"
#include "engine/library_loader.h"
#include "platform/edit_control.h"

namespace engine::testing {
namespace {

std::u16string textOf(PlatformWindow edit) {
    std::u16string text(platformEditTextLength(edit), u'\0');
    platformEditGetText(edit, text.data(), text.size() + 1);
    return text;
}

void setText(PlatformWindow edit, const std::u16string& text) {
    platformEditSetText(edit, text.c_str());
}

}  // namespace

KeyTestHost::KeyTestHost() : line_(platformEditCreate()), composition_(platformEditCreate()) {
    platformEditSetLimit(line_, int32_t(kBlockTextLimit));
}

KeyTestHost::~KeyTestHost() {
    platformEditDestroy(line_);
    platformEditDestroy(composition_);
}

void KeyTestHost::exe(ExeMode mode) {
    blocks_.setEditLine(textOf(line_));
    blocks_.exe(mode);
    setText(line_, blocks_.editLine());
}

VariableChoice KeyTestHost::chooseVariable() {
    if (choices.empty()) return {};
    VariableChoice choice = choices.front();
    choices.pop_front();
    return choice;
}

void KeyTestHost::clear() {
    blocks_.clear();
    setText(line_, u"");
    blocks_.setRpnDisplay(rpnMode_);
}

void KeyTestHost::startRpn() {
    rpnMode_ = false;
    toggleRpnMode(*this);
}

void KeyTestHost::press(std::u16string_view keys) {
    for (size_t i = 0; i < keys.size(); ++i) {
        if (keys[i] == u'{' && i + 3 < keys.size() && keys[i + 3] == u'}') {
            const uint32_t page = uint32_t(keys[i + 1] - u'0');
            insertKey(*this, (page << 16) | keys[i + 2]);
            i += 3;
        } else {
            insertKey(*this, keys[i]);
        }
    }
}

void KeyTestHost::undo() {
    if (undoKeyEntry(*this)) return;
    blocks_.setEditLine(textOf(line_));
    blocks_.undo();
    setText(line_, blocks_.editLine());
}

std::u16string KeyTestHost::line() const { return textOf(line_); }

std::vector<std::u16string> KeyTestHost::entries() const {
    std::vector<std::u16string> out;
    for (int k = 0; k + 1 < blocks_.count(); ++k) out.push_back(blocks_.block(k).text());
    return out;
}

double KeyTestHost::answerOf(int block) const {
    const Matrix* m = blocks_.block(block).answer();
    return m != nullptr && m->re != nullptr ? m->re[0] : 0.0;
}

int KeyTestHost::selectionStart() const {
    int32_t start = 0, end = 0;
    platformEditGetSelection(line_, &start, &end);
    return start;
}

int KeyTestHost::selectionEnd() const {
    int32_t start = 0, end = 0;
    platformEditGetSelection(line_, &start, &end);
    return end;
}

void KeyEntryTest::TearDown() {
    unloadKeypadLibraries();
    EngineTest::TearDown();
}

void KeyEntryTest::useModule(const char* name) {
    const std::string path = std::string(ORVANA_KEYPAD_MODULE_DIR) + "/" + name + ".so";
    const int number = loadKeypadLibraryFile(path.c_str());
    ASSERT_NE(number, 0) << path;
    host.setLibrary(number);
}

}  // namespace engine::testing
