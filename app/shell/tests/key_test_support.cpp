#include "key_test_support.h"

#include <string>

#include "engine/engine_state.h"
#include "engine/library_loader.h"
#include "engine/library_table.h"
#include "engine/messages.h"
#include "platform/edit_control.h"
#include "platform/text.h"
#include "shell/commands.h"
#include "shell/keys.h"

namespace shell::testing {

std::string utf8(std::u16string_view text) {
    const std::u16string terminated(text);
    std::string out(platformUtf16ToUtf8(terminated.c_str(), nullptr, 0), '\0');
    platformUtf16ToUtf8(terminated.c_str(), out.data(), out.size() + 1);
    return out;
}

namespace {

// The fixture whose dialog answers are being taken.
KeyEntryTest* current = nullptr;

}  // namespace

KeyEntryTest::KeyEntryTest() {
    current = this;
    state.dialogs.variables = [](ShellState&) {
        if (current == nullptr || current->choices.empty()) return engine::VariableChoice{};
        engine::VariableChoice choice = current->choices.front();
        current->choices.pop_front();
        return choice;
    };
    state.dialogs.variableViewer = [](ShellState&, std::u16string_view name) {
        if (current != nullptr) current->viewed.emplace_back(name);
    };
}

KeyEntryTest::~KeyEntryTest() { current = nullptr; }

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
            passKey(state, (page << kPageShift) | pressed[i + 2]);
            i += 3;
        } else {
            passKey(state, pressed[i]);
        }
    }
}

void KeyEntryTest::clear() {
    state.document.clear();
    state.document.setRpnDisplay(state.rpnMode);
    state.view.setFirstVisible(state.document.blocks(), 0);
}

void KeyEntryTest::startRpn() {
    state.rpnMode = false;
    runCommand(state, kCmdRpnMode);
}

void KeyEntryTest::undo() { runCommand(state, kCmdUndo); }

void KeyEntryTest::useModule(const char* name) {
    const std::string path = std::string(ORVANA_KEYPAD_MODULE_DIR) + "/" + name + ".so";
    const int number = engine::loadKeypadLibraryFile(path.c_str());
    ASSERT_NE(number, 0) << path;
    useLibrary(number);
}

std::vector<std::u16string> KeyEntryTest::entries() const {
    std::vector<std::u16string> out;
    const engine::BlockList& blocks = state.document.blocks();
    for (int k = 0; k + 1 < blocks.count(); ++k) out.push_back(blocks.block(k).text());
    return out;
}

double KeyEntryTest::answerOf(int block) const {
    const Matrix* m = state.document.blocks().block(block).answer();
    return m != nullptr && m->re != nullptr ? m->re[0] : 0.0;
}

int KeyEntryTest::selectionStart() const {
    int32_t start = 0, end = 0;
    platformEditGetSelection(state.document.editLine(), &start, &end);
    return start;
}

int KeyEntryTest::selectionEnd() const {
    int32_t start = 0, end = 0;
    platformEditGetSelection(state.document.editLine(), &start, &end);
    return end;
}

int KeyEntryTest::tooLongMessages() const {
    const std::u16string message = engine::messageText(engine::kEquationTooLong);
    int n = 0;
    for (const auto& box : backend.messageBoxes()) n += box.text == message ? 1 : 0;
    return n;
}

}  // namespace shell::testing
