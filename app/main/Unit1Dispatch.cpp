// The visible commands that run a command button's logic, and their binding.

#include "app/main/DesktopOpen.h"
#include "app/main/OptionIni.h"
#include "app/main/Unit1.h"

#include "classlib/Menus.h"
#include "classlib/StdCtrls.h"
#include "platform/shell/ShellExecute.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinMenus.h"
#include "skin/form/skSkinViews.h"
#include "skin/input/skSkinEdits.h"

void TForm1::BindHandlers()
{
    auto bind = [this](void (TForm1::*Handler)(TObject*)) { return [this, Handler](TObject* S) { (this->*Handler)(S); }; };
    N2222->OnClick = bind(&TForm1::N2222Click);
    N21->OnClick = bind(&TForm1::N21Click);
    N3331->OnClick = bind(&TForm1::N3331Click);
    N4->OnClick = bind(&TForm1::N4Click);
    skSkinButton7->OnClick = bind(&TForm1::skSkinButton7Click);
    N13->OnClick = bind(&TForm1::skSkinButton7Click);
    skSkinButton8->OnClick = bind(&TForm1::skSkinButton8Click);
    N14->OnClick = bind(&TForm1::skSkinButton8Click);
    skSkinButton2->OnClick = bind(&TForm1::skSkinButton2Click);
    N7->OnClick = bind(&TForm1::skSkinButton2Click);
    skSkinButton10->OnClick = bind(&TForm1::skSkinButton10Click);
    N8->OnClick = bind(&TForm1::skSkinButton10Click);
    skSkinButton11->OnClick = bind(&TForm1::skSkinButton11Click);
    N10->OnClick = bind(&TForm1::skSkinButton11Click);
    skSkinButton12->OnClick = bind(&TForm1::skSkinButton12Click);
    N11->OnClick = bind(&TForm1::skSkinButton12Click);
    skSkinButton6->OnClick = bind(&TForm1::skSkinButton6Click);
    Video_OutPut_Folder_Edit->OnClick = bind(&TForm1::Video_OutPut_Folder_EditClick);
    Button17->OnClick = bind(&TForm1::Button17Click);
    Button16->OnClick = bind(&TForm1::Button16Click);
    skSkinButton5->OnClick = bind(&TForm1::skSkinButton5Click);
    Button3->OnClick = bind(&TForm1::Button3Click);
    Button4->OnClick = bind(&TForm1::Button4Click);
    N23->OnClick = bind(&TForm1::N23Click);
    skSkinButton9->OnClick = bind(&TForm1::N23Click);
    N24->OnClick = bind(&TForm1::N24Click);
    skSkinButton19->OnClick = bind(&TForm1::N24Click);
    N15->OnClick = bind(&TForm1::N15Click);
    N19->OnClick = bind(&TForm1::N19Click);
    N5->OnClick = bind(&TForm1::N5Click);
    Button21->OnClick = bind(&TForm1::Button21Click);
    FFLogger->SetOnLog([this](const void* Sender, std::uint32_t Thread, TLogLevel Level, const std::string& Message) {
        FFLoggerLog(Sender, Thread, Level, Message);
    });
    SetRefusedWriteReporter([this](const std::string& Message) { Dialogs().ShowMessage(Message, "提示"); });
    // Whatever the desktop's opener took and then could not open is named as a refusal is.
    SetShellOpenFailedReporter([this](const std::string& Target) { TellOpenFailed(Dialogs(), Target); });
}

void TForm1::N2222Click(TObject*)
{
    Button8->Click();
}

void TForm1::N21Click(TObject*)
{
    Button12->Click();
}

void TForm1::N3331Click(TObject*)
{
    Button12->Click();
}

void TForm1::N4Click(TObject*)
{
    Close();
}

void TForm1::skSkinButton7Click(TObject*)
{
    btnRemove->Click();
}

void TForm1::skSkinButton8Click(TObject*)
{
    btnClear->Click();
}

void TForm1::skSkinButton2Click(TObject*)
{
    btnStart->Click();
}

void TForm1::skSkinButton10Click(TObject*)
{
    btnStop->Click();
}

void TForm1::skSkinButton11Click(TObject*)
{
    btnPause->Click();
    ShowPauseButton(false);
}

void TForm1::skSkinButton12Click(TObject*)
{
    btnResume->Click();
    ShowPauseButton(true);
}

void TForm1::skSkinButton6Click(TObject*)
{
    Button20->Click();
    lvFiles->SetFocus();
}

void TForm1::Video_OutPut_Folder_EditClick(TObject*)
{
    lvFiles->SetFocus();
}
