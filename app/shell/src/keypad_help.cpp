// Key help in help mode.
#include "shell/keypad_help.h"

#include <string>

#include "engine/library_table.h"
#include "platform/edit_control.h"

namespace shell {
namespace {

// Without the key-insertion code: what a key of page 0 or of a library page
// inserts. Page 1's functions need the key-insertion code itself.
void composeFallback(uint32_t keyCode, int16_t library, PlatformWindow target) {
    const uint32_t page = keyCode >> 16;
    if (page == 0) {
        const char16_t text[2] = {char16_t(keyCode & 0xFFFFu), 0};
        platformEditReplaceSelection(target, text);
    } else if (page >= 2) {
        const KeypadLibrary* owner = engine::libraryAt(library + 1);
        if (library >= 0 && owner != nullptr)
            platformEditReplaceSelection(target,
                                         engine::composeLibraryKey(*owner, keyCode).c_str());
    }
}

}  // namespace

std::optional<engine::KeyHelp> showKeyHelpFor(const KeyHelpRequest& request, bool& rpnDisplay,
                                              const KeyComposer& composer) {
    if (request.graphShown) return std::nullopt;

    const bool savedRpn = rpnDisplay;
    rpnDisplay = false;
    std::u16string text;
    PlatformWindow target = request.composition;
    const bool ownTarget = !platformEditIsControl(target);
    if (ownTarget) target = platformEditCreate();
    if (target != nullptr) {
        platformEditSetText(target, u"");
        if (composer)
            composer(request.keyCode, target);
        else
            composeFallback(request.keyCode, request.currentLibrary, target);
        char16_t buffer[engine::kKeyTextLimit + 1];
        platformEditGetText(target, buffer, engine::kKeyTextLimit + 1);
        text = buffer;
        if (ownTarget) platformEditDestroy(target);
    }

    engine::KeyHelp help = engine::keyHelp(text, request.mainProgram);
    engine::showKeyHelp(help, request.owner);
    rpnDisplay = savedRpn;
    return help;
}

}  // namespace shell
