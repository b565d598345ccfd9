#pragma once
// The main window: every component it is made of (built in code, in Unit1Build*.cpp), its state
// fields, the control groups its handlers switch, and its handlers. The job list, adding,
// conversion and row selection handlers are in Unit1Jobs*.cpp; the preview and snapshot
// handlers in Unit1Preview*.cpp; start-up, closing, dispatch, settings, skins, menus and the
// log in the other Unit1*.cpp files.

#include "app/main/FrontEndDialogs.h"
#include "app/main/Snapshots.h"
#include "app/presets/ScratchFields.h"
#include "app/secondary/SecondaryHost.h"
#include "engine/EngineRecords.h"
#include "engine/FFPlayTypes.h"
#include "engine/FFmpegLogger.h"
#include "platform/kernel/PlayerHost.h"

#include "classlib/Forms.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TFFPlayer;
class TFFmpegConverter;
class TImage;
class TListBox;
class TMemo;
class TMenuItem;
class TPanel;
class TskCompressedSkinList;
class TskFormSkin;
class TskPngImageList;
class TskSkinButton;
class TskSkinComboBox;
class TskSkinData;
class TskSkinEdit;
class TskSkinHint;
class TskSkinListView;
class TskSkinMainMenu;
class TskSkinMainMenuBar;
class TskSkinOfficeComboBox;
class TskSkinPageControl;
class TskSkinPanel;
class TskSkinPopupMenu;
class TskSkinScrollBar;
class TskSkinSlider;
class TskSkinSpeedButton;
class TskSkinMenuSpeedButton;
class TskSkinStdLabel;
class TskSkinTabSheet;
class TskSkinToolBar;
class TskSkinSavePictureDialog;
class TskTrayIcon;

// The groups of controls the handlers switch together (each member with its own look).
// Move: "上移" and "下移", off while a batch runs (its events name rows by position).
enum class TControlGroup { Add, Row, Clear, Start, Stop, Pause, Resume, Settings, Move };

// The record a save-picture dialog keeps (the window sets it up at start).
struct TSavePictureDialogSetup {
    std::string Options;
    std::string Filter;
    std::string DefaultExt;
};

// How many option slots (and job rows at most) the window has.
inline constexpr int OptionSlotCount = 501;

class TForm1 : public TForm {
public:
    explicit TForm1(TComponent* AOwner);
    ~TForm1() override;

    // --- frame, skins, pictures ---
    TskFormSkin* skFormSkin1 = nullptr;
    TskSkinData* skSkinData1 = nullptr;
    TskSkinData* skSkinData2 = nullptr;
    TskCompressedSkinList* skCompressedSkinList1 = nullptr;
    TskCompressedSkinList* skCompressedSkinList2 = nullptr;
    TskPngImageList* skPngImageList1 = nullptr;  // tool bar, 48 x 48
    TskPngImageList* skPngImageList4 = nullptr;  // categories, 48 x 48
    TskPngImageList* skPngImageList5 = nullptr;  // categories, 32 x 32
    TskSkinHint* skSkinHint1 = nullptr;            // every hint of the program, in the window's skin
    TskTrayIcon* skTrayIcon1 = nullptr;            // stored disabled and hidden

    // --- menus ---
    TskSkinMainMenuBar* skSkinMainMenuBar1 = nullptr;
    TskSkinMainMenu* skSkinMainMenu1 = nullptr;
    TMenuItem* N1 = nullptr;  // "文件"
    TMenuItem* Item111 = nullptr;
    TMenuItem* Item121 = nullptr;
    TMenuItem* N21 = nullptr;
    TMenuItem* N3 = nullptr;
    TMenuItem* N4 = nullptr;
    TMenuItem* N2 = nullptr;  // "编辑"
    TMenuItem* N111 = nullptr;
    TMenuItem* N2221 = nullptr;
    TMenuItem* N12 = nullptr;
    TMenuItem* N13 = nullptr;
    TMenuItem* N14 = nullptr;
    TMenuItem* N25 = nullptr;
    TMenuItem* N26 = nullptr;
    TMenuItem* N6 = nullptr;  // "动作"
    TMenuItem* N7 = nullptr;
    TMenuItem* N8 = nullptr;
    TMenuItem* N9 = nullptr;
    TMenuItem* N10 = nullptr;
    TMenuItem* N11 = nullptr;
    TMenuItem* N22 = nullptr;  // "功能"
    TMenuItem* N24 = nullptr;
    TMenuItem* N23 = nullptr;
    TMenuItem* N17 = nullptr;  // "帮助"
    TMenuItem* N15 = nullptr;
    TMenuItem* N16 = nullptr;
    TMenuItem* N19 = nullptr;
    TMenuItem* N5 = nullptr;
    // The tool bar's add menu.
    TskSkinPopupMenu* skSkinPopupMenu1 = nullptr;
    TMenuItem* N11111 = nullptr;
    TMenuItem* N2222 = nullptr;
    TMenuItem* N3331 = nullptr;
    // The snapshot menu.
    TskSkinPopupMenu* skSkinPopupMenu2 = nullptr;
    TMenuItem* MenuItem1 = nullptr;
    TMenuItem* MenuItem2 = nullptr;
    TMenuItem* MenuItem3 = nullptr;
    TMenuItem* N27 = nullptr;
    TMenuItem* BMP1 = nullptr;
    TMenuItem* JPG1 = nullptr;
    TMenuItem* GIF1 = nullptr;
    TMenuItem* PNG1 = nullptr;

    // --- tool bar ---
    TskSkinToolBar* skSkinToolBar2 = nullptr;
    TskSkinMenuSpeedButton* skSkinMenuSpeedButton1 = nullptr;  // "添加"
    TskSkinButton* skSkinButton2 = nullptr;   // "开始"
    TskSkinButton* skSkinButton10 = nullptr;  // "停止"
    TskSkinButton* skSkinButton11 = nullptr;  // "暂停"
    TskSkinButton* skSkinButton12 = nullptr;  // "继续"
    TskSkinButton* skSkinButton19 = nullptr;  // "选项"
    TskSkinButton* skSkinButton9 = nullptr;   // "皮肤", never shown

    // --- preview group ---
    TskSkinPanel* skSkinPanel3 = nullptr;  // "视频预览"
    TPanel* Panel6 = nullptr;              // the player's render panel
    TskSkinSlider* skSkinSlider1 = nullptr;
    TskSkinButton* skSkinButton13 = nullptr;  // play
    TskSkinButton* skSkinButton14 = nullptr;  // pause
    TskSkinButton* skSkinButton15 = nullptr;  // stop
    TskSkinButton* skSkinButton16 = nullptr;  // mute
    TskSkinButton* skSkinButton20 = nullptr;  // unmute
    TskSkinButton* skSkinButton22 = nullptr;  // snapshot
    TskSkinButton* skSkinButton23 = nullptr;  // snapshot menu

    // --- job list ---
    TskSkinPanel* skSkinPanel1 = nullptr;
    TskSkinPanel* skSkinPanel2 = nullptr;          // the list with its bars
    TskSkinScrollBar* skSkinScrollBar1 = nullptr;  // horizontal
    TskSkinScrollBar* skSkinScrollBar2 = nullptr;  // vertical
    TskSkinListView* lvFiles = nullptr;
    TskSkinButton* skSkinButton3 = nullptr;   // "上移"
    TskSkinButton* skSkinButton4 = nullptr;   // "下移"
    TskSkinButton* skSkinButton7 = nullptr;   // "删除"
    TskSkinButton* skSkinButton8 = nullptr;   // "清空"
    TskSkinButton* skSkinButton21 = nullptr;  // "重命名"
    TskSkinPanel* skSkinPanel5 = nullptr;     // cover over the empty list

    // --- settings pages ---
    TskSkinPageControl* skSkinPageControl1 = nullptr;
    TskSkinTabSheet* skSkinTabSheet1 = nullptr;  // "常规设置"
    TskSkinTabSheet* skSkinTabSheet2 = nullptr;  // "音视频高级设置"
    TskSkinOfficeComboBox* skSkinOfficeComboBox2 = nullptr;  // categories
    TskSkinOfficeComboBox* skSkinOfficeComboBox1 = nullptr;  // formats
    TskSkinEdit* Video_OutPut_Folder_Edit = nullptr;
    TskSkinButton* skSkinButton5 = nullptr;  // "浏览..."
    TskSkinButton* skSkinButton6 = nullptr;  // "打开"
    TskSkinComboBox* skSkinComboBox1 = nullptr;   // frame size
    TskSkinComboBox* skSkinComboBox2 = nullptr;   // video bit rate
    TskSkinComboBox* skSkinComboBox3 = nullptr;   // audio bit rate
    TskSkinComboBox* skSkinComboBox4 = nullptr;   // scaling
    TskSkinComboBox* skSkinComboBox9 = nullptr;   // frame rate
    TskSkinComboBox* skSkinComboBox10 = nullptr;  // sample rate

    // --- off-screen panels ---
    TPanel* Panel1 = nullptr;  // command buttons
    TButton* btnAdd = nullptr;
    TButton* Button8 = nullptr;
    TButton* Button12 = nullptr;
    TButton* btnRemove = nullptr;
    TButton* btnClear = nullptr;
    TButton* Button15 = nullptr;
    TButton* btnStart = nullptr;
    TButton* btnStop = nullptr;
    TButton* btnPause = nullptr;
    TButton* btnResume = nullptr;
    TButton* button28 = nullptr;
    TButton* Button22 = nullptr;
    TButton* Button23 = nullptr;
    TButton* Button24 = nullptr;
    TButton* Button20 = nullptr;
    TButton* Button25 = nullptr;
    TButton* Button29 = nullptr;
    TButton* Button2 = nullptr;
    TButton* Button5 = nullptr;
    TButton* Button6 = nullptr;
    TButton* Button13 = nullptr;
    TButton* Button18 = nullptr;
    TButton* Button31 = nullptr;
    TButton* Button17 = nullptr;
    TButton* Button16 = nullptr;
    TButton* Button21 = nullptr;
    TButton* Button3 = nullptr;
    TButton* Button4 = nullptr;
    TCheckBox* chkThreadMode = nullptr;
    TListBox* ListBox1 = nullptr;
    // Glyphs of the control groups' looks (Image4 .. Image17).
    std::array<TImage*, 18> Images{};
    TPanel* Panel5 = nullptr;  // player settings
    TMemo* mmoLog = nullptr;
    TComboBox* cboScreens = nullptr;
    TComboBox* cboVideoDriver = nullptr;
    TComboBox* cboAudioDriver = nullptr;
    TCheckBox* chkOpenPaused = nullptr;
    TPanel* Panel3 = nullptr;
    TButton* Button9 = nullptr;
    TEdit* edt = nullptr;  // in-place rename editor

    // --- engine ---
    TFFmpegConverter* FFConverter = nullptr;
    TFFLogger* FFLogger = nullptr;
    TFFPlayer* FFPlayer = nullptr;

    // --- dialogs' settings ---
    TOpenDialogSetup OpenDialog1;
    TOpenDialogSetup OpenDialog2;
    TFolderDialogSetup skSkinSelectDirectoryDialog1;
    TFolderDialogSetup skSkinSelectDirectoryDialog2;
    TSavePictureDialogSetup SavePictureDialog1;
    // The skinned save-picture dialog the form holds (nothing runs it).
    TskSkinSavePictureDialog* skSkinSavePictureDialog1 = nullptr;

    // --- state fields ---
    std::int64_t FDuration = 0;
    bool FTrackChanging = false;
    TWinControl* FScreenControl = nullptr;
    std::array<TInputOptions, OptionSlotCount> IO1;
    std::array<TOutputOptions, OptionSlotCount> OO1;
    std::string FileOutPutPath;
    TScratchFields Scratch;  // the Video_ scratch fields
    std::string Video_CopyTimestamp;
    int Video_TimeStart = -1;
    int Video_TimeLength = -1;
    std::string T_Movie_PLayer_FileName;
    std::string skSkinSlider1_down_UP;
    int All_Trant_Number = 0;

    // --- control groups ---
    // Enables or disables every member of the group and gives it the group's look; an open menu
    // whose entries this changes is closed, so it never offers what no longer works.
    void SetGroupEnabled(TControlGroup group, bool enabled);
    // Shows the tool bar's "暂停" (true) or "继续" (false) in their shared place.
    void ShowPauseButton(bool pause);

    // Sets the skin of every skinned element, keeping the client area's size.
    void ApplySkinIndex(int index);

    // --- dialogs seam ---
    // The dialogs in force: the installed ones, else the window's own.
    TFrontEndDialogs& Dialogs();
    // Installs dialogs for every main window (tests, before the forms are made; nullptr
    // restores the window's own). The caller keeps them.
    static void SetDialogs(TFrontEndDialogs* dialogs);

    // --- start-up and closing ---
    void FormCreate(TObject* Sender);
    void FormCloseQuery(TObject* Sender, bool& CanClose);

    // --- dispatchers: visible commands that invoke a command button ---
    void N2222Click(TObject* Sender);
    void N21Click(TObject* Sender);
    void N3331Click(TObject* Sender);
    void N4Click(TObject* Sender);
    void skSkinButton7Click(TObject* Sender);
    void skSkinButton8Click(TObject* Sender);
    void skSkinButton2Click(TObject* Sender);
    void skSkinButton10Click(TObject* Sender);
    void skSkinButton11Click(TObject* Sender);
    void skSkinButton12Click(TObject* Sender);
    void skSkinButton6Click(TObject* Sender);
    void Video_OutPut_Folder_EditClick(TObject* Sender);

    // --- settings file ---
    void Button17Click(TObject* Sender);
    void Button16Click(TObject* Sender);
    void skSkinButton5Click(TObject* Sender);
    void Button3Click(TObject* Sender);
    void Button4Click(TObject* Sender);

    // --- skins, options, help, about, log ---
    void N23Click(TObject* Sender);
    void N24Click(TObject* Sender);
    void N15Click(TObject* Sender);
    void N19Click(TObject* Sender);
    void N5Click(TObject* Sender);
    void Button21Click(TObject* Sender);
    void FFLoggerLog(const void* Sender, std::uint32_t AThreadID, TLogLevel ALogLevel, const std::string& ALogMsg);

    // What the secondary settings form reaches of this window.
    TSecondaryHost& SecondaryHost() { return *FSecondaryHost; }

    // ---- job list, adding, conversion, selection (Unit1Jobs*.cpp) ----
    void BindJobHandlers();
    // The job list and its option slots (Unit1Jobs.cpp).
    void Button15Click(TObject* Sender);
    void btnRemoveClick(TObject* Sender);
    void btnClearClick(TObject* Sender);
    void skSkinButton3Click(TObject* Sender);
    void skSkinButton4Click(TObject* Sender);
    void skSkinButton21Click(TObject* Sender);
    void N26Click(TObject* Sender);
    void lvFilesDblClick(TObject* Sender);
    void lvFilesClick(TObject* Sender);
    void edtExit(TObject* Sender);
    void edtKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
    int JobCount() const;
    int SelectedJob() const;  // -1 without a selected row
    std::string JobText(int Row, int Column) const;
    void SetJobText(int Row, int Column, const std::string& Text);
    class TOptionSlots& JobSlots();
    // Adding files (Unit1JobsAdd.cpp).
    void btnAddClick(TObject* Sender);
    void Button8Click(TObject* Sender);
    void Button12Click(TObject* Sender);
    // The regular files of a folder matching the mask, in the file system's order.
    std::vector<std::string> GetFilenames(const std::string& FilePath, const std::string& ExtMask);
    // Conversion control and the converter's events (Unit1JobsConvert.cpp).
    void btnStartClick(TObject* Sender);
    void button28Click(TObject* Sender);
    void Button22Click(TObject* Sender);
    void Button23Click(TObject* Sender);
    void btnPauseClick(TObject* Sender);
    void btnResumeClick(TObject* Sender);
    void btnStopClick(TObject* Sender);
    void FFConverterProgress(class TCustomFFmpegConverter* Sender, PProgressInfo AProgressInfo);
    void FFConverterTerminate(class TCustomFFmpegConverter* Sender, const TTerminateInfo& ATerminateInfo);
    void Button20Click(TObject* Sender);
    void Button25Click(TObject* Sender);
    void Button29Click(TObject* Sender);
    // The catalogue, the six parameter boxes and the row selection (Unit1JobsSelect.cpp).
    void Button2Click(TObject* Sender);
    void Button5Click(TObject* Sender);
    void Button6Click(TObject* Sender);
    void Button13Click(TObject* Sender);
    void Button18Click(TObject* Sender);
    void skSkinComboBox1Change(TObject* Sender);
    void skSkinComboBox2Change(TObject* Sender);
    void skSkinComboBox3Change(TObject* Sender);
    void skSkinComboBox4Change(TObject* Sender);
    void skSkinComboBox9Change(TObject* Sender);
    void skSkinComboBox10Change(TObject* Sender);
    void skSkinOfficeComboBox1Change(TObject* Sender);
    void skSkinOfficeComboBox2Change(TObject* Sender);
    void lvFilesSelectItem(TObject* Sender, class TListItem* Item, bool Selected);
    // What the job handlers keep between calls (Unit1Jobs.h).
    struct TJobState;
    std::shared_ptr<TJobState> FJobs;
    // ---- end jobs ----

    // ---- preview and snapshots (Unit1Preview*.cpp) ----
    void BindPreviewHandlers();
    // The preview panel (Unit1Preview.cpp).
    void Button31Click(TObject* Sender);
    void FFPlayerFileOpen(TCustomPlayer* Sender, std::int64_t ADuration, int AFrameWidth, int AFrameHeight,
                          int& AScreenWidth, int& AScreenHeight);
    void FFPlayerPosition(TCustomPlayer* Sender, std::int64_t APTS);
    void FFPlayerState(TCustomPlayer* Sender, TPlayState AState);
    void skSkinButton13Click(TObject* Sender);  // play
    void skSkinButton14Click(TObject* Sender);  // pause
    void skSkinButton15Click(TObject* Sender);  // stop
    void skSkinButton16Click(TObject* Sender);  // mute
    void skSkinButton20Click(TObject* Sender);  // unmute
    void skSkinSlider1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void skSkinSlider1MouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    // Snapshots (Unit1PreviewSnapshots.cpp).
    void skSkinButton22Click(TObject* Sender);
    void skSkinButton23MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void skSkinButton23Click(TObject* Sender);
    void MenuItem1Click(TObject* Sender);
    void MenuItem2Click(TObject* Sender);
    void BMP1Click(TObject* Sender);
    void JPG1Click(TObject* Sender);
    void GIF1Click(TObject* Sender);
    void PNG1Click(TObject* Sender);

private:
    void BindSnapshotHandlers();
    // The player's host for the render control named by cboScreens (FScreenControl), made once
    // per window; nullptr without such a control.
    TPlayerHost* PreviewHost();
    // Opens T_Movie_PLayer_FileName into the render control; a failure goes to the log.
    bool OpenPreview();
    void TickSnapshotType(TSnapshotType Type);
    void ChooseSnapshotType(TSnapshotType Type);
    // Shared, so that the window's teardown needs no complete type.
    std::shared_ptr<TPlayerHost> FPreviewHost;
    HWND FPreviewHostWindow = nullptr;

public:
    // ---- end preview ----

protected:
    // The engine's components go before the windows they draw into.
    void BeforeDestruction() override;

private:
    void BuildSkinsAndPictures();
    void BuildMenus();
    void BuildToolBar();
    void BuildPreviewGroup();
    void BuildJobList();
    void BuildSettingsPages();
    void BuildOffScreenPanels();
    void BindHandlers();

    std::unique_ptr<TFrontEndDialogs> FOwnDialogs;
    std::unique_ptr<TFFmpegConverter> FConverter;
    std::unique_ptr<TFFLogger> FLogger;
    std::unique_ptr<TFFPlayer> FPlayer;
    std::unique_ptr<TSecondaryHost> FSecondaryHost;
};

extern TForm1* Form1;
