#pragma once
// Skinned menus on the headless kit: an 800 x 600 work area, a form and a menu manager that log
// what the menu tells them, and menus built from tables of captions.

#include "SkinFormSupport.h"

#include "skin/form/skSkinMenus.h"
#include "skin/form/skSkinMessages.h"

#include <string>
#include <vector>

// A form that logs the activation messages and the menu's closing notice.
class TLoggingForm : public TForm {
public:
    using TForm::TForm;
    void Dispatch(TMessage& Message) override;
    std::vector<std::string>* Log = nullptr;
};

// A windowed control that logs the menu's notices to its opener.
class TLoggingOpener : public TCustomControl {
public:
    TLoggingOpener(TComponent* AOwner, std::string AName, std::vector<std::string>* ALog);
    void Dispatch(TMessage& Message) override;

private:
    std::string FTag;
    std::vector<std::string>* FLog;
};

class SkinMenuTest : public SkinFormTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // Adds items to Parent: "-" a divider, "!x" a disabled item x, ">x" an item x that gets the
    // following "  "-prefixed captions as its children.
    TMenuItem* AddItems(TMenuItem* Parent, const std::vector<std::string>& Captions);
    TMenuItem* Add(TMenuItem* Parent, const std::string& Caption);
    // Items 0..N-1 named "Item n".
    void AddNumbered(TMenuItem* Parent, int N);
    TskSkinPopupWindow* Window(int Level) { return menu->PopupWindow(Level); }
    // The screen point in the middle of item Index of window Level.
    POINT ItemPoint(int Level, int Index);
    // The pixel the screen shows at (X, Y) of the menu window of Level.
    COLORREF MenuPixel(int Level, int X, int Y);
    void Open(const RECT& R, bool PopupUp = false, TControl* Opener = nullptr);
    // Opens the menu as a key would (after a key press and release), whatever the mouse did.
    void OpenFromKeyboard(const RECT& R);
    void Advance(int Ms) { kit.Advance(static_cast<std::uint64_t>(Ms)); Pump(); }

    std::vector<std::string> log;
    TLoggingForm* form = nullptr;
    TPopupMenu* popup = nullptr;
    TskSkinMenu* menu = nullptr;
    TskSkinData* skin = nullptr;
};
