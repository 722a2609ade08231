#include "engine/block_list.h"

#include <algorithm>

#include "engine/answer_index.h"
#include "engine/keyword_table.h"
#include "engine/value_stack.h"

namespace engine {
namespace {

bool lettersOnly(std::u16string_view name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char16_t c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    });
}

}  // namespace

BlockList::BlockList() {
    blocks_.push_back(std::make_unique<EquationBlock>());
    setAnswerSource(this);
}

BlockList::~BlockList() {
    clearFunctions();
    if (answerSource() == this) setAnswerSource(nullptr);
}

void BlockList::evaluateBlock(int k) {
    setStackTop(kBlockStartTop);
    blocks_[k]->evaluate();
}

void BlockList::setActive(int index) {
    active_ = std::clamp(index, 0, count() - 1);
    editLine_ = activeBlock().text();
}

bool BlockList::exe(ExeMode mode, bool keepExecutedActive) {
    setAnswerIndex(active_ - 1);
    const std::u16string line = editLine_.substr(0, kBlockTextLimit);
    EquationBlock& current = activeBlock();
    if (mode == ExeMode::OnlyIfChanged && (line.empty() || line == current.text())) return false;

    const bool last = active_ == count() - 1;
    if (mode == ExeMode::CommitOnly) {
        undo_.kind = 0;
        undo_.first.clear();
    } else if (!rpnDisplay_) {
        if (last) {
            undo_.kind = 1;
            undo_.first = line;
        } else {
            undo_.kind = int16_t(-1 - active_);
            undo_.first = current.text();
        }
    }

    current.setText(line);
    evaluateBlock(active_);
    setAnswerIndex(active_);

    if (!last || mode == ExeMode::CommitOnly) {
        evaluateBelow(active_);
        setAnswerIndex(active_);
        return true;
    }

    auto next = std::make_unique<EquationBlock>();
    next->setDegrees(current.degrees());
    blocks_.push_back(std::move(next));
    if (!keepExecutedActive) ++active_;
    if (count() > kMaxBlocksAfterExe) dropFirst();
    editLine_ = activeBlock().text();
    return true;
}

void BlockList::evaluateBelow(int index) {
    for (int k = index + 1; k < count(); ++k) {
        evaluateBlock(k);
        setAnswerIndex(k);
    }
}

void BlockList::evaluateAll() {
    setAnswerIndex(-1);
    for (int k = 0; k < count(); ++k) {
        evaluateBlock(k);
        setAnswerIndex(k);
    }
}

void BlockList::insertAt(int index) {
    index = std::clamp(index, 0, count());
    if (count() < kInsertLimit) {
        blocks_.insert(blocks_.begin() + index, std::make_unique<EquationBlock>());
    } else {
        blocks_.erase(blocks_.begin());
        if (index > 0) {
            index -= 1;
            blocks_.insert(blocks_.begin() + index, std::make_unique<EquationBlock>());
        } else {
            blocks_.insert(blocks_.begin(), std::make_unique<EquationBlock>());
        }
    }
    if (index > 0) blocks_[index]->setDegrees(blocks_[index - 1]->degrees());
    setActive(index);
}

void BlockList::dropFirst() {
    if (count() < 2) return;
    blocks_.erase(blocks_.begin());
    active_ = std::max(active_ - 1, 0);
    editLine_ = activeBlock().text();
}

void BlockList::removeAt(int index) {
    if (count() < 2 || index < 0 || index >= count()) return;
    blocks_.erase(blocks_.begin() + index);
    if (active_ > index || active_ == count()) --active_;
}

void BlockList::swapBlocks(int a, int b) {
    if (a < 0 || b < 0 || a >= count() || b >= count()) return;
    std::swap(blocks_[a], blocks_[b]);
}

void BlockList::evaluateAt(int k) {
    if (k < 0 || k >= count()) return;
    setAnswerIndex(k - 1);
    evaluateBlock(k);
    setAnswerIndex(k);
}

void BlockList::clear() {
    blocks_.clear();
    blocks_.push_back(std::make_unique<EquationBlock>());
    active_ = 0;
    editLine_.clear();
    undo_ = UndoRecord{};
}

EquationBlock& BlockList::append(std::u16string_view text) {
    auto block = std::make_unique<EquationBlock>();
    block->setText(text);
    blocks_.push_back(std::move(block));
    return *blocks_.back();
}

bool BlockList::undo() {
    const int kind = undo_.kind;
    if (kind == 0) return true;
    if (kind == 1) {
        if (count() >= 2) {
            const bool removedActive = active_ == count() - 1;
            blocks_.pop_back();
            if (removedActive) active_ = count() - 1;
            EquationBlock& executed = *blocks_.back();
            executed.clearText();
            executed.resetAnswer();
            if (active_ == count() - 1) editLine_ = undo_.first;
        }
    } else if (kind < 0) {
        const int n = -1 - kind;
        if (n < count()) {
            blocks_[n]->setText(undo_.first);
            if (n == active_)
                editLine_ = undo_.first;
            else
                evaluateBlock(n);
        }
    } else {
        return false;
    }
    undo_.kind = 0;
    return true;
}

uint16_t BlockList::defineFunction(std::u16string_view name, int parameters,
                                   std::u16string_view text) {
    if (!lettersOnly(name) || name.size() > kBlockNoteLimit || builtinKeyword(name) != 0)
        return 4;
    if (parameters < 0 || parameters > 3) return 4;
    if (text.size() > kBlockTextLimit) return kStatusTextTooLong;
    int slot = findUserFunction(name);
    if (slot < 0) {
        auto free = std::find(functions_.begin(), functions_.end(), nullptr);
        if (free == functions_.end()) return 4;
        slot = int(free - functions_.begin());
    }

    auto block = std::make_unique<EquationBlock>();
    block->setNote(name);
    block->setFlags(uint32_t(parameters) << kParameterCountShift);
    // The name must be known while the text compiles, so that the function
    // can refer to itself; a text that fails brings the old definition back.
    std::unique_ptr<EquationBlock> previous = std::move(functions_[slot]);
    functions_[slot] = std::move(block);
    publishFunction(slot);
    functions_[slot]->setText(text);
    const uint16_t status = functions_[slot]->status();
    if (status != 0) functions_[slot] = std::move(previous);
    publishFunction(slot);
    return status;
}

bool BlockList::removeFunction(std::u16string_view name) {
    const int slot = findUserFunction(name);
    if (slot < 0) return false;
    functions_[slot].reset();
    publishFunction(slot);
    return true;
}

bool BlockList::restoreFunction(int slot, std::u16string_view name, uint32_t flags,
                                std::u16string_view text) {
    if (slot < 0 || slot >= kUserFunctionSlots || functions_[slot] != nullptr || name.empty())
        return false;
    auto block = std::make_unique<EquationBlock>();
    block->setNote(name);
    block->setFlags(flags);
    functions_[slot] = std::move(block);
    // Known by its name while its text compiles, so that it can call itself.
    publishFunction(slot);
    functions_[slot]->setText(text);
    return true;
}

const EquationBlock* BlockList::function(int slot) const {
    if (slot < 0 || slot >= kUserFunctionSlots) return nullptr;
    return functions_[slot].get();
}

void BlockList::clearFunctions() {
    for (int slot = 0; slot < kUserFunctionSlots; ++slot) {
        functions_[slot].reset();
        publishFunction(slot);
    }
}

void BlockList::publishFunction(int slot) {
    EquationBlock* f = functions_[slot].get();
    if (f == nullptr) {
        clearUserFunction(slot);
        return;
    }
    UserFunction entry;
    entry.name = f->note();
    entry.parameters = int((f->flags() & kParameterCountMask) >> kParameterCountShift);
    entry.codeList = f->parsedSlot();
    entry.block = f;
    setUserFunction(slot, std::move(entry));
}

const Matrix* BlockList::answerOf(int k) const {
    if (k < 0 || k >= count()) return nullptr;
    return blocks_[k]->answer();
}

Matrix* BlockList::functionAnswer(const UserFunction& function) {
    for (auto& f : functions_)
        if (f != nullptr && f.get() == function.block) return f->answer();
    return nullptr;
}

}  // namespace engine
