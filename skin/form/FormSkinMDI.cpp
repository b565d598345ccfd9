// The frame's part in the MDI model: the main form's client window, its children's window
// states, arrangement and window menu.

#include "skin/form/FormSkin.h"

#include "platform/window/User.h"
#include "skin/core/skUtils.h"
#include "skin/form/skSkinMessages.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace {

constexpr std::string_view kChildItemSuffix = "_BSFCHILDITEM";

// The child name an item of the window menu stands for; empty for other items.
std::string ChildNameOf(const TMenuItem* Item)
{
    const std::string& name = Item->GetName();
    const auto at = name.find(kChildItemSuffix);
    return at == std::string::npos ? std::string() : name.substr(0, at) + name.substr(at + kChildItemSuffix.size());
}

} // namespace

bool TskFormSkin::IsMDIChild() const
{
    return FForm->GetFormStyle() == TFormStyle::fsMDIChild;
}

bool TskFormSkin::IsMDIForm() const
{
    return FForm->GetFormStyle() == TFormStyle::fsMDIForm;
}

bool TskFormSkin::IsMaximizedMDIChild() const
{
    return IsMDIChild() && FWindowState == TWindowState::wsMaximized;
}

TskFormSkin* TskFormSkin::MainFrame()
{
    return Application ? GetFormSkinComponent(Application->MainForm()) : nullptr;
}

TskFormSkin* GetMaximizedChildSkinForm()
{
    TCustomForm* main = Application ? Application->MainForm() : nullptr;
    for (int i = 0; main && i < main->MDIChildCount(); ++i)
        if (TskFormSkin* skin = GetFormSkinComponent(main->MDIChildren(i));
            skin && skin->GetWindowState() == TWindowState::wsMaximized)
            return skin;
    return nullptr;
}

TskFormSkin* GetActiveChildSkinForm()
{
    TCustomForm* main = Application ? Application->MainForm() : nullptr;
    return main ? GetFormSkinComponent(main->ActiveMDIChild()) : nullptr;
}

TCustomForm* TskFormSkin::GetMaximizedMDIChild()
{
    TCustomForm* main = Application->MainForm();
    if (!main)
        return nullptr;
    if (TskFormSkin* active = GetFormSkinComponent(main->ActiveMDIChild());
        active && active->FWindowState == TWindowState::wsMaximized)
        return main->ActiveMDIChild();
    TskFormSkin* maximized = GetMaximizedChildSkinForm();
    return maximized ? maximized->FForm : nullptr;
}

RECT TskFormSkin::GetMDIClientArea()
{
    TCustomForm* main = Application->MainForm();
    if (!main)
        return RECT{};
    RECT r{0, 0, main->GetClientWidth(), main->GetClientHeight()};
    for (int i = 0; i < main->ControlCount(); ++i) {
        TControl* c = main->Controls(i);
        if (!c->GetVisible())
            continue;
        switch (c->GetAlign()) {
        case TAlign::alTop: r.top = std::max<LONG>(r.top, c->GetTop() + c->GetHeight()); break;
        case TAlign::alBottom: r.bottom = std::min<LONG>(r.bottom, c->GetTop()); break;
        case TAlign::alLeft: r.left = std::max<LONG>(r.left, c->GetLeft() + c->GetWidth()); break;
        case TAlign::alRight: r.right = std::min<LONG>(r.right, c->GetLeft()); break;
        default: break;
        }
    }
    return r;
}

void TskFormSkin::SendToMainForm(UINT Msg)
{
    if (TCustomForm* main = Application->MainForm(); main && main->HandleAllocated())
        SendMessage(main->GetHandle(), Msg, 0, 0);
}

void TskFormSkin::RefitMDIChildren()
{
    for (int i = 0; i < FForm->MDIChildCount(); ++i)
        if (FForm->MDIChildren(i)->HandleAllocated())
            SendMessage(FForm->MDIChildren(i)->GetHandle(), SKM_MDICHILDFIT, 0, 0);
    ArrangeMinimizedChildren();
}

void TskFormSkin::ArrangeMinimizedChildren()
{
    for (int i = 0; i < FForm->MDIChildCount(); ++i) {
        TskFormSkin* skin = GetFormSkinComponent(FForm->MDIChildren(i));
        if (skin && skin->FWindowState == TWindowState::wsMinimized) {
            const POINT p = skin->GetMinimizedPosition();
            skin->FForm->SetBounds(p.x, p.y, skin->FForm->GetWidth(), skin->FForm->GetHeight());
        }
    }
}

POINT TskFormSkin::GetMinimizedChildPosition(int W, int H)
{
    const RECT area = GetMDIClientArea();
    const int a = WidthOfRect(area), b = HeightOfRect(area);
    POINT p{0, b - H};
    TCustomForm* main = Application->MainForm();
    auto taken = [&](POINT at) {
        for (int i = 0; i < main->MDIChildCount(); ++i) {
            TCustomForm* child = main->MDIChildren(i);
            TskFormSkin* skin = GetFormSkinComponent(child);
            if (child != FForm && child->GetVisible() && skin && skin->FWindowState == TWindowState::wsMinimized &&
                child->GetLeft() == at.x && child->GetTop() == at.y)
                return true;
        }
        return false;
    };
    while (taken(p)) {
        p.x += W;
        if (p.x + W > a) {
            p.x = 0;
            p.y -= H;
            if (p.y < 0)
                return POINT{0, b - H};
        }
    }
    return p;
}

void TskFormSkin::ForEachChildFrame(const std::function<void(TskFormSkin*)>& Action)
{
    if (!IsMDIForm())
        return;
    std::vector<TCustomForm*> children;
    for (int i = 0; i < FForm->MDIChildCount(); ++i)
        children.push_back(FForm->MDIChildren(i));
    for (TCustomForm* child : children)
        if (TskFormSkin* skin = GetFormSkinComponent(child))
            Action(skin);
}

void TskFormSkin::RestoreAll()
{
    ForEachChildFrame([](TskFormSkin* skin) {
        if (skin->FWindowState != TWindowState::wsNormal)
            skin->SetWindowState(TWindowState::wsNormal);
        else if (skin->FRollUpState)
            skin->SetRollUpState(false);
    });
}

void TskFormSkin::MinimizeAll()
{
    ForEachChildFrame([](TskFormSkin* skin) { skin->SetWindowState(TWindowState::wsMinimized); });
}

void TskFormSkin::MaximizeAll()
{
    ForEachChildFrame([](TskFormSkin* skin) { skin->SetWindowState(TWindowState::wsMaximized); });
}

void TskFormSkin::CloseAll()
{
    if (!IsMDIForm())
        return;
    for (int i = FForm->MDIChildCount() - 1; i >= 0; --i)
        FForm->MDIChildren(i)->Close();
}

bool TskFormSkin::BeginArrange(int& A, int& B)
{
    if (!IsMDIForm() || FForm->MDIChildCount() == 0)
        return false;
    RestoreAll();
    const RECT area = GetMDIClientArea();
    A = WidthOfRect(area);
    B = HeightOfRect(area);
    return true;
}

void TskFormSkin::Tile()
{
    int a = 0, b = 0;
    if (!BeginArrange(a, b))
        return;
    const int count = FForm->MDIChildCount();
    int columns = static_cast<int>(std::sqrt(static_cast<double>(count)));
    auto rowsFor = [](int children, int cols) { return std::max(1, children / cols + (children % cols ? 1 : 0)); };
    int rows = rowsFor(count, columns);
    const int cw = a / columns;
    int rh = b / rows;
    int x = a, y = b;
    for (int i = count - 1; i >= 0; --i) {
        FForm->MDIChildren(i)->SetBounds(std::max(x - cw, 0), std::max(y - rh, 0), cw, rh);
        y -= rh;
        if (y - rh < 0 && i > 0) {
            y = b;
            x -= cw;
            columns = std::max(1, columns - 1);
            rows = rowsFor(i, columns);
            rh = b / rows;
        }
    }
}

void TskFormSkin::Cascade()
{
    int a = 0, b = 0;
    if (!BeginArrange(a, b))
        return;
    const int count = FForm->MDIChildCount();
    // A skin without a caption height still steps (a step of 0 would stack the children).
    const int s = std::max(1, FSkinSupport ? static_cast<int>(NewClRect.top) : GetDefCaptionHeight() + kDefFrameBorder);
    const int k = (a - static_cast<int>(std::lround(a * 0.8))) / s;
    const int steps = k > count ? count - 1 : k;
    int o = 0;
    for (int i = count - 1; i >= 0; --i) {
        TCustomForm* child = FForm->MDIChildren(i);
        TskFormSkin* skin = GetFormSkinComponent(child);
        int w = std::max(a - steps * s, skin ? skin->GetMinWidth() : 0);
        int h = std::max(b - steps * s, skin ? skin->GetMinHeight() : 0);
        if (child->GetBorderStyle() == TFormBorderStyle::bsSingle) {
            w = child->GetWidth();
            h = child->GetHeight();
        }
        if (o + w > a || o + h > b)
            o = 0;
        child->SetBounds(o, o, w, h);
        o += s;
    }
}

void TskFormSkin::AddChildToMenu(TCustomForm* Child)
{
    TskFormSkin* main = MainFrame();
    TMenuItem* menu = main ? main->FForm->GetWindowMenu() : nullptr;
    if (!menu)
        return;
    auto* item = new TMenuItem(nullptr);
    item->SetName(Child->GetName() + std::string(kChildItemSuffix));
    item->SetCaption(Child->GetCaption());
    item->OnClick = [main](TObject* Sender) { main->MDIItemClick(Sender); };
    menu->Add(item);
}

void TskFormSkin::DeleteChildFromMenu(TCustomForm* Child)
{
    TskFormSkin* main = MainFrame();
    TMenuItem* menu = main ? main->FForm->GetWindowMenu() : nullptr;
    if (!menu)
        return;
    for (int i = menu->Count() - 1; i >= 0; --i)
        if (ChildNameOf(menu->Items(i)) == Child->GetName()) {
            menu->Delete(i);
            break;
        }
}

void TskFormSkin::UpDateChildCaptionInMenu(TCustomForm* Child)
{
    TskFormSkin* main = MainFrame();
    TMenuItem* menu = main ? main->FForm->GetWindowMenu() : nullptr;
    for (int i = 0; menu && i < menu->Count(); ++i)
        if (ChildNameOf(menu->Items(i)) == Child->GetName()) {
            menu->Items(i)->SetCaption(Child->GetCaption());
            break;
        }
}

void TskFormSkin::UpDateChildActiveInMenu()
{
    TskFormSkin* main = MainFrame();
    TMenuItem* menu = main ? main->FForm->GetWindowMenu() : nullptr;
    TCustomForm* active = main ? main->FForm->ActiveMDIChild() : nullptr;
    for (int i = 0; menu && i < menu->Count(); ++i) {
        const std::string name = ChildNameOf(menu->Items(i));
        if (!name.empty())
            menu->Items(i)->SetChecked(active && name == active->GetName());
    }
    if (main && main->MainMenuBar)
        main->MainMenuBar->MDIChildChanged();
}

void TskFormSkin::MDIItemClick(TObject* Sender)
{
    auto* item = dynamic_cast<TMenuItem*>(Sender);
    if (!item || !IsMDIForm())
        return;
    const std::string name = ChildNameOf(item);
    for (int i = 0; i < FForm->MDIChildCount(); ++i) {
        TCustomForm* child = FForm->MDIChildren(i);
        if (child->GetName() != name)
            continue;
        if (TskFormSkin* skin = GetFormSkinComponent(child); skin && skin->FWindowState == TWindowState::wsMinimized)
            skin->SetWindowState(TWindowState::wsNormal);
        child->Show();
        FForm->SetActiveMDIChild(child);
    }
}

LRESULT TskFormSkin::ClientWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<TskFormSkin*>(GetWindowLongPtr(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProc(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_SIZE: {
        const LRESULT result = CallWindowProc(self->FPrevClientProc, hwnd, msg, wParam, lParam);
        self->RefitMDIChildren();
        InvalidateRect(hwnd, nullptr, TRUE);
        return result;
    }
    case WM_ERASEBKGND: {
        const HDC dc = reinterpret_cast<HDC>(wParam);
        if (!self->FSkinSupport)
            self->PaintMDIBGDefault(dc, hwnd);
        else if (self->FSD->MDIBGPictureIndex != -1)
            self->PaintBG3(dc);
        else if (self->FSD->BGPictureIndex == -1)
            self->PaintBG(dc);
        else
            self->PaintBG2(dc);
        return 1;
    }
    case WM_NCCALCSIZE:
    case WM_NCPAINT:
        return 0;
    case WM_NCACTIVATE:
        return 1;
    default:
        return CallWindowProc(self->FPrevClientProc, hwnd, msg, wParam, lParam);
    }
}

void TskFormSkin::HookClientWindow()
{
    const HWND client = FForm->ClientHandle();
    if (!client || FPrevClientProc)
        return;
    FPrevClientProc = reinterpret_cast<WNDPROC>(GetWindowLongPtr(client, GWLP_WNDPROC));
    SetWindowLongPtr(client, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtr(client, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TskFormSkin::ClientWndProc));
    ForceRelayout();
}

void TskFormSkin::UnhookClientWindow()
{
    if (!FPrevClientProc || !FForm)
        return;
    if (const HWND client = FForm->ClientHandle(); client && IsWindow(client)) {
        SetWindowLongPtr(client, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FPrevClientProc));
        SetWindowLongPtr(client, GWLP_USERDATA, 0);
    }
    FPrevClientProc = nullptr;
}
