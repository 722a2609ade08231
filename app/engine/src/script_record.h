// One cached Workspace called as a function: its blocks compiled for its own
// local scope and linked, and the bookkeeping of the calls running it.
#ifndef ORVANA_ENGINE_SCRIPT_RECORD_H
#define ORVANA_ENGINE_SCRIPT_RECORD_H

#include <memory>
#include <string>
#include <vector>

#include "engine/answer_source.h"
#include "engine/equation_block.h"
#include "engine/status.h"
#include "engine/variables.h"

namespace engine {

struct ScriptRecord : AnswerSource {
    std::u16string name;
    std::vector<std::unique_ptr<EquationBlock>> blocks;
    int busy = 0;  // calls in progress
    LocalScope scope;
    // 15 when the control keywords could not be linked: the record is not run.
    Status linkStatus = kOk;

    ~ScriptRecord() override { endCall(scope); }

    int blockCount() const override { return int(blocks.size()); }
    const Matrix* answerOf(int k) const override {
        if (k < 0 || k >= blockCount()) return nullptr;
        return blocks[size_t(k)]->answer();
    }
};

// The record of that name (cut to 19 characters), from the cache or read
// from the script folder into it; null when it cannot be had (no file, no
// blocks, a full cache of running records). The caller keeps the record
// alive for the duration of its call.
std::shared_ptr<ScriptRecord> cachedScript(std::u16string_view name);

}  // namespace engine

#endif
