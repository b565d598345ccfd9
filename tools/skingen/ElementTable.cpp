#include "tools/skingen/ElementTable.h"

namespace {

using enum TBuild;
using enum TSkinSet;

constexpr TElement kElements[] = {
    // Buttons. Push buttons sit on surfaces, tool buttons on bars.
    {"button", PushButton, 75, 25, Switchable},
    {"resizebutton", PushButton, 40, 22, Both},
    {"combobutton", PushButton, 17, 21, Both},
    {"editbutton", PushButton, 17, 21, Both},
    {"toolbutton", ToolButton, 25, 25, Switchable},
    {"bigtoolbutton", ToolButton, 48, 48, Switchable},
    {"menuitembutton", ToolButton, 24, 24, Switchable},
    {"officequickbutton", ToolButton, 20, 18, Switchable},
    {"htracktoolbutton", ToolButton, 48, 15, Switchable},
    {"vtracktoolbutton", ToolButton, 15, 25, Switchable},
    {"resizetoolbutton", TileButton, 48, 24, Both},
    {"toolmenubutton", MenuButton, 37, 25, Switchable},
    {"toolmenutrackbutton", MenuButton, 37, 25, Switchable},
    {"bigtoolmenubutton", MenuButton, 60, 48, Switchable},
    {"bigtoolmenutrackbutton", MenuButton, 60, 48, Switchable},
    // Panels and bars.
    {"panel", Panel, 48, 48, Switchable},
    {"toolpanel", ToolPanel, 48, 25, Switchable},
    {"bigtoolpanel", ToolPanel, 48, 48, Switchable},
    {"resizetoolpanel", ToolPanel, 48, 48, Switchable},
    {"resizetoolpanel", DropPanel, 48, 48, Fixed},
    {"statusbar", StatusBar, 60, 21, Switchable},
    {"groupbox", GroupBox, 80, 60, Switchable},
    {"scrollbox", ScrollBox, 48, 48, Switchable},
    {"label", HeaderLabel, 60, 20, Both},
    // Check and radio boxes.
    {"checkbox", CheckBox, 120, 20, Switchable},
    {"radiobox", RadioBox, 120, 20, Switchable},
    // Scrolling and sizing.
    {"hscrollbar", HScrollBar, 100, 17, Both},
    {"vscrollbar", VScrollBar, 17, 100, Both},
    {"bothhscrollbar", BothScrollBar, 119, 17, Both},
    {"hupdown", HUpDown, 36, 18, Switchable},
    {"vupdown", VUpDown, 16, 32, Switchable},
    {"hsplitter", HSplitter, 60, 6, Switchable},
    {"vsplitter", VSplitter, 6, 60, Switchable},
    // Input.
    {"listbox", ListBox, 80, 80, Both},
    {"combobox", ComboBox, 100, 22, Both},
    {"edit", Edit, 80, 22, Both},
    {"buttonedit", ButtonEdit, 80, 22, Switchable},
    // The rest.
    {"mainmenubar", MainMenuBar, 100, 22, Switchable},
    {"slider", Slider, 0, 0, Switchable},
    {"bevel", Bevel, 0, 0, Switchable},
    {"treeview", TreeView, 0, 0, Switchable},
    {"listview", ListView, 0, 0, Switchable},
    {"tab", Tab, 80, 60, Switchable},
    {"stdlabel", StdLabel, 0, 0, Switchable},
};

} // namespace

std::span<const TElement> ElementTable()
{
    return kElements;
}
