#include "app/main/Unit1.h"

#include "app/main/MainEngine.h"
#include "app/main/OptionIni.h"
#include "app/main/OwnDialogs.h"
#include "app/main/SecondaryHostOfForm1.h"

#include "classlib/ComboBox.h"
#include "classlib/ExtCtrls.h"
#include "classlib/Menus.h"
#include "classlib/Picture.h"
#include "classlib/StdCtrls.h"
#include "platform/shell/ShellExecute.h"
#include "engine/FFPlay.h"
#include "engine/FFmpegConverter.h"
#include "engine/FFmpegLogger.h"
#include "skin/core/skSkinData.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/input/skSkinComboBox.h"
#include "skin/input/skSkinOfficeCtrls.h"
#include "skin/input/skSkinPictureDialogs.h"

TForm1* Form1 = nullptr;

namespace {
TFrontEndDialogs* InstalledDialogs = nullptr;
} // namespace

TForm1::TForm1(TComponent* AOwner) : TForm(AOwner), FSecondaryHost(std::make_unique<TSecondaryHostOfForm1>(*this))
{
    BeginLoading();
    SetName("Form1");
    SetCaption("Zudevivivoduv");
    SetBorderStyle(TFormBorderStyle::bsSingle);
    SetPosition(TPosition::poScreenCenter);

    FConverter = MakeConverter();
    FFConverter = FConverter.get();
    FLogger = std::make_unique<TFFLogger>();
    FFLogger = FLogger.get();
    FFLogger->SetLogLevel(TLogLevel::llInfo);
    FPlayer = std::make_unique<TFFPlayer>();
    FFPlayer = FPlayer.get();

    BuildSkinsAndPictures();
    BuildMenus();
    BuildToolBar();
    BuildPreviewGroup();
    BuildJobList();
    BuildSettingsPages();
    BuildOffScreenPanels();
    OpenDialog1.Title = "打开文件";
    OpenDialog2.Title = "打开文件";
    OpenDialog2.MultiSelection = true;
    skSkinSelectDirectoryDialog1.Title = "选择目录";
    skSkinSelectDirectoryDialog2.Title = "选择输出目录";
    skSkinSavePictureDialog1 = new TskSkinSavePictureDialog(this);
    skSkinSavePictureDialog1->SetName("skSkinSavePictureDialog1");
    skSkinSavePictureDialog1->SetFilter("Bitmaps (*.bmp)|*.bmp|JPEG Image File |*.jpg;*.jpeg");
    skSkinSavePictureDialog1->SetSkinData(skSkinData1);
    skSkinSavePictureDialog1->SetCtrlSkinData(skSkinData1);

    // The stored description's states: only adding and the settings are enabled.
    for (TControlGroup group : {TControlGroup::Row, TControlGroup::Clear, TControlGroup::Start, TControlGroup::Stop,
                                TControlGroup::Pause, TControlGroup::Resume})
        SetGroupEnabled(group, false);
    SetGroupEnabled(TControlGroup::Add, true);
    SetGroupEnabled(TControlGroup::Settings, true);

    // The frame is in place: the client area is the window's own size.
    SetClientWidth(839);
    SetClientHeight(522);
    BindHandlers();
    BindJobHandlers();
    BindPreviewHandlers();
    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnCloseQuery = [this](TObject* Sender, bool& CanClose) { FormCloseQuery(Sender, CanClose); };
    EndLoading();
}

TForm1::~TForm1() = default;

void TForm1::BeforeDestruction()
{
    // The player draws into Panel6 and the converter reports to this window: both end first.
    FPlayer.reset();
    FFPlayer = nullptr;
    FConverter.reset();
    FFConverter = nullptr;
    TForm::BeforeDestruction();
    FLogger.reset();
    FFLogger = nullptr;
    SetRefusedWriteReporter(nullptr);
    SetShellOpenFailedReporter(nullptr);
    if (Form1 == this)
        Form1 = nullptr;
}

TFrontEndDialogs& TForm1::Dialogs()
{
    if (InstalledDialogs)
        return *InstalledDialogs;
    if (!FOwnDialogs)
        FOwnDialogs = std::make_unique<TOwnDialogs>(skSkinData1);
    return *FOwnDialogs;
}

void TForm1::SetDialogs(TFrontEndDialogs* dialogs)
{
    InstalledDialogs = dialogs;
}

void TForm1::ApplySkinIndex(int index)
{
    skSkinData1->SetSkinIndex(index);
    SetClientWidth(839);
    SetClientHeight(522);
}

void TForm1::FormCreate(TObject*)
{
    Button15->Click();
    Button17->Click();
    Button21->Click();
    Button3->Click();
    Button2->Click();

    // The render targets: the render panel, then the window's own windowed children by tab order
    // for as long as the orders run on without a gap.
    cboScreens->Items()->Clear();
    cboScreens->Items()->Add("Panel6");
    for (int order = 0;; ++order) {
        TWinControl* found = nullptr;
        for (int i = 0; i < ControlCount() && !found; ++i) {
            auto* child = dynamic_cast<TWinControl*>(Controls(i));
            if (child && child->GetTabOrder() == order)
                found = child;
        }
        if (!found)
            break;
        cboScreens->Items()->Add(found->GetName());
    }
    cboScreens->SetItemIndex(0);

    SavePictureDialog1.Options = "ofOverwritePrompt,ofHideReadOnly,ofExtensionDifferent,ofPathMustExist,ofEnableSizing";
    SavePictureDialog1.Filter = "Bitmaps (*.bmp)|*.bmp|JPEG Image File |*.jpg;*.jpeg";
    SavePictureDialog1.DefaultExt = "bmp";
    skSkinSlider1_down_UP = "UP";
}

void TForm1::FormCloseQuery(TObject*, bool& CanClose)
{
    FFPlayer->OnPosition = nullptr;
    FFPlayer->OnState = nullptr;
    FFPlayer->OnHook = nullptr;
    FFConverter->SetOnCustomHook(nullptr);
    FFConverter->SetOnProgress(nullptr);
    FFConverter->SetOnTerminate(nullptr);
    FFConverter->Stop(true);
    // Lines logged while stopping still arrive.
    FFLogger->SetOnLog(nullptr);
    CanClose = true;
}
