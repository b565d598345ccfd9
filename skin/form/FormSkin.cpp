#include "skin/form/FormSkin.h"

#include "classlib/SysUtils.h"
#include "platform/window/User.h"
#include "skin/core/TskLayerManager.h"
#include "skin/form/FormSkinLayerBorder.h"
#include "skin/form/skSkinChange.h"
#include "skin/form/skSkinHint.h"
#include "skin/form/skSkinMenus.h"
#include "skin/form/skSkinStatusBar.h"

namespace {

TskFrameMenuFactory& MenuFactory()
{
    static TskFrameMenuFactory factory;
    return factory;
}

} // namespace

void SetFrameMenuFactory(TskFrameMenuFactory Factory)
{
    MenuFactory() = std::move(Factory);
}

const TskFrameMenuFactory& GetFrameMenuFactory()
{
    return MenuFactory();
}

TskFormSkin* GetFormSkinComponent(TComponent* Form)
{
    if (Form == nullptr)
        return nullptr;
    for (int i = 0; i < Form->ComponentCount(); ++i)
        if (auto* skin = dynamic_cast<TskFormSkin*>(Form->Components(i)))
            return skin;
    return nullptr;
}

TskFormSkin::TskFormSkin(TComponent* AOwner) : TComponent(AOwner)
{
    FForm = dynamic_cast<TCustomForm*>(AOwner);
    if (FForm == nullptr)
        throw EInvalidCast();
    FQuickButtons = std::make_unique<TskQuickButtonItems>(this);
    FLayerManager = new TskLayerManager(this);
    FMenuLayerManager = new TskLayerManager(this);
    FBorderLayer = new TskFormLayerBorder(this);
    FIsLayerEnabled = TranslucencyReachesScreen();
    FLogoBitMap = std::make_unique<TBitmap>();
    FDefCaptionFont = std::make_unique<TFont>();
    FDefInActiveCaptionFont = std::make_unique<TFont>();
    for (TFont* font : {FDefCaptionFont.get(), FDefInActiveCaptionFont.get()}) {
        font->SetName("Arial");
        font->SetHeight(14);
        font->SetStyle(TFontStyles{fsBold});
    }
    FDefCaptionFont->SetColor(clBtnText);
    FDefInActiveCaptionFont->SetColor(clBtnShadow);
    RMTop = std::make_unique<TBitmap>();
    RMBottom = std::make_unique<TBitmap>();
    RMLeft = std::make_unique<TBitmap>();
    RMRight = std::make_unique<TBitmap>();

    auto timer = [this](UINT interval, void (TskFormSkin::*tick)(TObject*)) {
        auto* t = new TTimer(this);
        t->SetEnabled(false);
        t->SetInterval(interval);
        t->OnTimer = [this, tick](TObject* Sender) { (this->*tick)(Sender); };
        return t;
    };
    MouseTimer = timer(50, &TskFormSkin::MouseTimerTick);
    MorphTimer = timer(25, &TskFormSkin::MorphTimerTick);
    AnimateTimer = timer(25, &TskFormSkin::AnimateTimerTick);

    FForm->SetBorderIcons(TBorderIcons{});
    FForm->OnShortCut = [this](TWMKey& Msg, bool& Handled) { FormShortCut(Msg, Handled); };

    FSysMenu = std::make_unique<TPopupMenu>(nullptr);
    FSysTrayMenu = std::make_unique<TskSkinPopupMenu>(nullptr);
    FSysTrayMenu->ComponentForm = FForm;
    FSysTrayMenu->SkinComponent = this;
    CreateTrayMenu();
    if (const TskFrameMenuFactory& factory = GetFrameMenuFactory())
        FSkinMenu = factory(this, FForm);

    if (!ComponentState().Contains(csDesigning)) {
        OldWindowProc = FForm->WindowProc;
        FForm->WindowProc = [this](TMessage& Message) { FrameWndProc(Message); };
        if (FForm->HandleAllocated())
            FForm->RecreateWnd();
    }
}

TskFormSkin::~TskFormSkin()
{
    *FAlive = false;
    UnhookAppMessages();
    FQuickButtons.reset();
    ClearObjects();
    UnhookClientWindow();
    Unhook();
}

void TskFormSkin::Unhook()
{
    if (OldWindowProc && FForm) {
        FForm->WindowProc = OldWindowProc;
        FForm->OnShortCut = nullptr;
    }
    OldWindowProc = nullptr;
}

void TskFormSkin::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FSD)
        FSD = nullptr;
    if (AComponent == FMSD)
        FMSD = nullptr;
    if (AComponent == MainMenu)
        MainMenu = nullptr;
    if (AComponent == SystemMenu)
        SystemMenu = nullptr;
    if (AComponent == FSkinHint)
        FSkinHint = nullptr;
    if (AComponent == FStatusBar)
        FStatusBar = nullptr;
    if (AComponent == FTrayIconComponent) {
        FTrayIcon = nullptr;
        FTrayIconComponent = nullptr;
    }
    if (AComponent == FQuickImageList)
        FQuickImageList = nullptr;
    if (AComponent == FClientInActivePanel)
        FClientInActivePanel = nullptr;
    if (AComponent == FForm) {
        // The form is going: it gets its own procedure back for its last messages, and nothing
        // of it is touched afterwards.
        UnhookClientWindow();
        Unhook();
        FForm = nullptr;
    }
}

void TskFormSkin::SetSkinData(TskSkinData* Value)
{
    if (FSD)
        FSD->RemoveFreeNotification(this);
    FSD = Value;
    if (FSD) {
        FSD->FreeNotification(this);
        if (!IsMDIChild())
            FSkinnableForm = FSD->SkinnableForm();
    }
    if (!ComponentState().Contains(csDesigning))
        ApplySkinData();
    FSysTrayMenu->SetSkinData(Value);
}

void TskFormSkin::SetSkinHint(TskSkinHint* Value)
{
    if (FSkinHint)
        FSkinHint->RemoveFreeNotification(this);
    FSkinHint = Value;
    if (FSkinHint)
        FSkinHint->FreeNotification(this);
}

void TskFormSkin::SetStatusBar(TskSkinStatusBar* Value)
{
    if (FStatusBar)
        FStatusBar->RemoveFreeNotification(this);
    FStatusBar = Value;
    if (FStatusBar)
        FStatusBar->FreeNotification(this);
}

void TskFormSkin::SetQuickImageList(TCustomImageList* Value)
{
    if (FQuickImageList)
        FQuickImageList->RemoveFreeNotification(this);
    FQuickImageList = Value;
    if (FQuickImageList)
        FQuickImageList->FreeNotification(this);
}

void TskFormSkin::SetMenusSkinData(TskSkinData* Value)
{
    if (FMSD)
        FMSD->RemoveFreeNotification(this);
    FMSD = Value;
    if (FMSD)
        FMSD->FreeNotification(this);
}

void TskFormSkin::SetUseRibbon(bool Value)
{
    FUseRibbon = Value;
    if (Value && !ComponentState().Contains(csDesigning))
        SetSkinnableForm(false);
}

void TskFormSkin::SetSkinnableForm(bool Value)
{
    if (ComponentState().Contains(csDesigning))
        return;
    FFormActive = GetFormActive();
    bool wasMaximized = false;
    if (FWindowState == TWindowState::wsMaximized && FSkinnableForm) {
        FForm->Hide();
        SetWindowState(TWindowState::wsNormal);
        wasMaximized = true;
    } else if (FForm->GetWindowState() == TWindowState::wsMaximized && !FSkinnableForm) {
        FForm->SetWindowState(TWindowState::wsNormal);
        FForm->Hide();
        wasMaximized = true;
    }
    FSkinnableForm = FUseRibbon ? false : Value;
    ApplySkinData();
    NotifySkinChange(nullptr, FForm);
    FForm->WindowProc = [this](TMessage& Message) { FrameWndProc(Message); };
    if (!FSkinnableForm && FForm->HandleAllocated())
        FForm->RecreateWnd();
    if (wasMaximized) {
        if (FSkinnableForm)
            SetWindowState(TWindowState::wsMaximized);
        else
            FForm->SetWindowState(TWindowState::wsMaximized);
        FForm->Show();
    }
}

bool TskFormSkin::GetFormActive() const
{
    if (PreviewMode)
        return true;
    return IsMDIChild() || IsMDIForm() ? FFormActive : FForm->GetActive();
}

bool TskFormSkin::IsLayeredBorderEnabled() const
{
    return FSD && !FSD->Empty && FSD->ShowLayeredBorders() && FSD->LayerFrame && FSD->LayerFrame->PictureIndex != -1 &&
           FIsLayerEnabled && FSkinnableForm && !AlwaysDisableLayeredFrames && !PreviewMode &&
           FForm->GetBorderStyle() != TFormBorderStyle::bsNone && !IsMDIChild() && !FSmartEffectsShow;
}

void TskFormSkin::UpdateBorderLayer()
{
    FBorderLayer->Hide();
    FBorderLayer->InitFrame(FSD, FForm);
    if (IsLayeredBorderEnabled() && FForm->GetVisible()) {
        FBorderLayer->SetActive(FFormActive, false);
        FBorderLayer->ShowWithForm();
    }
}

void TskFormSkin::LayeredBordersChanged()
{
    if (!IsLayeredBorderEnabled()) {
        if (FBorderLayer->Visible())
            FBorderLayer->Hide();
    } else if (FForm->GetVisible() && !FBorderLayer->Visible()) {
        FBorderLayer->SetActive(FFormActive, false);
        FBorderLayer->ShowWithForm();
    }
}

void TskFormSkin::EffectsShowEnd()
{
    if (!FSmartEffectsShow)
        return;
    FSmartEffectsShow = false;
    if ((FForm->GetVisible() || FForm->GetTag() == kTrayRestoreTag) && IsLayeredBorderEnabled()) {
        Application->ProcessMessages();
        FBorderLayer->SetActive(true, false);
        FBorderLayer->ShowWithFormAnimation();
    }
}

void TskFormSkin::ApplySkinData()
{
    if (FUseRibbon)
        FSkinnableForm = false;
    OldActiveObject = ActiveObject = MouseCaptureObject = -1;
    FSkinSupport = FSD != nullptr && !FSD->Empty;
    if (FLayerManager->IsVisible)
        FLayerManager->Hide();
    if (FMenuLayerManager->IsVisible)
        FMenuLayerManager->Hide();

    if (FSkinSupport && FSkinnableForm) {
        CreateSkinObjects();
        UpdateButtonObjects();
    } else {
        ClearObjects();
        FFormWidth = FForm->GetWidth();
        FFormHeight = FForm->GetHeight();
        UpdateRegion(true);
    }
    if (FSkinnableForm) {
        if (!(FForm->GetBorderIcons() == TBorderIcons{}))
            FForm->SetBorderIcons(TBorderIcons{});
    } else {
        TBorderIcons icons;
        if (!HideCaptionButtons)
            icons.Include(biSystemMenu);
        if (FBorderIcons.Contains(TskBorderIcon::biMinimize))
            icons.Include(biMinimize);
        if (FBorderIcons.Contains(TskBorderIcon::biMaximize))
            icons.Include(biMaximize);
        FForm->SetBorderIcons(icons);
    }

    FInChangeSkinData = true;
    const int minW = GetMinWidth(), minH = GetMinHeight();
    if (FForm->GetWidth() < minW && FForm->GetHeight() < minH)
        FForm->SetBounds(FForm->GetLeft(), FForm->GetTop(), minW, minH);
    else if (FForm->GetHeight() < minH)
        FForm->SetHeight(minH);
    else if (FForm->GetWidth() < minW)
        FForm->SetWidth(minW);
    else
        ForceRelayout();
    if (FRollUpState || FWindowState == TWindowState::wsMinimized) {
        if (FForm->GetHeight() != GetMinHeight())
            FForm->SetHeight(GetMinHeight());
        if (FWindowState == TWindowState::wsMinimized && FForm->GetWidth() != GetMinWidth())
            FForm->SetWidth(GetMinWidth());
    }
    FFormWidth = FForm->GetWidth();
    FFormHeight = FForm->GetHeight();
    if (FSkinSupport)
        UpdateFrame(true);
    if (IsMDIForm()) {
        if (FForm->ClientHandle())
            RedrawWindow(FForm->ClientHandle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE);
        RefitMDIChildren();
    }
    if (FForm->HandleAllocated())
        RedrawWindow(FForm->GetHandle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    UpdateCaptionActive(!IsMaximizedMDIChild());
    UpdateBorderLayer();
    MouseTimer->SetEnabled(true);
    if (auto handler = OnChangeSkinData)
        handler(this);
    FInChangeSkinData = false;
    if (!FRollUpState) {
        if (ClientWidth > 0)
            FForm->SetClientWidth(ClientWidth);
        if (ClientHeight > 0)
            FForm->SetClientHeight(ClientHeight);
    }
}

void TskFormSkin::SetBorderIcons(TskBorderIcons Value)
{
    FBorderIcons = Value;
    if (ComponentState().Contains(csDesigning) || ComponentState().Contains(csLoading))
        return;
    UpdateButtonObjects();
    SendNCPaint();
}

void TskFormSkin::SetShowIcon(bool Value)
{
    FShowIcon = Value;
    if (!ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading))
        SendNCPaint();
}

void TskFormSkin::SetDefCaptionFont(TFont* Value)
{
    FDefCaptionFont->Assign(Value);
    if (!FSkinSupport && !ComponentState().Contains(csLoading))
        SendNCPaint();
}

void TskFormSkin::SetDefInActiveCaptionFont(TFont* Value)
{
    FDefInActiveCaptionFont->Assign(Value);
    if (!FSkinSupport && !ComponentState().Contains(csLoading))
        SendNCPaint();
}

void TskFormSkin::SetMaxMenuItemsInWindow(int Value)
{
    if (Value < 0)
        return;
    FMaxMenuItemsInWindow = Value;
    if (FSkinMenu)
        FSkinMenu->SetMaxMenuItemsInWindow(Value);
}

void TskFormSkin::SetMenusAlphaBlend(bool Value)
{
    FMenusAlphaBlend = Value;
    if (FSkinMenu)
        FSkinMenu->SetAlphaBlend(Value);
}

void TskFormSkin::SetMenusAlphaBlendValue(BYTE Value)
{
    FMenusAlphaBlendValue = Value;
    if (FSkinMenu)
        FSkinMenu->SetAlphaBlendValue(Value);
}

void TskFormSkin::SetMenusAlphaBlendAnimation(bool Value)
{
    FMenusAlphaBlendAnimation = Value;
    if (FSkinMenu)
        FSkinMenu->SetAlphaBlendAnimation(Value);
}

bool TskFormSkin::GetUseSkinFontInMenu() const
{
    return FSkinMenu && FSkinMenu->GetUseSkinFont();
}

void TskFormSkin::SetUseSkinFontInMenu(bool Value)
{
    if (FSkinMenu)
        FSkinMenu->SetUseSkinFont(Value);
}

int TskFormSkin::GetDefMenuItemHeight() const
{
    return FSkinMenu ? FSkinMenu->GetDefaultItemHeight() : 0;
}

void TskFormSkin::SetDefMenuItemHeight(int Value)
{
    if (FSkinMenu && Value > 0)
        FSkinMenu->SetDefaultItemHeight(Value);
}

TFont* TskFormSkin::DefMenuItemFont() const
{
    return FSkinMenu ? FSkinMenu->DefaultItemFont() : nullptr;
}

void TskFormSkin::SetFormStyle(TFormStyle FS)
{
    if (FS != TFormStyle::fsNormal && FS != TFormStyle::fsStayOnTop)
        return;
    FForm->SetFormStyle(FS);
    NotifySkinChange(nullptr, FForm);
}

void TskFormSkin::SetFormBorderStyle(TFormBorderStyle BS)
{
    FForm->SetBorderStyle(BS);
    NotifySkinChange(nullptr, FForm);
}

bool TskFormSkin::NoBorder() const
{
    return FForm->GetBorderStyle() == TFormBorderStyle::bsNone;
}

bool TskFormSkin::IsSizeable() const
{
    const TFormBorderStyle bs = FForm->GetBorderStyle();
    return AlwaysResize || bs == TFormBorderStyle::bsSizeable || bs == TFormBorderStyle::bsSizeToolWin;
}

void TskFormSkin::SendNCPaint()
{
    if (FForm && FForm->HandleAllocated())
        SendMessage(FForm->GetHandle(), WM_NCPAINT, 0, 0);
}
