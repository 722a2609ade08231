// Owner of the Workspace note.
#include "engine/workspace_note.h"

namespace engine {
namespace {

std::u16string note;

}  // namespace

const std::u16string& workspaceNote() {
    return note;
}

void setWorkspaceNote(std::u16string_view text) {
    note = std::u16string(text.substr(0, kWorkspaceNoteLimit));
}

}  // namespace engine
