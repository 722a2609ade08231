// Owner of the Workspace note.
#include "engine/workspace_note.h"

#include "engine_state_data.h"

namespace engine {
namespace {

constinit std::u16string& note = theEngineState.note;

}  // namespace

const std::u16string& workspaceNote() {
    return note;
}

void setWorkspaceNote(std::u16string_view text) {
    note = std::u16string(text.substr(0, kWorkspaceNoteLimit));
}

}  // namespace engine
