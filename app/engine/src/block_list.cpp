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
}

BlockList::~BlockList() {
    clearFunctions();
}

void BlockList::evaluate(int k) {
    const AnswerSourceScope answers(*this);
    setStackTop(kBlockStartTop);
    blocks_[k]->evaluate();
}

void BlockList::execute(int k, std::u16string_view text) {
    setAnswerIndex(k - 1);
    blocks_[k]->setText(text);
    evaluate(k);
    setAnswerIndex(k);
}

void BlockList::evaluateBelow(int index) {
    for (int k = index + 1; k < count(); ++k) {
        evaluate(k);
        setAnswerIndex(k);
    }
}

void BlockList::evaluateAll() {
    setAnswerIndex(-1);
    for (int k = 0; k < count(); ++k) {
        evaluate(k);
        setAnswerIndex(k);
    }
}

bool BlockList::appendEmpty() {
    auto next = std::make_unique<EquationBlock>();
    next->setDegrees(blocks_.back()->degrees());
    blocks_.push_back(std::move(next));
    return count() > kMaxBlocksAfterExe && dropFirst();
}

int BlockList::insertAt(int index) {
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
    return index;
}

bool BlockList::dropFirst() {
    if (count() < 2) return false;
    blocks_.erase(blocks_.begin());
    return true;
}

bool BlockList::removeLast() {
    if (count() < 2) return false;
    blocks_.pop_back();
    return true;
}

void BlockList::swapBlocks(int a, int b) {
    if (a < 0 || b < 0 || a >= count() || b >= count()) return;
    std::swap(blocks_[a], blocks_[b]);
}

void BlockList::clear() {
    blocks_.clear();
    blocks_.push_back(std::make_unique<EquationBlock>());
}

bool BlockList::remove(int index) {
    if (count() < 2 || index < 0 || index >= count()) return false;
    blocks_.erase(blocks_.begin() + index);
    return true;
}

void BlockList::removeAfter(int index) {
    if (index < 0 || index >= count() - 1) return;
    blocks_.erase(blocks_.begin() + index + 1, blocks_.end());
}

void BlockList::removeBefore(int index) {
    if (index <= 0 || index >= count()) return;
    blocks_.erase(blocks_.begin(), blocks_.begin() + index);
}

void BlockList::replace(int index, std::unique_ptr<EquationBlock> block) {
    if (index < 0 || index >= count() || block == nullptr) return;
    blocks_[size_t(index)] = std::move(block);
}

EquationBlock& BlockList::append(std::u16string_view text) {
    auto block = std::make_unique<EquationBlock>();
    block->setText(text);
    blocks_.push_back(std::move(block));
    return *blocks_.back();
}

uint16_t BlockList::defineFunction(std::u16string_view name, int parameters,
                                   std::u16string_view text) {
    if (!lettersOnly(name) || name.size() > kBlockNoteLimit || builtinKeyword(name) != 0)
        return 4;
    if (parameters < 0 || parameters > 3) return 4;
    if (text.size() > kBlockTextLimit) return kEquationTooLong;
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
