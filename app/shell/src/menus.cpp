// The menu data and the left menu-bar button.
#include "shell/menus.h"

#include <algorithm>
#include <cwctype>

#include "engine/library_table.h"
#include "shell/commands.h"

namespace shell {
namespace {

// Commands of the graph view.
constexpr int32_t kGraphDefaultAxes = 40017;
constexpr int32_t kGraphZoomIn = 40018;
constexpr int32_t kGraphZoomOut = 40019;
constexpr int32_t kGraphSettings = 40020;
constexpr int32_t kGraphAutoscale = 40052;
constexpr int32_t kGraphZoomOut4x = 40055;
constexpr int32_t kGraphGrids = 40093;
constexpr int32_t kGraphScaleY = 40097;
constexpr int32_t kGraphUndoScaling = 40100;
constexpr int32_t kGraphKeyHelp = 40169;

PlatformMenuItem item(const char16_t* text, int32_t id, uint32_t flags = 0) {
    return PlatformMenuItem{text, id, flags, nullptr, 0};
}

PlatformMenuItem separator() { return PlatformMenuItem{nullptr, 0, 0, nullptr, 0}; }

PlatformMenuItem submenu(const char16_t* text, const std::vector<PlatformMenuItem>& items) {
    return PlatformMenuItem{text, 0, 0, items.data(), int32_t(items.size())};
}

bool isGraphRangeCommand(int32_t id) {
    switch (id) {
    case kGraphDefaultAxes:
    case kGraphZoomIn:
    case kGraphZoomOut:
    case kGraphAutoscale:
    case kGraphZoomOut4x:
    case kGraphScaleY:
    case kGraphUndoScaling: return true;
    default: return false;
    }
}

}  // namespace

std::u16string libraryMenuText(std::u16string name) {
    if (!name.empty()) name[0] = char16_t(std::towupper(wint_t(name[0])));
    return name;
}

ShellMenus::ShellMenus(const ShellState& state) {
    colours_ = {item(u"Red", kCmdGraphRed),       item(u"Green", kCmdGraphGreen),
                item(u"Yellow", kCmdGraphYellow), item(u"Blue", kCmdGraphBlue),
                item(u"Purple", kCmdGraphPurple), separator(),
                item(u"Clear ", kCmdGraphClear),  item(u"Clear All", kCmdGraphClearAll)};
    deletions_ = {item(u"All Above", kCmdDeleteAbove), item(u"All Below", kCmdDeleteBelow)};
    eqns_ = {item(u"Undo", kCmdUndo),
             separator(),
             item(u"Copy Eqn.", kCmdCopyEqn),
             item(u"Paste Eqn.", kCmdPasteEqn),
             item(u"Insert Eqn.", kCmdInsertEqn),
             item(u"Delete Eqn.", kCmdDeleteEqn),
             item(u"Clear", kCmdClearEdit),
             separator(),
             submenu(u"Set to Graph", colours_),
             item(u"Deg/Rad", kCmdDegRad),
             item(u"Show Answer...", kCmdShowAnswer),
             item(u"Run from here", kCmdRunFromHere),
             submenu(u"Delete Eqns", deletions_),
             separator(),
             item(u"Graph (Record)", kCmdGraph),
             item(u"Full Screen (Vol Down)", kCmdFullScreen),
             item(u"Help (Vol Up)", kCmdHelpMode)};

    // Each library goes in at the top as it is loaded: the last loaded first.
    const int count = std::min(engine::libraryCount(), kMaxLibraryMenuItems);
    libraryNames_.reserve(size_t(count));
    for (int n = 1; n <= count; ++n) libraryNames_.push_back(libraryMenuText(*engine::libraryName(n)));
    for (int index = count - 1; index >= 0; --index)
        library_.push_back(item(libraryNames_[size_t(index)].c_str(), kCmdLibraryBase + index));
    library_.push_back(separator());
    library_.push_back(item(u"Quick Selects...", kCmdQuickSelects));

    workspace_ = {item(u"Load...", kCmdLoad),
                  item(u"Save...", kCmdSave),
                  item(u"Export as Text...", kCmdExportText),
                  separator(),
                  item(u"Load Default", kCmdLoadDefault),
                  item(u"Save Default", kCmdSaveDefault),
                  item(u"Set as Startup", kCmdSetAsStartup),
                  item(u"Reset Workspace", kCmdResetWorkspace),
                  separator(),
                  item(u"Clear Eqns.", kCmdClearEqns),
                  item(u"Clear Variables", kCmdClearVariables),
                  item(u"Clear All", kCmdClearAll),
                  separator(),
                  submenu(u"Library", library_),
                  item(u"RPN Mode", kCmdRpnMode, state.rpnMenuChecked ? PLATFORM_MENU_CHECKED : 0),
                  item(u"Format...", kCmdFormat),
                  item(u"Set Script Directory...", kCmdScriptDirectory),
                  separator(),
                  item(u"About...", kCmdAbout),
                  item(u"Exit", kCmdExit)};

    graph_ = {item(u"Zoom In", kGraphZoomIn),
              item(u"Zoom Out", kGraphZoomOut),
              item(u"Zoom Out 4x", kGraphZoomOut4x),
              item(u"Autoscale", kGraphAutoscale),
              item(u"Scale Y", kGraphScaleY),
              item(u"Default Axes", kGraphDefaultAxes),
              item(u"Undo Scaling", kGraphUndoScaling),
              separator(),
              item(u"Grids...", kGraphGrids),
              item(u"Graph Settings...", kGraphSettings),
              item(u"Graph Key Help", kGraphKeyHelp),
              separator(),
              item(u"Graph (Record)", kCmdGraph)};
}

void postToGraphView(ShellState& state, int32_t command) {
    if (command == kCmdGraph) {
        runCommand(state, kCmdGraph);
        return;
    }
    if (isGraphRangeCommand(command)) {
        state.graph->command(static_cast<GraphCommand>(command));
    } else if (command == kGraphGrids || command == kGraphSettings || command == kGraphKeyHelp) {
        // A changed grid or range shows at the next paint.
        state.dialogs.graphDialog(state, command);
    }
    state.pending.redrawClient = true;
}

void openMenuButtonPopup(ShellState& state) {
    const ShellMenus menus(state);
    const auto& items = state.graphShown() ? menus.graph() : menus.eqns();
    const int32_t chosen =
        platformTrackMenu(state.windows.main, items.data(), int32_t(items.size()), kPopupX, kPopupY);
    if (chosen < 0) return;
    if (state.graphShown())
        postToGraphView(state, chosen);
    else
        runCommand(state, uint16_t(chosen));
}

}  // namespace shell
