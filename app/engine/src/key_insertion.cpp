// insertKey: Enter, typing (page 0), the main program's operator keys (page
// 1) and the library keys (pages 2 to 4), in the algebraic edit line or
// composing in the RPN display; afterwards the token cursor.
#include "engine/key_insertion.h"

#include "edit_text.h"
#include "engine/evaluator.h"
#include "engine/library_table.h"
#include "engine/scripts.h"
#include "engine/variables.h"
#include "platform/edit_control.h"
#include "rpn_composition_internal.h"
#include "rpn_keys.h"
#include "rpn_stack.h"

namespace engine {
namespace {

bool isDigitOrPoint(char16_t c) { return (c >= u'0' && c <= u'9') || c == u'.'; }

class KeyEntry {
public:
    explicit KeyEntry(KeyHost& host) : host_(host), line_(host.editLine()) {}

    void run(uint32_t keyCode);

private:
    void enter();
    void typeCharacter(char16_t c);
    void pageOne(char16_t c);
    void variablesKey();
    void libraryKey(uint32_t keyCode);
    // Puts the library's composed text into the RPN stack for actions 3 and
    // more; true when it replaced the top entry.
    bool placeComposed(std::u16string composed);

    // Types text at the caret of the edit line; the line's limit reports
    // message 7.
    void type(std::u16string_view text, PlatformWindow edit);
    void type(std::u16string_view text) { type(text, line_); }
    // Types text and moves the caret `back` places to the left.
    void insertAround(std::u16string_view text, int back, PlatformWindow edit);
    void compose(std::u16string_view text) { recorded_ = composeRpnRecorded(host_, text) || recorded_; }
    void exe(KeyExe mode);

    KeyHost& host_;
    PlatformWindow line_;
    bool recorded_ = false;
};

void KeyEntry::run(uint32_t keyCode) {
    const auto c = char16_t(keyCode & 0xFFFFu);
    const uint32_t page = keyCode >> 16;
    const std::u16string before = editText(line_);
    if (c == kEnterKey) {
        enter();
    } else if (page == 0) {
        collapseSelection(line_);
        typeCharacter(c);
    } else if (page == 1) {
        collapseSelection(line_);
        pageOne(c);
    } else if (page <= 4) {
        libraryKey(keyCode);
    }
    if (!recorded_ && editText(line_) != before) {
        UndoRecord& undo = host_.undoRecord();
        undo.kind = UndoKind::EditLineChanged;
        undo.first.clear();
        undo.second.clear();
    }
}

void KeyEntry::exe(KeyExe mode) {
    BlockList& blocks = host_.blocks();
    // With the RPN display on EXE leaves the undo record to the key.
    if (host_.rpnDisplay() && mode != KeyExe::CommitOnly &&
        host_.active() == blocks.count() - 1) {
        RpnStack stack(host_);
        stack.record(UndoKind::AppendedBlock, stack.line());
    }
    recorded_ = true;
    host_.exe(mode);
}

void KeyEntry::enter() {
    BlockList& blocks = host_.blocks();
    if (host_.rpnDisplay()) {
        // Enter on an empty line pushes a copy of the top entry.
        RpnStack stack(host_);
        if (stack.lineEmpty() && !host_.graphVisible() && stack.topHasText())
            stack.setLine(stack.text(stack.top()));
    }
    host_.setRpnDisplay(host_.rpnMode() && host_.active() == blocks.count() - 1);
    exe(KeyExe::Normal);
    if (host_.graphVisible()) host_.recomputeGraph();
}

void KeyEntry::type(std::u16string_view text, PlatformWindow edit) {
    const std::u16string terminated(text);
    if (!platformEditReplaceSelection(edit, terminated.c_str()) && edit == line_)
        host_.reportError(kEquationTooLong);
}

void KeyEntry::insertAround(std::u16string_view text, int back, PlatformWindow edit) {
    type(text, edit);
    int32_t start = 0, end = 0;
    platformEditGetSelection(edit, &start, &end);
    const int32_t caret = end > back ? end - back : 0;
    platformEditSetSelection(edit, caret, caret);
}

void KeyEntry::typeCharacter(char16_t c) {
    if (c == kBackspaceKey) {
        int32_t start = 0, end = 0;
        platformEditGetSelection(line_, &start, &end);
        if (end > 0) {
            platformEditSetSelection(line_, end - 1, end);
            platformEditReplaceSelection(line_, u"");
        }
        return;
    }
    // Other control characters have no text to give.
    if (c < 0x20) return;
    type(std::u16string(1, c));
}

void KeyEntry::pageOne(char16_t c) {
    const bool rpn = host_.rpnDisplay();
    switch (c) {
        case u'.': rpn ? compose(u"+") : type(u"+"); break;
        case u'0': type(u","); break;
        case u'1': rpn ? compose(u"/") : type(u"/"); break;
        case u'2':
            if (rpn) recorded_ = changeSign(host_);
            else insertAround(u"()", 1, line_);
            break;
        case u'3':
            if (rpn) recorded_ = swapEntries(host_);
            else insertAround(u"[]", 1, line_);
            break;
        case u'4': rpn ? compose(u"*") : type(u"*"); break;
        case u'5': type(u"="); break;
        case u'6': type(u"ANS"); break;
        case u'7': rpn ? compose(u"-") : type(u"-"); break;
        case u'8': variablesKey(); break;
        case u'9': {
            // The exponent key: a mantissa of 1 when none was typed.
            int32_t start = 0, end = 0;
            platformEditGetSelection(line_, &start, &end);
            const std::u16string text = editText(line_);
            if (end == 0 || !isDigitOrPoint(text[end - 1])) type(u"1");
            type(u"E");
            break;
        }
        default: break;
    }
}

void KeyEntry::variablesKey() {
    const VariableChoice choice = host_.chooseVariable();
    using Kind = VariableChoice::Kind;
    if (choice.kind == Kind::Cancel || choice.name.empty()) return;
    const bool rpn = host_.rpnDisplay();
    const PlatformWindow target = rpn ? host_.compositionControl() : line_;
    if (rpn) setEditText(target, u"");
    switch (choice.kind) {
        case Kind::Workspace:
        case Kind::Text: insertAround(choice.name + u"()", 1, target); break;
        case Kind::UserFunction: {
            const std::u16string arguments = choice.parameters == 3   ? u"( , , )"
                                             : choice.parameters == 2 ? u"( , )"
                                                                      : u"()";
            insertAround(choice.name + arguments, int(arguments.size()) - 1, target);
            break;
        }
        default: {
            uint16_t handle = findVariable(choice.name);
            const Matrix* value = variableAt(handle);
            const bool hasValue = value != nullptr && value->kind != LATTIX_KIND_EMPTY;
            if (choice.kind == Kind::ViewVariable && hasValue) {
                host_.viewVariable(choice.name);
                return;
            }
            if (value == nullptr) handle = addVariable(choice.name, nullptr);
            if (Matrix* m = variableAt(handle); m != nullptr && m->kind == LATTIX_KIND_EMPTY)
                copyValMatrix(m, 0.0, 0.0);
            type(choice.name, target);
        }
    }
    if (rpn) compose(editText(target));
}

bool KeyEntry::placeComposed(std::u16string composed) {
    RpnStack stack(host_);
    const size_t at = composed.find(u'@');
    const std::u16string line = stack.line();
    const bool onLine = at != std::u16string::npos ? !line.empty() || !stack.topHasText()
                                                   : !stack.hasTop();
    if (onLine) {
        if (at != std::u16string::npos) composed.replace(at, 1, line);
        stack.record(UndoKind::RpnComposedEditLine, line);
        stack.setLine(composed);
    } else {
        const std::u16string topText = stack.text(stack.top());
        if (at != std::u16string::npos) composed.replace(at, 1, topText);
        stack.record(UndoKind::RpnReplacedAbove, topText,
                     stack.hasSecond() ? stack.text(stack.second()) : std::u16string());
        stack.store(stack.top(), composed);
    }
    recorded_ = true;
    return !onLine;
}

void KeyEntry::libraryKey(uint32_t keyCode) {
    const KeypadLibrary* library = libraryAt(host_.currentLibrary());
    if (library == nullptr || library->MapKeyboard == nullptr) return;
    const bool rpn = host_.rpnDisplay();
    PlatformWindow target = line_;
    if (rpn) {
        target = host_.compositionControl();
        setEditText(target, u"");
        platformEditSetSelection(target, 200, 200);
    } else {
        collapseSelection(line_);
    }
    const int action = library->MapKeyboard(keyCode, target, hostServices()) & 0xF;

    bool topChanged = false;
    if (rpn) {
        std::u16string composed = editText(target);
        if (action >= KEYPAD_ACTION_EXECUTE) {
            topChanged = placeComposed(composed);
        } else {
            if (!composed.empty() && composed[0] == u'@') composed.erase(0, 1);
            compose(composed);
        }
    }

    BlockList& blocks = host_.blocks();
    if (action == KEYPAD_ACTION_REPAINT) host_.redrawKeypad();
    if (action >= KEYPAD_ACTION_GRAPH) {
        EquationBlock& active = blocks.block(host_.active());
        active.setFlags((active.flags() & ~kGraphColourMask) | 1u);
    }
    if (action == KEYPAD_ACTION_EXECUTE || action == KEYPAD_ACTION_GRAPH) {
        if (topChanged) host_.redrawBlocks();
        else exe(KeyExe::Normal);
    } else if (action > KEYPAD_ACTION_GRAPH) {
        exe(KeyExe::CommitOnly);
    }
    if (host_.graphVisible()) host_.recomputeGraph();

    if (rpn && blocks.count() >= 2) {
        EquationBlock& top = blocks.block(blocks.count() - 2);
        // A result too long for the entry: the message, and the entry keeps
        // its text without an error mark.
        if (top.status() == kEquationTooLong) {
            host_.reportError(kEquationTooLong);
            top.setStatus(0);
        }
    }
}

}  // namespace

void insertKey(KeyHost& host, uint32_t keyCode) {
    clearScriptAbort();
    KeyEntry entry(host);
    entry.run(keyCode);
}

}  // namespace engine
