// Skin choice, the options dialog, help and web pages, the about box, the open dialogs' filter
// and the log.

#include "app/main/DesktopOpen.h"
#include "app/main/OpenFilter.h"
#include "app/main/ProjectLinks.h"
#include "app/main/Unit1.h"
#include "app/main/Unit2.h"
#include "app/main/Unit5.h"

#include "classlib/Memo.h"
#include "platform/window/User.h"
#include "skin/core/skSkinData.h"

void TForm1::N23Click(TObject*)
{
    if (const std::optional<int> chosen = Dialogs().ChooseSkin(skSkinData1->SkinIndex()))
        ApplySkinIndex(*chosen);
    Button4->Click();
}

void TForm1::N24Click(TObject*)
{
    Form5->ShowModal();
}

void TForm1::N15Click(TObject*)
{
    OpenOrTell(Dialogs(), HelpPageAddress);
}

void TForm1::N19Click(TObject*)
{
    OpenOrTell(Dialogs(), SiteAddress);
}

void TForm1::N5Click(TObject*)
{
    Form2->ShowModal();
}

void TForm1::Button21Click(TObject*)
{
    OpenDialog1.Filter = OpenDialogFilter();
    OpenDialog1.FilterIndex = 1;
    OpenDialog2.Filter = OpenDialog1.Filter;
    OpenDialog2.FilterIndex = 1;
}

void TForm1::FFLoggerLog(const void*, std::uint32_t AThreadID, TLogLevel ALogLevel, const std::string& ALogMsg)
{
    std::string line = "#";
    line += std::to_string(AThreadID);
    line += '.';
    line += std::to_string(static_cast<int>(ALogLevel));
    line += ": ";
    line += ALogMsg;
    mmoLog->Lines()->Add(line);
}
