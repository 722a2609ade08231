// One equation block: a line of expression text, its code list, its answer,
// its status and its display flags.
#ifndef ORVANA_ENGINE_EQUATION_BLOCK_H
#define ORVANA_ENGINE_EQUATION_BLOCK_H

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "engine/status.h"
#include "keypad.h"
#include "lattix.h"

namespace engine {

// Flags word.
inline constexpr uint32_t kGraphColourMask = 0x7;   // 0 none, 1..7 a colour
inline constexpr uint32_t kDegreesFlag = 0x10;      // the block's angle mode
inline constexpr uint32_t kAnswerCutFlag = 0x20;    // drawing showed ".."
inline constexpr uint32_t kParameterCountShift = 6;  // user functions: 0..3
inline constexpr uint32_t kParameterCountMask = 0xC0;

inline constexpr size_t kBlockTextLimit = 99;
inline constexpr size_t kBlockNoteLimit = 29;

class EquationBlock {
public:
    // No text, no note, no code list, a 1 x 1 zero answer, status 0, flags 0.
    EquationBlock();
    ~EquationBlock();
    EquationBlock(const EquationBlock&) = delete;
    EquationBlock& operator=(const EquationBlock&) = delete;

    const std::u16string& text() const { return text_; }
    const std::u16string& note() const { return note_; }
    void setNote(std::u16string_view note);
    Token* parsed() const { return parsed_; }
    // Where the code list is kept, for renumbering variable references.
    Token** parsedSlot() { return &parsed_; }
    const Matrix* answer() const { return answer_; }
    Matrix* answer() { return answer_; }
    uint16_t status() const { return status_; }
    void setStatus(uint16_t status) { status_ = status; }
    uint32_t flags() const { return flags_; }
    void setFlags(uint32_t flags) { flags_ = flags; }
    bool degrees() const { return (flags_ & kDegreesFlag) != 0; }
    void setDegrees(bool on) { flags_ = on ? (flags_ | kDegreesFlag) : (flags_ & ~kDegreesFlag); }
    int graphColour() const { return int(flags_ & kGraphColourMask); }

    // Drops the code list; a text longer than 99 characters gives status 7
    // and keeps the old text; otherwise the text is stored and compiled, and
    // the compile code becomes the status.
    void setText(std::u16string_view text);
    // A text read from a file, or typed past the editor's limit, is kept as
    // it came: a text longer than 99 characters is stored without a code list
    // and with status 7, so that it is shown with its message and written
    // back unchanged; a shorter one is set as setText sets it.
    void keepText(std::u16string_view text);
    // Forgets the text and the code list (the answer stays).
    void clearText();
    // Evaluates the code list into the answer with the block's angle mode,
    // unless the block is a comment or failed to compile. Evaluation errors
    // share their numbers with compile errors (4 and 6 can come from both),
    // so the block remembers which step set its status: a block whose last
    // evaluation failed is evaluated again.
    void evaluate();
    bool compileFailed() const { return compileFailed_; }
    // A block whose compile failed on an unknown name is compiled again from
    // its text (a script may have created the variable since): true when it
    // compiles now.
    bool compileAgain();
    // Back to status 0 with a 1 x 1 zero answer.
    void resetAnswer();
    // A full copy: text, note, code list (with the texts its tokens own),
    // answer, status and flags.
    std::unique_ptr<EquationBlock> copy() const;

private:
    std::u16string text_;
    std::u16string note_;
    Token* parsed_ = nullptr;
    Matrix* answer_ = nullptr;
    uint16_t status_ = 0;
    uint32_t flags_ = 0;
    bool compileFailed_ = false;
};

}  // namespace engine

#endif
