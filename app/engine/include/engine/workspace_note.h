// The Workspace note: a free text kept with the Workspace and stored in its
// file (at most 499 characters).
#ifndef ORVANA_ENGINE_WORKSPACE_NOTE_H
#define ORVANA_ENGINE_WORKSPACE_NOTE_H

#include <cstddef>
#include <string>
#include <string_view>

namespace engine {

// Characters the note holds, its terminator not counted.
inline constexpr size_t kWorkspaceNoteLimit = 499;

const std::u16string& workspaceNote();
// Longer texts are cut to the limit.
void setWorkspaceNote(std::u16string_view note);

}  // namespace engine

#endif
