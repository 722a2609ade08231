// A Workspace file as the reader found it, before anything is applied to
// the engine's state: the parsed sections, each complete or absent.
#ifndef ORVANA_ENGINE_WORKSPACE_IMAGE_H
#define ORVANA_ENGINE_WORKSPACE_IMAGE_H

#include <cstdint>
#include <string>
#include <vector>

#include "engine/workspace_settings.h"

namespace engine {

// Bigger blocks than these are never written, so the reader refuses them.
inline constexpr uint32_t kStoredStringBytesLimit = 65535u * 8u;
inline constexpr int kStoredNameUnits = 12;
inline constexpr int kMaxLoadedBlocks = 101;
// Fields of the settings section, in file order.
inline constexpr int kSettingsFields = 18;

struct StoredValue {
    uint16_t rows = 0;
    uint16_t cols = 0;
    uint16_t kind = 0;  // 0 empty, 1 scalar, 2 matrix, 3 string
    std::vector<double> re;
    std::vector<double> im;
    std::u16string text;
};

struct StoredVariable {
    std::u16string name;
    StoredValue value;
};

struct StoredBlock {
    std::u16string text;
    bool textTooLong = false;  // more than a block holds; the block refuses it
    std::u16string note;
    uint32_t flags = 0;
};

struct WorkspaceImage {
    uint16_t version = 0;
    int16_t storedFlag = 0;
    int16_t recalculationOff = 0;
    int16_t evaluation = 0;
    int16_t polar = 0;

    bool noteRead = false;
    std::u16string note;

    // The settings fields read completely, counted in file order; only they
    // are applied.
    int settingsFields = 0;
    WorkspaceSettings settings;

    bool variablesRead = false;  // the whole section (or the asked variable)
    std::vector<StoredVariable> variables;

    bool functionsRead = false;
    std::vector<StoredBlock> functions;

    bool blocksRead = false;  // the count was read; the list may be cut short
    int blocksInFile = 0;     // the count the file gives
    std::vector<StoredBlock> blocks;

    bool cutShort = false;  // the file ended inside what the plan read
};

// What to read; the other sections are only stepped over.
struct ReadPlan {
    enum class Variables { Skip, All, One };
    bool note = true;
    bool settings = true;
    Variables variables = Variables::All;
    std::u16string variableName;  // Variables::One
    bool functions = true;
    bool blocks = true;
};

enum class ReadOutcome {
    Read,        // the image holds what the file held (maybe cut short)
    CannotOpen,  // no such file, or not a regular file
    Refused,     // an unsupported version or a malformed file
};

ReadOutcome readWorkspaceImage(const char16_t* path, const ReadPlan& plan, WorkspaceImage& out);

}  // namespace engine

#endif
