#pragma once
// The declarative list of the control descriptions a skin carries: the name the program's
// controls look up, how the description is drawn and built, its design size, and whether the
// fixed skin of the category and format boxes carries it too.

#include <span>
#include <string_view>

enum class TBuild {
    PushButton, ToolButton, TileButton, MenuButton,
    Panel, ToolPanel, DropPanel, StatusBar, GroupBox, ScrollBox, HeaderLabel,
    CheckBox, RadioBox,
    HScrollBar, VScrollBar, BothScrollBar, HUpDown, VUpDown, HSplitter, VSplitter,
    ListBox, ComboBox, Edit, ButtonEdit,
    MainMenuBar, Slider, Bevel, TreeView, ListView, Tab, StdLabel,
};

enum class TSkinSet { Switchable, Fixed, Both };

struct TElement {
    std::string_view Name;
    TBuild Build;
    int Width, Height;  // design size of the skin image (0 for descriptions without one)
    TSkinSet Set;
};

std::span<const TElement> ElementTable();
