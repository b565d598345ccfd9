#pragma once
// TskSkinScrollBox: a skinned container whose children may be larger than its client area. Two
// external skinned scroll bars are attached (VScrollBar, HScrollBar); the box shows a bar only
// while its content does not fit, moves the children when a bar moves, and pulls the content
// back when the box grows or the content shrinks while scrolled. Its background is the client
// part of its skin image ("scrollbox") or a separate skin picture, stretched or tiled.

#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinScrollBar.h"

class TskSkinScrollBox : public TskSkinCustomControl {
public:
    explicit TskSkinScrollBox(TComponent* AOwner);

    TskSkinScrollBar* GetVScrollBar() const { return FVScrollBar; }
    void SetVScrollBar(TskSkinScrollBar* Value);
    TskSkinScrollBar* GetHScrollBar() const { return FHScrollBar; }
    void SetHScrollBar(TskSkinScrollBar* Value);
    TskSkinBorderStyle GetBorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TskSkinBorderStyle Value);
    // A click focuses the box; a click that cannot take the focus is dropped.
    bool GetCanFocused() const { return FCanFocused; }
    void SetCanFocused(bool Value) { FCanFocused = Value; }

    // The range checks: bars shown or hidden, ranges set, content pulled back (horizontal first).
    void UpDateScrollRange();
    void GetVRange();
    void GetHRange();
    // Scrolls to APosition when the bar is attached and has a page size (the children move once).
    void VScroll(int APosition);
    void HScroll(int APosition);

    // The skin's background picture for the box (-1: none), from the description.
    int BGPictureIndex = -1;

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void LookupSkinData() override;
    void ChangeSkinData() override;
    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void CreateParams(TCreateParams& Params) override;
    void AdjustClientRect(RECT& Rect) override;
    void Paint() override;
    void CreateControlDefaultImage(TBitmap* B) override;

private:
    void checkRange(bool Vertical);
    void moveChildren(bool Vertical, int By);
    void barChanged(bool Vertical);
    bool hasFrame();
    void paintBorder(HDC DC);
    void attach(TskSkinScrollBar*& Slot, TskSkinScrollBar* Value, bool Vertical);

    bool FClicksDisabled = false;
    bool FCanFocused = false;
    bool FInCheckScrollBars = false;
    TskSkinScrollBar* FVScrollBar = nullptr;
    TskSkinScrollBar* FHScrollBar = nullptr;
    int FOldVScrollBarPos = 0, FOldHScrollBarPos = 0;
    int FVSizeOffset = 0, FHSizeOffset = 0;
    TskSkinBorderStyle FBorderStyle = bvFrame;
};
