#include "SkinMenuSupport.h"

void TLoggingForm::Dispatch(TMessage& Message)
{
    if (Log) {
        if (Message.Msg == WM_ACTIVATE)
            Log->push_back("form activate");
        if (Message.Msg == WM_NCACTIVATE)
            Log->push_back("form ncactivate");
        if (Message.Msg == SKM_SKINMENUCLOSED)
            Log->push_back("form closed");
    }
    TForm::Dispatch(Message);
}

TLoggingOpener::TLoggingOpener(TComponent* AOwner, std::string AName, std::vector<std::string>* ALog)
    : TCustomControl(AOwner), FTag(std::move(AName)), FLog(ALog)
{
}

void TLoggingOpener::Dispatch(TMessage& Message)
{
    if (Message.Msg == SKM_SKINMENUCLOSED)
        FLog->push_back(FTag + " closed");
    if (Message.Msg == SKM_SKINMENUCOMMAND)
        FLog->push_back(FTag + " command");
    TCustomControl::Dispatch(Message);
}

void SkinMenuTest::SetUp()
{
    MonitorDescription screen;
    screen.monitor = RECT{0, 0, 800, 600};
    screen.work = RECT{0, 0, 800, 600};
    screen.primary = true;
    kit.Display().SetMonitors({screen});
    Application->CreateForm(form);
    form->SetBounds(50, 50, 300, 200);
    form->Show();
    Pump();
    form->Log = &log;
    popup = new TPopupMenu(form);
    menu = new TskSkinMenu(form, form);
}

void SkinMenuTest::TearDown()
{
    if (skin) {
        if (menu)
            menu->Hide();
        skin->Free();
    }
    SkinFormTest::TearDown();
}

TMenuItem* SkinMenuTest::Add(TMenuItem* Parent, const std::string& Caption)
{
    auto* item = new TMenuItem(form);
    std::string c = Caption;
    if (!c.empty() && c[0] == '!') {
        item->SetEnabled(false);
        c.erase(0, 1);
    }
    item->SetCaption(c);
    Parent->Add(item);
    return item;
}

TMenuItem* SkinMenuTest::AddItems(TMenuItem* Parent, const std::vector<std::string>& Captions)
{
    TMenuItem* last = nullptr;
    for (const std::string& c : Captions) {
        if (c.rfind("  ", 0) == 0)
            Add(last, c.substr(2));
        else
            last = Add(Parent, c[0] == '>' ? c.substr(1) : c);
    }
    return last;
}

void SkinMenuTest::AddNumbered(TMenuItem* Parent, int N)
{
    for (int i = 0; i < N; ++i)
        Add(Parent, "Item " + std::to_string(i));
}

POINT SkinMenuTest::ItemPoint(int Level, int Index)
{
    TskSkinPopupWindow* w = Window(Level);
    const RECT& r = w->Item(Index)->ObjectRect;
    return POINT{w->GetLeft() + (r.left + r.right) / 2, w->GetTop() + (r.top + r.bottom) / 2};
}

COLORREF SkinMenuTest::MenuPixel(int Level, int X, int Y)
{
    auto pixels = kit.Render(Window(Level)->GetHandle());
    return WindowTestKit::ColorAt(*pixels, X, Y);
}

void SkinMenuTest::Open(const RECT& R, bool PopupUp, TControl* Opener)
{
    menu->Popup(Opener, skin, 0, R, popup->Items(), PopupUp);
    Pump();
}

void SkinMenuTest::OpenFromKeyboard(const RECT& R)
{
    kit.PressKey(VK_SHIFT);
    kit.ReleaseKey(VK_SHIFT);
    Pump();
    Open(R);
}
