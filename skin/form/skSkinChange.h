#pragma once
// How a skin change reaches the skinned controls of a form. Every skinned class the frame must
// reach (the control bases, the labels, bevel and splitter, the views, the page control, the
// edits and link label of the input controls) implements TskSkinChangeable; the frame walks the
// form's controls and calls each one whose skin data sent the change. The interface keeps this
// unit free of the classes that implement it (the input controls live in a later library).

class TControl;
class TskSkinData;

class TskSkinChangeable {
public:
    virtual ~TskSkinChangeable() = default;
    // The skin data the control draws from (may be nullptr).
    virtual TskSkinData* GetSkinData() const = 0;
    // Called before the skin is replaced; only the windowed and graphic control bases forget
    // their description here.
    virtual void BeforeChangeSkinData() {}
    // Re-reads the control's description and repaints.
    virtual void ChangeSkinData() = 0;
};

// A skinned edit or combo box: the frame of an MDI main form tells each visible, enabled one it
// owns (CM_CANCELMODE with both parameters 0) to close its drop-downs when a closing message
// arrives. The interface only marks the classes; the input controls live in a later library.
class TskDropDownCancelable {
public:
    virtual ~TskDropDownCancelable() = default;
};

// The special keys a control with a drop-down list takes before its form turns them into dialog
// keys (its answer to CM_WANTSPECIALKEY): the arrows always, Enter and Escape while the list is
// open, so that they close the list (Enter choosing its item) and never the dialog.
bool DropDownWantsKey(unsigned Key, bool ListOpen);

// Applies to Control, then to each of its children in order (a windowed child recursively).
// A control is applied to when it implements TskSkinChangeable and its skin data is SkinData,
// or SkinData is nullptr (which stands for every skinned control).
void NotifyBeforeSkinChange(TskSkinData* SkinData, TControl* Control);
void NotifySkinChange(TskSkinData* SkinData, TControl* Control);
