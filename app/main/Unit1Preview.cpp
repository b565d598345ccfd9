// The preview panel: opening the selected row's file paused in Panel6, the player's events, the
// play, pause, stop and mute buttons and the seek slider.

#include "app/main/Unit1.h"

#include "app/main/PreviewPanel.h"
#include "app/main/Unit1Jobs.h"

#include "classlib/ComboBox.h"
#include "classlib/ComCtrls.h"
#include "classlib/ExtCtrls.h"
#include "classlib/Memo.h"
#include "classlib/StdCtrls.h"
#include "engine/EngineUtils.h"
#include "engine/FFPlay.h"
#include "platform/player/WindowPlayerHost.h"
#include "platform/window/User.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinSlider.h"
#include "skin/form/skSkinViews.h"

#include <array>
#include <utility>

void TForm1::BindPreviewHandlers()
{
    // The off-screen player settings as the window's description stores them: default drivers,
    // files opened paused.
    for (const auto& [box, names] : {std::pair{cboVideoDriver, std::array{"Default", "DDraw", "GDI"}},
                                     std::pair{cboAudioDriver, std::array{"Default", "DSound", "waveOut"}}}) {
        for (const char* name : names)
            box->Items()->Add(name);
        box->SetItemIndex(0);
    }
    chkOpenPaused->SetChecked(true);
    FFPlayer->OnFileOpen = [this](TCustomPlayer* Sender, std::int64_t ADuration, int AFrameWidth, int AFrameHeight,
                                  int& AScreenWidth, int& AScreenHeight) {
        FFPlayerFileOpen(Sender, ADuration, AFrameWidth, AFrameHeight, AScreenWidth, AScreenHeight);
    };
    FFPlayer->OnPosition = [this](TCustomPlayer* Sender, std::int64_t APTS) { FFPlayerPosition(Sender, APTS); };
    FFPlayer->OnState = [this](TCustomPlayer* Sender, TPlayState AState) { FFPlayerState(Sender, AState); };
    Button31->OnClick = jobs::Handler(this, &TForm1::Button31Click);
    skSkinButton13->OnClick = jobs::Handler(this, &TForm1::skSkinButton13Click);
    skSkinButton14->OnClick = jobs::Handler(this, &TForm1::skSkinButton14Click);
    skSkinButton15->OnClick = jobs::Handler(this, &TForm1::skSkinButton15Click);
    skSkinButton16->OnClick = jobs::Handler(this, &TForm1::skSkinButton16Click);
    skSkinButton20->OnClick = jobs::Handler(this, &TForm1::skSkinButton20Click);
    skSkinSlider1->OnMouseDown = [this](TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y) {
        skSkinSlider1MouseDown(Sender, Button, Shift, X, Y);
    };
    skSkinSlider1->OnMouseUp = [this](TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y) {
        skSkinSlider1MouseUp(Sender, Button, Shift, X, Y);
    };
    // The window's moves and resizes reach the player after their default handling.
    WindowProc = [this, previous = WindowProc](TMessage& Message) {
        previous(Message);
        if ((Message.Msg == WM_WINDOWPOSCHANGING || Message.Msg == WM_WINDOWPOSCHANGED) && FFPlayer)
            FFPlayer->UpdateScreenPosition();
    };
    BindSnapshotHandlers();
}

TPlayerHost* TForm1::PreviewHost()
{
    // The render control is the window's component named by the render-target list.
    auto* control = dynamic_cast<TWinControl*>(FindComponent(cboScreens->GetText()));
    FScreenControl = control;
    if (!control)
        return nullptr;
    const HWND window = control->GetHandle();
    if (!FPreviewHost || FPreviewHostWindow != window) {
        // A file playing into the old host ends before that host goes.
        if (FPreviewHost && FFPlayer->GetScreenHandle() == FPreviewHost.get())
            FFPlayer->Stop(true);
        FPreviewHost.reset();
        FPreviewHost = std::make_shared<WindowPlayerHost>(window);
        FPreviewHostWindow = window;
    }
    return FPreviewHost.get();
}

bool TForm1::OpenPreview()
{
    const bool opened =
        FFPlayer->Open(T_Movie_PLayer_FileName, PreviewHost(), chkOpenPaused->GetChecked());
    if (!opened)
        jobs::Log(*this, FFPlayer->GetLastErrMsg());
    return opened;
}

void TForm1::Button31Click(TObject*)
{
    if (!FFPlayer->AVLibLoaded() && !FFPlayer->LoadAVLib(GetAppFolder() + "LibAV")) {
        jobs::Log(*this, FFPlayer->GetLastErrMsg());
        return;
    }
    FFPlayer->SetVideoDriver(VideoDriverAt(cboVideoDriver->GetItemIndex()));
    FFPlayer->SetAudioDriver(AudioDriverAt(cboAudioDriver->GetItemIndex()));
    OpenPreview();
}

void TForm1::FFPlayerFileOpen(TCustomPlayer*, std::int64_t ADuration, int AFrameWidth, int AFrameHeight,
                              int& AScreenWidth, int& AScreenHeight)
{
    if (TAVProbe* probe = FFPlayer->AVProbe())
        jobs::Log(*this, probe->FileInfoText());
    jobs::Log(*this, FileOpenLogLine(ADuration, AFrameWidth, AFrameHeight));
    if (FScreenControl) {
        AScreenWidth = FScreenControl->GetWidth();
        AScreenHeight = FScreenControl->GetHeight();
    } else {
        AScreenWidth = Screen->GetWidth();
        AScreenHeight = Screen->GetHeight();
    }
    FDuration = ADuration;
    skSkinSlider1->SetIncrement(5);
    skSkinSlider1->SetMaxValue(skSkinSlider1->GetWidth());
    skSkinSlider1->SetValue(0);
}

void TForm1::FFPlayerPosition(TCustomPlayer*, std::int64_t APTS)
{
    if (auto value = SliderValueAt(skSkinSlider1_down_UP, APTS, FDuration, skSkinSlider1->GetMaxValue()))
        skSkinSlider1->SetValue(*value);
}

void TForm1::FFPlayerState(TCustomPlayer*, TPlayState AState)
{
    jobs::Log(*this, PlayStateName(AState));
    if (AState == psStop) {
        // The last picture leaves the panel.
        if (FFPlayer->GetScreenHandle() && IsWindow(FPreviewHostWindow)) {
            InvalidateRect(FPreviewHostWindow, nullptr, TRUE);
            UpdateWindow(FPreviewHostWindow);
        }
    } else if (AState == psEnd) {
        FFPlayer->Seek(std::int64_t{0}, TSeekFlags{sfAny}, false);
        FFPlayer->Pause();
    }
}

void TForm1::skSkinButton13Click(TObject*)
{
    FFPlayer->Resume();
    jobs::FocusJobList(*this);
}

void TForm1::skSkinButton14Click(TObject*)
{
    FFPlayer->Pause();
    jobs::FocusJobList(*this);
}

void TForm1::skSkinButton15Click(TObject*)
{
    if (!lvFiles->GetSelected())
        return;
    try {
        FFPlayer->Stop(true);
        OpenPreview();
        jobs::FocusJobList(*this);
    } catch (const std::exception&) {
        FFPlayer->Stop(true);
    }
}

void TForm1::skSkinButton16Click(TObject*)
{
    FFPlayer->SetMute(true);
    skSkinButton20->SetVisible(true);
    skSkinButton16->SetVisible(false);
}

void TForm1::skSkinButton20Click(TObject*)
{
    FFPlayer->SetMute(false);
    skSkinButton20->SetVisible(false);
    skSkinButton16->SetVisible(true);
}

void TForm1::skSkinSlider1MouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    skSkinSlider1_down_UP = kSliderDown;
    FFPlayer->Pause();
}

void TForm1::skSkinSlider1MouseUp(TObject*, TMouseButton, TShiftState, int, int)
{
    FFPlayer->Pause();
    if (auto target = SliderSeekTarget(FDuration, skSkinSlider1->GetValue(), skSkinSlider1->GetMaxValue()))
        FFPlayer->Seek(*target, TSeekFlags{}, false);
    FFPlayer->Resume();
    skSkinSlider1_down_UP = kSliderUp;
}
