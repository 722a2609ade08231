// The block list on screen: the height of each block, which blocks are in
// view (the first visible one and the scroll bar that moves it), drawing the
// list into the block-area surface with the expression line laid over the
// active block, and the layout decisions of EXE and of moving between blocks.
//
// The view draws what a BlockList holds and keeps only what belongs to the
// screen: the first visible block, the active block's top as last drawn, the
// block-area height, the edit line's line count and whether the graph view
// covers the list.
#ifndef ORVANA_SHELL_BLOCK_VIEW_H
#define ORVANA_SHELL_BLOCK_VIEW_H

#include <cstdint>
#include <memory>
#include <string_view>

#include "engine/block_list.h"
#include "engine/display_format.h"
#include "platform/drawing.h"
#include "platform/message_box.h"
#include "shell/image_list.h"
#include "shell/scroll_bar.h"
#include "shell/workspace_document.h"

namespace shell {

inline constexpr int32_t kBlockAreaWidth = 234;
inline constexpr int32_t kClientWidth = 240;
inline constexpr int32_t kClientHeight = 266;
inline constexpr int32_t kBlockAreaNormal = 112;
inline constexpr int32_t kBlockAreaFullScreen = 266;
inline constexpr PlatformColour kActiveFill = PLATFORM_RGB(255, 255, 255);
inline constexpr PlatformColour kInactiveFill = PLATFORM_RGB(192, 192, 192);
inline constexpr PlatformColour kSeparatorDark = PLATFORM_RGB(50, 50, 50);
inline constexpr PlatformColour kSeparatorLight = PLATFORM_RGB(255, 255, 255);

// The three fonts of the window: expressions and messages, answers, labels.
PlatformFont normalFont();
PlatformFont answerFont();
PlatformFont labelFont();

// The text of a string answer (empty for any other value), never read past
// the value's storage.
std::u16string_view stringAnswerText(const Matrix* answer);

// How answers are shown: the current format slot's settings.
struct BlockDisplay {
    int rows = 1;  // 0 ("Script") to 3 answer rows
    uint16_t formatCode = engine::kDefaultFormatCode;
    bool polar = false;
};

// Where the expression line lies (block-area coordinates) and whether the
// active block was drawn, so the line is shown.
struct EditGeometry {
    bool visible = false;
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// The expression line as drawn: its text and selection. An empty selection
// is the caret.
struct EditLineState {
    std::u16string_view text;
    int32_t selectionStart = 0;
    int32_t selectionEnd = 0;
    bool showCaret = true;
};

class BlockView {
  public:
    BlockView();
    ~BlockView();
    BlockView(const BlockView&) = delete;
    BlockView& operator=(const BlockView&) = delete;

    BlockDisplay& display() { return display_; }
    const BlockDisplay& display() const { return display_; }

    int32_t blockAreaHeight() const { return areaHeight_; }
    void setBlockAreaHeight(int32_t height) { areaHeight_ = height; }
    bool graphShown() const { return graphShown_; }
    void setGraphShown(bool shown) { graphShown_ = shown; }

    int firstVisible() const { return firstVisible_; }
    // Clamped to the list.
    void setFirstVisible(const engine::BlockList& list, int index);
    // The active block's top as last drawn, -1 when it was not drawn.
    int32_t activeTop() const { return activeTop_; }
    const EditGeometry& editGeometry() const { return edit_; }

    // The lines the expression line shows, 1 to 3.
    int editLineCount() const { return editLines_; }
    // A new line count from the expression line (clamped to 1..3). When it
    // changed and the active block no longer fits below its top, the list
    // scrolls one block down. Returns whether the count changed.
    bool setEditLineCount(const WorkspaceDocument& document, int lines);

    // The height of block `index` in pixels, laid out as the active block or
    // as an inactive one.
    int32_t height(const engine::BlockList& list, int index, bool asActive) const;

    // Draws the list into the block-area surface (at least 240 wide and
    // block-area height tall): the blocks from the first visible one, light
    // grey below them, the scroll bar on the right. Drawing notes in each
    // block whether its answer was cut short.
    void draw(WorkspaceDocument& document, PlatformSurface* surface, const EditLineState& edit);
    // Draws one block at top y with height h and returns y + h.
    int32_t drawBlock(WorkspaceDocument& document, int index, PlatformSurface* surface, int32_t y,
                      int32_t h, const EditLineState& edit);

    // EXE on the active block with the list's edit line, with the scrolling
    // it brings: a block that grows below the area scrolls the list one block
    // down; EXE on the last block scrolls until the executed block and the
    // new one fit, and keeps the executed block active when they cannot.
    bool exe(WorkspaceDocument& document, ExeMode mode);
    // The Up and Down keys: commit the edit line, move the active block and
    // keep it in view. Returns whether the active block changed.
    bool moveUp(WorkspaceDocument& document);
    bool moveDown(WorkspaceDocument& document);

    // The block drawn at height y of the block area, laid out as draw() lays
    // it out now; -1 below the last block drawn or outside the area.
    int blockAt(const WorkspaceDocument& document, int32_t y) const;
    // A click on a block: the edit line is committed as the Up key commits
    // it, and the block under y becomes the active one. Returns whether the
    // active block changed.
    bool activateBlockAt(WorkspaceDocument& document, int32_t y);

    // The scroll bar: range 0..count - 1, page 1, position the first visible
    // block. Returns whether the first visible block changed.
    ScrollBarState scrollBar(const engine::BlockList& list) const;
    bool scroll(const engine::BlockList& list, ScrollAction action, int thumb = 0);

  private:
    // The rows setting, read as 0 to 3 whatever the slot holds.
    int rowsSetting() const;
    // Extra pixels of the active block for edit lines beyond the first.
    int32_t editExtra(bool asActive) const;
    void drawAnswer(engine::EquationBlock& block, PlatformSurface* surface, int32_t top,
                    int32_t bottom) const;
    void drawEditLine(PlatformSurface* surface, const EditLineState& edit) const;

    BlockDisplay display_;
    int32_t areaHeight_ = kBlockAreaNormal;
    bool graphShown_ = false;
    int firstVisible_ = 0;
    int32_t activeTop_ = -1;
    int editLines_ = 1;
    EditGeometry edit_;
    std::unique_ptr<ImageList> markers_;
};

}  // namespace shell

#endif
