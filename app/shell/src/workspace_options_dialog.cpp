// The Workspace Options flags.
#include "shell/workspace_options_dialog.h"

#include "platform/dialogs.h"
#include "shell/dialogs.h"

namespace shell {

bool& WorkspaceOptions::box(int index) {
    switch (index) {
        case 0: return equations;
        case 1: return variables;
        case 2: return deleteExisting;
        default: break;
    }
    return functions;
}

int32_t WorkspaceOptions::flags() const {
    int32_t set = 0;
    if (!variables) set += 4;
    if (!functions) set += 2;
    if (!equations) set += 1;
    if (deleteExisting) set += 16;
    return set;
}

int32_t runWorkspaceOptionsByPrompt(PlatformWindow owner) {
    WorkspaceOptions options;
    constexpr int kCount = int(WorkspaceOptions::kBoxes.size());
    std::array<std::array<char16_t, 4>, kCount> texts{};
    std::array<PlatformPromptField, kCount> fields{};
    for (int i = 0; i < kCount; ++i) {
        texts[size_t(i)] = {u'1', 0, 0, 0};
        fields[size_t(i)] = {WorkspaceOptions::kBoxes[size_t(i)].data(), texts[size_t(i)].data(), 4};
    }
    if (platformPromptDialog(owner, u"Workspace Options", fields.data(), kCount) != 1)
        return kDialogCancelled;
    for (int i = 0; i < kCount; ++i) {
        const char16_t first = texts[size_t(i)][0];
        options.box(i) = first != 0 && first != u'0';
    }
    return options.flags();
}

}  // namespace shell
