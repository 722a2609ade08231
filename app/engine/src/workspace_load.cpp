// loadWorkspace: reads the file completely into an image, then applies the
// parts the options and `which` ask for.
#include <algorithm>
#include <cstring>
#include <vector>

#include "engine/variables.h"
#include "engine/workspace_file.h"
#include "engine/workspace_note.h"
#include "engine/workspace_settings.h"
#include "lattix.h"
#include "engine_state_data.h"
#include "workspace_image.h"

namespace engine {
namespace {

constinit uint32_t& lastOptions = theEngineState.lastLoadOptions;
LoadSummary lastSummary;

// The settings fields the file held completely, in file order.
void applySettings(const WorkspaceImage& image, WorkspaceSettings& s) {
    const WorkspaceSettings& in = image.settings;
    const int n = image.settingsFields;
    if (n > 0) s.gridX = in.gridX;
    if (n > 1) s.gridY = in.gridY;
    if (n > 2) s.autoscale = in.autoscale;
    if (n > 3) s.squareAspect = in.squareAspect;
    if (n > 4) s.penWidth = std::clamp<int16_t>(in.penWidth, 0, 2);
    if (n > 5) s.formatCode = in.formatCode;
    if (n > 6) s.answerRows = std::clamp<int16_t>(in.answerRows, 0, 3);
    s.answerColumns = 1;
    if (n > 8) s.rpnFirst = in.rpnFirst;
    if (n > 9) s.rpnSecond = in.rpnSecond;
    if (n > 10) s.defaultXMin = in.defaultXMin;
    if (n > 11) s.defaultXMax = in.defaultXMax;
    if (n > 12) s.defaultYMin = in.defaultYMin;
    if (n > 13) s.defaultYMax = in.defaultYMax;
    if (n > 14) s.sy = in.sy;
    if (n > 15) s.sx = in.sx;
    if (n > 16) s.cy = in.cy;
    if (n > 17) s.cx = in.cx;
    s.recalculationOff = false;
    s.evaluation = image.evaluation != 0;
    s.polar = image.polar != 0;
    s.storedFlag = image.storedFlag;
}

// Stores a value read from the file into a variable's record.
void storeValue(Matrix* m, const StoredValue& v) {
    if (m == nullptr) return;
    switch (v.kind) {
        case LATTIX_KIND_STRING:
            copyStrMatrix(m, v.text.c_str());
            return;
        case LATTIX_KIND_SCALAR:
        case LATTIX_KIND_MATRIX_VALUE: {
            resizeMatrix(m, v.rows, v.cols);
            const size_t n = size_t(v.rows) * v.cols;
            // Lattix keeps the old shape when memory ran out.
            if (m->rows != v.rows || m->cols != v.cols || m->re == nullptr || m->im == nullptr ||
                v.re.size() != n || v.im.size() != n)
                return;
            std::memcpy(m->re, v.re.data(), n * sizeof(double));
            std::memcpy(m->im, v.im.data(), n * sizeof(double));
            return;
        }
        default:
            resizeMatrix(m, 0, 0);
            return;
    }
}

// The global of that name, added when missing; a called Workspace's locals
// of the same name are not consulted.
Matrix* globalNamed(std::u16string_view name) {
    LocalScope* scope = activeScope();
    setActiveScope(nullptr);
    uint16_t ref = findVariable(name);
    if (ref == kNoVariable) ref = addVariable(name, nullptr);
    setActiveScope(scope);
    return variableAt(ref);
}

void applyVariables(const WorkspaceImage& image) {
    for (const StoredVariable& v : image.variables) {
        if (v.name.empty()) continue;  // a name no table entry can have
        storeValue(globalNamed(std::u16string_view(v.name).substr(0, kVariableNameLimit)), v.value);
    }
}

void ensureCommonGlobals() {
    for (std::u16string_view name : {u"x", u"y", u"z", u"t"}) {
        LocalScope* scope = activeScope();
        setActiveScope(nullptr);
        if (findVariable(name) == kNoVariable) {
            const uint16_t ref = addVariable(name, nullptr);
            if (Matrix* m = variableAt(ref)) copyValMatrix(m, 0.0, 0.0);
        }
        setActiveScope(scope);
    }
}

std::vector<Token*> blockLists(BlockList& blocks) {
    std::vector<Token*> lists;
    for (int i = 0; i < blocks.count(); ++i) lists.push_back(blocks.block(i).parsed());
    return lists;
}

void applyBlocks(const WorkspaceImage& image, BlockList& blocks) {
    blocks.clear();
    for (const StoredBlock& stored : image.blocks) {
        // A text longer than a block holds is kept as stored, with status 7.
        EquationBlock& b = blocks.append(u"");
        b.keepText(stored.text);
        b.setNote(stored.note);
        b.setFlags(stored.flags);
    }
    // clear() left one empty block in front of the loaded ones.
    blocks.dropFirst();
}

bool loadFull(const char16_t* path, uint32_t options, BlockList* blocks) {
    const bool keepBlocks = (options & kLoadKeepBlocks) != 0;
    const bool keepFunctions = (options & kLoadKeepFunctions) != 0;
    const bool skipVariables = (options & kLoadSkipVariables) != 0;
    if (blocks == nullptr) return false;

    ReadPlan plan;
    plan.note = plan.settings = plan.blocks = !keepBlocks;
    plan.functions = !keepFunctions;
    plan.variables = skipVariables ? ReadPlan::Variables::Skip : ReadPlan::Variables::All;
    WorkspaceImage image;
    if (readWorkspaceImage(path, plan, image) != ReadOutcome::Read) return false;

    if (!keepBlocks) {
        if (image.noteRead) setWorkspaceNote(image.note);
        blocks->clear();
    }
    if (!keepFunctions) blocks->clearFunctions();
    if (options & kLoadClearVariables) {
        const std::vector<Token*> lists = blockLists(*blocks);
        compactVariables(lists);
    }
    if (!keepBlocks) applySettings(image, workspaceSettings());
    if (!skipVariables) applyVariables(image);
    if (!keepFunctions) {
        int slot = 0;
        for (const StoredBlock& f : image.functions) {
            if (f.textTooLong) continue;
            if (blocks->restoreFunction(slot, f.note, f.flags, f.text)) ++slot;
        }
    }
    if (!keepBlocks) applyBlocks(image, *blocks);
    ensureCommonGlobals();
    lastSummary = {image.cutShort, image.blocksInFile, int(image.blocks.size())};
    lastOptions = options;
    return image.version <= kWorkspaceVersion;
}

}  // namespace

bool loadWorkspace(const char16_t* path, uint32_t options, const LoadWhich& which,
                   BlockList* blocks) {
    if (which.kind == LoadWhich::Kind::Workspace) return loadFull(path, options, blocks);

    ReadPlan plan;
    plan.note = plan.settings = plan.functions = plan.blocks = false;
    if (which.kind == LoadWhich::Kind::AllVariables) {
        plan.variables = ReadPlan::Variables::All;
    } else {
        if (which.name.empty()) return false;
        plan.variables = ReadPlan::Variables::One;
        plan.variableName = which.name;
    }
    WorkspaceImage image;
    if (readWorkspaceImage(path, plan, image) != ReadOutcome::Read) return false;
    // The asked variable is not in the file (or was cut off by its end).
    if (which.kind == LoadWhich::Kind::OneVariable && image.variables.empty()) return false;
    applyVariables(image);
    return image.version <= kWorkspaceVersion;
}

LoadSummary lastLoadSummary() {
    return lastSummary;
}

uint32_t lastLoadOptions() {
    return lastOptions;
}

}  // namespace engine
