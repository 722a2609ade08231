#include "key_test_support.h"

#include <string>

#include "engine/engine_state.h"
#include "engine/key_insertion.h"
#include "engine/library_loader.h"
#include "engine/library_table.h"
#include "engine/messages.h"
#include "platform/edit_control.h"
#include "platform/text.h"

namespace shell::testing {

std::string utf8(std::u16string_view text) {
    const std::u16string terminated(text);
    std::string out(platformUtf16ToUtf8(terminated.c_str(), nullptr, 0), '\0');
    platformUtf16ToUtf8(terminated.c_str(), out.data(), out.size() + 1);
    return out;
}

KeyEntryTest::KeyEntryTest() {
    keys.setVariablesDialog([this] {
        if (choices.empty()) return engine::VariableChoice{};
        engine::VariableChoice choice = choices.front();
        choices.pop_front();
        return choice;
    });
    keys.setVariableViewer([this](std::u16string_view name) { viewed.emplace_back(name); });
}

void KeyEntryTest::SetUp() { engine::engineState().reset(); }

void KeyEntryTest::TearDown() {
    engine::unloadKeypadLibraries();
    engine::resetLibraries();
    engine::engineState().reset();
}

void KeyEntryTest::press(std::u16string_view pressed) {
    for (size_t i = 0; i < pressed.size(); ++i) {
        if (pressed[i] == u'{' && i + 3 < pressed.size() && pressed[i + 3] == u'}') {
            const uint32_t page = uint32_t(pressed[i + 1] - u'0');
            keys.insertKey((page << 16) | pressed[i + 2]);
            i += 3;
        } else {
            keys.insertKey(pressed[i]);
        }
    }
}

void KeyEntryTest::clear() {
    doc.clear();
    doc.setRpnDisplay(keys.rpnMode());
}

void KeyEntryTest::startRpn() {
    keys.setRpnMode(false);
    keys.toggleRpnMode();
}

void KeyEntryTest::useModule(const char* name) {
    const std::string path = std::string(ORVANA_KEYPAD_MODULE_DIR) + "/" + name + ".so";
    const int number = engine::loadKeypadLibraryFile(path.c_str());
    ASSERT_NE(number, 0) << path;
    keys.setLibrary(number);
}

std::vector<std::u16string> KeyEntryTest::entries() const {
    std::vector<std::u16string> out;
    const engine::BlockList& blocks = doc.blocks();
    for (int k = 0; k + 1 < blocks.count(); ++k) out.push_back(blocks.block(k).text());
    return out;
}

double KeyEntryTest::answerOf(int block) const {
    const Matrix* m = doc.blocks().block(block).answer();
    return m != nullptr && m->re != nullptr ? m->re[0] : 0.0;
}

int KeyEntryTest::selectionStart() const {
    int32_t start = 0, end = 0;
    platformEditGetSelection(doc.editLine(), &start, &end);
    return start;
}

int KeyEntryTest::selectionEnd() const {
    int32_t start = 0, end = 0;
    platformEditGetSelection(doc.editLine(), &start, &end);
    return end;
}

int KeyEntryTest::tooLongMessages() const {
    const std::u16string message = engine::messageText(engine::kStatusTextTooLong);
    int n = 0;
    for (const auto& box : backend.messageBoxes()) n += box.text == message ? 1 : 0;
    return n;
}

}  // namespace shell::testing
