// The Workspace Options dialog's logic: four check boxes, all checked at
// first, and the load flags they make.
#ifndef ORVANA_SHELL_WORKSPACE_OPTIONS_DIALOG_H
#define ORVANA_SHELL_WORKSPACE_OPTIONS_DIALOG_H

#include <array>
#include <cstdint>
#include <string_view>

#include "platform/message_box.h"

namespace shell {

struct WorkspaceOptions {
    bool equations = true;
    bool variables = true;
    bool deleteExisting = true;
    bool functions = true;

    // The boxes in the order they are shown, with their texts.
    static constexpr std::array<std::u16string_view, 4> kBoxes{u"Equations", u"Variables",
                                                               u"Delete Existing", u"Functions"};
    bool& box(int index);

    // 4 for unchecked Variables, 2 for unchecked Functions, 1 for unchecked
    // Equations, 16 for checked Delete Existing.
    int32_t flags() const;
};

// Without a view: one prompt with a field per box holding "1" (checked);
// "0" or an empty field unchecks it. The flags, or -1 for Cancel.
int32_t runWorkspaceOptionsByPrompt(PlatformWindow owner);

}  // namespace shell

#endif
