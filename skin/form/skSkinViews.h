#pragma once
// The skinned tree and list views: the class library's views with the skin's font and colours,
// no border and no scroll bars of their own. They drive two skinned scroll bars that stand beside
// them on the same parent and follow the views' scroll state; the list view draws its column
// header itself from a button description ("resizetoolbutton").

#include "classlib/ComCtrls.h"
#include "skin/form/skSkinChange.h"
#include "skin/form/skSkinScrollBar.h"

#include <functional>
#include <memory>
#include <string>

class TskDataSkinButtonControl;

// What both views keep of their skin and their attached bars.
class TskSkinViewBinding : public TskSkinChangeable {
public:
    // Stores the skin data and applies a non-empty one at once.
    void SetSkinData(TskSkinData* Value);
    // Into DefaultFont, and into the view's font while it has no description.
    void SetDefaultFont(TFont* Value);
    // The view's colour too while it has no description.
    void SetDefaultColor(TColor Value);
    // A bar is enabled, hidden and bound to the view's handler of its OnChange.
    void SetVScrollBar(TskSkinScrollBar* Value);
    void SetHScrollBar(TskSkinScrollBar* Value);
    // Brings the attached bars to the view's scroll state.
    virtual void UpDateScrollBars() = 0;

    TskSkinData* GetSkinData() const override { return FSD; }
    const std::string& GetSkinDataName() const { return FSkinDataName; }
    void SetSkinDataName(const std::string& Value) { FSkinDataName = Value; }
    TFont* DefaultFont() const { return FDefaultFont.get(); }
    TColor GetDefaultColor() const { return FDefaultColor; }
    bool GetUseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
    TskSkinScrollBar* GetVScrollBar() const { return FVScrollBar; }
    TskSkinScrollBar* GetHScrollBar() const { return FHScrollBar; }
    int GetIndex() const { return FIndex; }

protected:
    TskSkinViewBinding(TControl* View, const std::string& Name);
    virtual void OnVScrollBarChange(TObject* Sender) = 0;
    virtual void OnHScrollBarChange(TObject* Sender) = 0;
    // Clears the reference to a removed skin data or bar.
    void ForgetRemoved(TComponent* AComponent);
    // The description's font and colours on the view (steps 1 to 4 of a skin change).
    template <class TDescription>
    void ApplySkin();
    // Shows or hides a bar; true when its visibility changed.
    bool ShowBar(TskSkinScrollBar* Bar, bool Show);
    // The horizontal bar leaves the corner free while the vertical one shows; an aligned view's
    // parent realigns when a bar came or went.
    void FinishBars(bool Changed);

    TControl* FView;
    bool FInCheckScrollBars = false;
    TskSkinData* FSD = nullptr;
    std::string FSkinDataName;
    int FIndex = -1;
    std::unique_ptr<TFont> FDefaultFont;
    bool FUseSkinFont = true;
    TColor FDefaultColor = clWindow;
    TskSkinScrollBar* FVScrollBar = nullptr;
    TskSkinScrollBar* FHScrollBar = nullptr;
};

class TskSkinCustomTreeView : public TCustomTreeView, public TskSkinViewBinding {
public:
    explicit TskSkinCustomTreeView(TComponent* AOwner);
    ~TskSkinCustomTreeView() override;

    void ChangeSkinData() override;
    void UpDateScrollBars() override;

    void Dispatch(TMessage& Message) override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;
    void Change(TTreeNode* Node) override;
    void OnVScrollBarChange(TObject* Sender) override;
    void OnHScrollBarChange(TObject* Sender) override;
};

using TskDrawHeaderSectionEvent = std::function<void(TCanvas* Cnvs, TListColumn* Column, bool Pressed, RECT R)>;

class TskSkinCustomListView : public TCustomListView, public TskSkinViewBinding {
public:
    explicit TskSkinCustomListView(TComponent* AOwner);
    ~TskSkinCustomListView() override;

    const std::string& GetHeaderSkinDataName() const { return FHeaderSkinDataName; }
    void SetHeaderSkinDataName(const std::string& Value) { FHeaderSkinDataName = Value; }
    void ChangeSkinData() override;
    void UpDateScrollBars() override;
    // The subclassed header window, nullptr when none.
    HWND HeaderHandle() const { return FHeaderHandle; }
    // Paints the header into a device context (nullptr: through BeginPaint); a context passed
    // in stays its owner's.
    void PaintHeader(HDC DC);

    void Dispatch(TMessage& Message) override;

    TskDrawHeaderSectionEvent OnDrawHeaderSection;

protected:
    void CreateParams(TCreateParams& Params) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;
    void Change(TListItem* Item, TItemChange Change) override;
    void OnVScrollBarChange(TObject* Sender) override;
    void OnHScrollBarChange(TObject* Sender) override;

private:
    static LRESULT HeaderProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT HeaderWndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    void SubclassHeader(HWND Header);
    void UnsubclassHeader();
    void GetHeaderSkinData();
    RECT GetHeaderSectionRect(int Index);
    void DrawHeaderSection(TCanvas* Cnvs, TListColumn* Column, RECT R, bool Pressed);
    void UpDateIconScrollBars();
    void UpDateListScrollBars();
    void UpDateReportScrollBars();
    RECT FirstItemRect();

    bool FDevDown = false;
    std::string FHeaderSkinDataName = "resizetoolbutton";
    bool FromSB = false;
    int FOldVScrollBarPos = 0, FOldHScrollBarPos = 0;
    HWND FHeaderHandle = nullptr;
    WNDPROC FDefHeaderProc = nullptr;
    int FActiveSection = -1;
    bool FHeaderDown = false;
    int FHIndex = -1;
    const TskDataSkinButtonControl* FHeaderDescription = nullptr;
    TBitmap* HPicture = nullptr;
};

class TskSkinListView : public TskSkinCustomListView {
public:
    using TskSkinCustomListView::TskSkinCustomListView;
};
