#include "skin/form/FormSkin.h"

#include "platform/window/User.h"
#include "skin/core/skUtils.h"
#include "skin/form/skSkinHint.h"

#include <optional>

namespace {

// The command of a standard button or animated object; nullopt for other objects.
std::optional<TskStdCommand> CommandOf(TskActiveSkinObject* o)
{
    if (auto* s = dynamic_cast<TskSkinStdButtonObject*>(o))
        return s->Command;
    if (auto* a = dynamic_cast<TskSkinAnimateObject*>(o))
        return a->Command;
    return std::nullopt;
}

} // namespace

void TskFormSkin::ClearObjects()
{
    ObjectList.clear();
    ActiveObject = OldActiveObject = MouseCaptureObject = -1;
}

void TskFormSkin::CreateSkinObjects()
{
    ClearObjects();
    for (auto& d : FSD->ObjectList) {
        TskDataSkinObject* data = d.get();
        // Menu item and menu bar descriptions belong to the menus.
        if (dynamic_cast<TskDataSkinMainMenuItem*>(data) || dynamic_cast<TskDataSkinMenuItem*>(data) ||
            dynamic_cast<TskDataSkinMainMenuBarButton*>(data))
            continue;
        std::unique_ptr<TskActiveSkinObject> o;
        if (dynamic_cast<TskDataSkinStdButton*>(data))
            o = std::make_unique<TskSkinStdButtonObject>(this, data);
        else if (dynamic_cast<TskDataSkinButton*>(data))
            o = std::make_unique<TskSkinButtonObject>(this, data);
        else if (dynamic_cast<TskDataSkinCaption*>(data))
            o = std::make_unique<TskSkinCaptionObject>(this, data);
        else if (dynamic_cast<TskDataSkinAnimate*>(data))
            o = std::make_unique<TskSkinAnimateObject>(this, data);
        else if (dynamic_cast<TskDataUserObject*>(data))
            o = std::make_unique<TskUserObject>(this, data);
        if (o)
            ObjectList.push_back(std::move(o));
    }
}

void TskFormSkin::CreateDefaultObjects()
{
    ClearObjects();
    const std::pair<TskStdCommand, const char*> buttons[] = {
        {cmClose, "closebutton"},   {cmMaximize, "maxbutton"},  {cmMinimize, "minbutton"},
        {cmRollUp, "rollupbutton"}, {cmSysMenu, "sysmenubutton"}, {cmMinimizeToTray, "traybutton"}};
    for (const auto& [command, name] : buttons) {
        auto o = std::make_unique<TskSkinStdButtonObject>(this, nullptr, command, name);
        o->SkinRect = o->ObjectRect = RECT{0, 0, 1, 1};
        // A default button draws its own image, so it is placed in the caption row.
        o->SkinRectInAPicture = true;
        ObjectList.push_back(std::move(o));
    }
    UpdateButtonObjects();
}

void TskFormSkin::UpdateButtonObjects()
{
    for (auto& p : ObjectList) {
        TskActiveSkinObject* o = p.get();
        auto* animate = dynamic_cast<TskSkinAnimateObject*>(o);
        const bool stdButton = dynamic_cast<TskSkinStdButtonObject*>(o) != nullptr;
        if (!stdButton && !(animate && animate->ButtonStyle))
            continue;
        if (HideCaptionButtons) {
            o->Enabled = false;
            o->Visible = !o->SkinRectInAPicture;
            continue;
        }
        const TskStdCommand command = *CommandOf(o);
        // Enabled by the command's border icon; visible when enabled, or always when the
        // button's image is part of the frame picture.
        auto byIcon = [&](bool enabled) {
            o->Enabled = enabled;
            o->Visible = o->Enabled || !o->SkinRectInAPicture;
        };
        switch (command) {
        case cmClose:
            break;
        case cmMaximize: byIcon(FBorderIcons.Contains(TskBorderIcon::biMaximize)); break;
        case cmMinimize: byIcon(FBorderIcons.Contains(TskBorderIcon::biMinimize)); break;
        case cmSysMenu: byIcon(FBorderIcons.Contains(TskBorderIcon::biSystemMenu) && !DisableSystemMenu); break;
        case cmRollUp: byIcon(FBorderIcons.Contains(TskBorderIcon::biRollUp)); break;
        case cmMinimizeToTray:
            o->Enabled = FBorderIcons.Contains(TskBorderIcon::biMinimizeToTray);
            o->Visible = o->Enabled || !o->SkinRectInAPicture;
            break;
        case cmDefault: {
            bool visible = false;
            if (auto handler = OnActivateCustomObject)
                handler(o->IDName, visible);
            o->Visible = visible;
            break;
        }
        }
    }
    UpdateButtonHints();
}

void TskFormSkin::UpdateButtonHints()
{
    if (!UseDefaultObjectHint || !FSD)
        return;
    TskResourceStrData* strings = FSD->ResourceStrData();
    auto text = [strings](const char* key, const char* builtIn) {
        return strings ? strings->GetResStr(key) : std::string(builtIn);
    };
    for (auto& p : ObjectList) {
        const std::optional<TskStdCommand> command = CommandOf(p.get());
        if (!command || *command == cmDefault)
            continue;
        std::string hint;
        switch (*command) {
        case cmClose: hint = text("CLOSEBUTTON_HINT", "Close"); break;
        case cmMaximize: hint = text("MAXBUTTON_HINT", "Maximize"); break;
        case cmMinimize: hint = text("MINBUTTON_HINT", "Minimize"); break;
        case cmSysMenu: hint = text("MENUBUTTON_HINT", "System menu"); break;
        case cmRollUp: hint = text("ROLLUPBUTTON_HINT", "Roll Up"); break;
        case cmMinimizeToTray: hint = text("TRAYBUTTON_HINT", "Minimize to Tray"); break;
        case cmDefault: break;
        }
        const std::string restore = text("RESTORE_HINT", "Restore");
        p->Hint = hint;
        if (auto* s = dynamic_cast<TskSkinStdButtonObject*>(p.get())) {
            s->FTempHint = hint;
            s->RestoreHint = restore;
        } else if (auto* a = dynamic_cast<TskSkinAnimateObject*>(p.get())) {
            a->FTempHint = hint;
            a->RestoreHint = restore;
        }
    }
}

int TskFormSkin::GetIndex(const std::string& IDName) const
{
    for (std::size_t i = 0; i < ObjectList.size(); ++i)
        if (ObjectList[i]->IDName == IDName)
            return static_cast<int>(i);
    return -1;
}

void TskFormSkin::SetEnabled(const std::string& IDName, bool Value)
{
    if (const int i = GetIndex(IDName); i != -1)
        ObjectList[static_cast<std::size_t>(i)]->Enabled = Value;
}

void TskFormSkin::UserObjectDraw(const std::string& IDName)
{
    if (const int i = GetIndex(IDName); i != -1)
        if (auto* u = dynamic_cast<TskUserObject*>(ObjectList[static_cast<std::size_t>(i)].get()))
            DrawSkinObject(u);
}

void TskFormSkin::LinkMenu(const std::string& IDName, TPopupMenu* Menu, bool PopupUp)
{
    const int i = GetIndex(IDName);
    if (i == -1 || !Menu)
        return;
    TskActiveSkinObject* o = ObjectList[static_cast<std::size_t>(i)].get();
    if (auto* b = dynamic_cast<TskSkinButtonObject*>(o)) {
        b->MenuItem = Menu->Items();
        b->FPopupUp = PopupUp;
    } else if (auto* a = dynamic_cast<TskSkinAnimateObject*>(o); a && a->ButtonStyle) {
        a->MenuItem = Menu->Items();
        a->FPopupUp = PopupUp;
    }
}

void TskFormSkin::DrawSkinObject(TskActiveSkinObject* AObject)
{
    if (NoBorder() || IsMaximizedMDIChild() || !FForm->HandleAllocated())
        return;
    const HWND hwnd = FForm->GetHandle();
    const HDC dc = GetWindowDC(hwnd);
    TCanvas canvas;
    canvas.SetHandle(dc);
    AObject->Draw(&canvas, true);
    canvas.SetHandle(nullptr);
    ReleaseDC(hwnd, dc);
}

TskSkinCaptionObject* TskFormSkin::CaptionObject() const
{
    for (auto& o : ObjectList)
        if (auto* c = dynamic_cast<TskSkinCaptionObject*>(o.get()))
            return c;
    return nullptr;
}

bool TskFormSkin::InCaptionZone(POINT P) const
{
    const TskSkinCaptionObject* caption = CaptionObject();
    if (!caption)
        return false;
    // The quick buttons at the caption's left end are the frame's objects, not the caption.
    RECT zone = caption->ObjectRect;
    zone.left += QuickButtonsWidth();
    return PtInRect(&zone, P);
}

void TskFormSkin::UpdateActiveObject(int X, int Y, bool AActive)
{
    if (ObjectList.empty() || PreviewMode || FSizeMove || NoBorder() || IsMaximizedMDIChild())
        return;
    // Leaving (-1, -1, false) is always taken; a new hot object only on an active form.
    if (AActive && !GetFormActive())
        return;
    OldActiveObject = ActiveObject;
    int hit = -1;
    for (std::size_t i = 0; i < ObjectList.size(); ++i) {
        TskActiveSkinObject* o = ObjectList[i].get();
        if (!o->Enabled || !o->Visible || !PtInRect(&o->ObjectRect, POINT{X, Y}))
            continue;
        if (o->PointInShape(X - o->ObjectRect.left, Y - o->ObjectRect.top)) {
            hit = static_cast<int>(i);
            break;
        }
    }
    ActiveObject = AActive ? hit : -1;
    if (MouseCaptureObject != -1 && ActiveObject != MouseCaptureObject)
        ActiveObject = -1;
    const int count = static_cast<int>(ObjectList.size());
    if (ActiveObject >= count)
        ActiveObject = -1;
    if (ActiveObject == OldActiveObject)
        return;
    if (OldActiveObject >= 0 && OldActiveObject < count) {
        TskActiveSkinObject* old = ObjectList[static_cast<std::size_t>(OldActiveObject)].get();
        if (old->Enabled && old->Visible) {
            old->MouseLeave();
            if (ShowObjectHint && FSkinHint && !old->Hint.empty())
                FSkinHint->HideHint();
        }
    }
    if (ActiveObject >= 0) {
        TskActiveSkinObject* now = ObjectList[static_cast<std::size_t>(ActiveObject)].get();
        if (now->Enabled && now->Visible) {
            now->MouseEnter();
            if (ShowObjectHint && FSkinHint && !now->Hint.empty())
                FSkinHint->ActivateHint2(now->Hint);
        }
    }
}

void TskFormSkin::MouseTimerTick(TObject*)
{
    if (!GetFormActive())
        return;
    POINT cursor{};
    GetCursorPos(&cursor);
    if (WindowFromPoint(cursor) != FForm->GetHandle()) {
        MouseTimer->SetEnabled(false);
        UpdateActiveObject(-1, -1, false);
        return;
    }
    if (FSizeMove) {
        MouseTimer->SetEnabled(false);
        return;
    }
    const POINT p = ScreenToFramePoint(cursor);
    const RECT client = FSkinSupport ? NewClRect
                                     : RECT{kDefFrameBorder, GetDefCaptionHeight() + kDefFrameBorder,
                                            FForm->GetWidth() - kDefFrameBorder,
                                            FForm->GetHeight() - kDefFrameBorder};
    if (!PtInRect(&client, p))
        UpdateActiveObject(p.x, p.y, true);
    else if (ActiveObject != -1)
        UpdateActiveObject(-1, -1, true);
}

void TskFormSkin::ObjectMouseDown(TMouseButton Button, int X, int Y)
{
    if (ActiveObject < 0 || ActiveObject >= static_cast<int>(ObjectList.size()))
        return;
    TskActiveSkinObject* o = ObjectList[static_cast<std::size_t>(ActiveObject)].get();
    if (!dynamic_cast<TskSkinCaptionObject*>(o))
        SetCapture(FForm->GetHandle());
    MouseCaptureObject = ActiveObject;
    o->MouseDown(X, Y, Button);
}

void TskFormSkin::ObjectMouseUp(TMouseButton Button, int X, int Y)
{
    if (MouseCaptureObject < 0 || MouseCaptureObject >= static_cast<int>(ObjectList.size()))
        return;
    TskActiveSkinObject* o = ObjectList[static_cast<std::size_t>(MouseCaptureObject)].get();
    if (!dynamic_cast<TskSkinCaptionObject*>(o) && GetCapture() == FForm->GetHandle())
        ReleaseCapture();
    MouseCaptureObject = -1;
    // The command may close and free the form: the object is called last.
    o->MouseUp(X, Y, Button);
}

void TskFormSkin::ObjectMouseMove(int X, int Y)
{
    const int index = MouseCaptureObject != -1 ? MouseCaptureObject : ActiveObject;
    if (index >= 0 && index < static_cast<int>(ObjectList.size()))
        ObjectList[static_cast<std::size_t>(index)]->MouseMove(X, Y);
}

void TskFormSkin::ObjectDblClick()
{
    if (ActiveObject >= 0 && ActiveObject < static_cast<int>(ObjectList.size()))
        ObjectList[static_cast<std::size_t>(ActiveObject)]->DblClick();
}

void TskFormSkin::ResetObjectStates()
{
    for (auto& p : ObjectList) {
        if (auto* a = dynamic_cast<TskSkinAnimateObject*>(p.get())) {
            a->FMouseIn = a->Active = false;
            a->FFrame = 1;
        } else if (!dynamic_cast<TskSkinCaptionObject*>(p.get())) {
            p->Active = p->FMouseIn = false;
            p->FMorphKf = 0;
        }
    }
}

void TskFormSkin::MorphTimerTick(TObject*)
{
    bool any = false;
    for (std::size_t i = 0; i < ObjectList.size(); ++i) {
        TskActiveSkinObject* o = ObjectList[i].get();
        if (o->EnableMorphing() && o->CanMorphing()) {
            o->DoMorphing();
            any = true;
        }
    }
    if (!any)
        MorphTimer->SetEnabled(false);
}

void TskFormSkin::AnimateTimerTick(TObject*)
{
    bool any = false;
    for (auto& p : ObjectList) {
        if (auto* a = dynamic_cast<TskSkinAnimateObject*>(p.get())) {
            if (a->Active && (!a->FDown || RectHasNoArea(a->DownSkinRect))) {
                a->ChangeFrame();
                any = true;
            }
        } else if (auto* c = dynamic_cast<TskSkinCaptionObject*>(p.get()); c && c->EnableAnimation()) {
            if (c->FIncTime < c->AnimateInterval) {
                c->FIncTime += 25;
                any = true;
            } else if (c->Active && c->CurrentFrame <= c->FrameCount) {
                ++c->CurrentFrame;
                DrawSkinObject(c);
                c->FIncTime = 25;
                any = true;
            } else if (!c->Active && c->CurrentFrame > 0) {
                --c->CurrentFrame;
                DrawSkinObject(c);
                c->FIncTime = 25;
                any = true;
            }
        }
    }
    if (!any)
        AnimateTimer->SetEnabled(false);
}

void TskFormSkin::UpdateCaptionActive(bool Animate)
{
    const bool active = GetFormActive();
    for (auto& p : ObjectList) {
        auto* c = dynamic_cast<TskSkinCaptionObject*>(p.get());
        if (!c || c->Active == active)
            continue;
        c->Active = active;
        if (Animate) {
            if (c->EnableAnimation()) {
                c->FIncTime = 25;
                c->CurrentFrame = active ? 1 : c->InActiveAnimation ? c->FrameCount : 0;
                AnimateTimer->SetEnabled(true);
            }
            SendNCPaint();
            if (c->EnableMorphing())
                MorphTimer->SetEnabled(true);
        } else if (c->EnableMorphing()) {
            c->FMorphKf = active ? 1.0 : 0.0;
        }
        break;
    }
    if (auto handler = active ? OnActivate : OnDeActivate)
        handler(this);
}

void TskFormSkin::RunCommand(TskStdCommand Command)
{
    if (Command != cmRollUp)
        ResetPointerTracking();
    const auto toggle = [this](TWindowState State) {
        SetWindowState(FWindowState == State ? TWindowState::wsNormal : State);
    };
    switch (Command) {
    case cmClose: FForm->Close(); break;
    case cmMaximize: toggle(TWindowState::wsMaximized); break;
    case cmMinimize:
        if (AlwaysMinimizeToTray)
            MinimizeToTray();
        else
            toggle(TWindowState::wsMinimized);
        break;
    case cmRollUp: SetRollUpState(!FRollUpState); break;
    case cmMinimizeToTray: MinimizeToTray(); break;
    case cmSysMenu:
    case cmDefault: break;
    }
}
