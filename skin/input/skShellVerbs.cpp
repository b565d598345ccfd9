// The verbs of a shell item and its skinned context menu.

#include "skin/input/skSkinShellCtrls.h"

#include "classlib/Forms.h"
#include "classlib/SysUtils.h"
#include "platform/shell/ShellExecute.h"
#include "platform/window/Styles.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skSkinMenus.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace {

struct VerbEntry {
    const char* Caption;
    const char* Verb;
    bool Enabled;
};

// What the open menu reports back; shared with its handlers, which may run after the caller's
// frame would be gone.
struct MenuOutcome {
    std::string Verb;
    bool Closed = false;
};

int OpenPath(const std::string& Path)
{
    if (Path.empty())
        return 0;
    HWND owner = Application ? Application->Handle() : nullptr;
    const std::string folder = ExtractFilePath(Path);
    const auto code = reinterpret_cast<std::uintptr_t>(
        ShellExecute(owner, "open", Path.c_str(), nullptr, folder.c_str(), SW_SHOW));
    return code > 32 ? 1 : 0;
}

// The form whose frame shows Control's menus (the main form's for an MDI child).
TCustomForm* MenuForm(TWinControl* Control)
{
    TCustomForm* form = GetParentForm(Control);
    if (form && form->GetFormStyle() == TFormStyle::fsMDIChild && Application->MainForm())
        return Application->MainForm();
    return form;
}

// Shows the entries as a skinned pop-up menu at the screen point and runs the message loop until
// the menu closes; the chosen verb, or "".
std::string TrackVerbMenu(TWinControl* Control, const std::vector<VerbEntry>& Entries, POINT At)
{
    TCustomForm* form = MenuForm(Control);
    TskFormSkin* frame = form ? GetFormSkinComponent(form) : nullptr;
    if (!frame)
        return "";
    auto outcome = std::make_shared<MenuOutcome>();
    // Owned by the control, so that a control freed while the menu is open takes the menu along.
    auto* menu = new TskSkinPopupMenu(Control);
    menu->ComponentForm = form;
    for (const VerbEntry& entry : Entries) {
        auto* item = new TMenuItem(menu);
        item->SetCaption(entry.Caption);
        item->SetEnabled(entry.Enabled);
        item->OnClick = [outcome, verb = std::string(entry.Verb)](TObject*) { outcome->Verb = verb; };
        menu->Items()->Add(item);
    }
    menu->OnMenuClose = [outcome](TObject*) { outcome->Closed = true; };
    const auto alive = Control->AliveToken();
    menu->Popup2(Control, At.x, At.y);
    const bool shown = frame->SkinMenu() && frame->SkinMenu()->Visible();
    while (shown && !outcome->Closed && *alive && !Application->Terminated())
        Application->HandleMessage();
    if (*alive) {
        if (!outcome->Closed && frame->SkinMenu() && frame->SkinMenu()->Visible())
            frame->SkinMenuClose();
        menu->Free();
    }
    return outcome->Verb;
}

} // namespace

int TskShellFolder::ExecuteDefault()
{
    return OpenPath(PathName());
}

void TskShellFolder::RunVerb(const std::string& Verb)
{
    if (SameText(Verb, "open"))
        ExecuteDefault();
}

void ShowShellContextMenu(TWinControl* Control, TskShellFolder* Folder, int X, int Y)
{
    if (!Control || !Folder)
        return;
    // The view may refill itself (freeing Folder) while the menu is open.
    const std::string path = Folder->PathName();
    const std::vector<VerbEntry> entries = {
        {"Open", "open", !path.empty()},
        {"Rename", "rename", Folder->Capabilities().Contains(fcCanRename)},
    };
    const auto alive = Control->AliveToken();
    const std::string verb = TrackVerbMenu(Control, entries, Control->ClientToScreen(POINT{X, Y}));
    if (verb.empty() || !*alive)
        return;
    auto* handler = dynamic_cast<IShellVerbHandler*>(Control);
    bool handled = false;
    if (handler)
        handler->ExecuteCommand(verb, handled);
    const bool succeeded = handled || (verb == "open" && OpenPath(path) != 0);
    if (handler && *alive)
        handler->CommandCompleted(verb, succeeded);
}
