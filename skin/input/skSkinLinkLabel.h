#pragma once
// TskSkinLinkLabel: a transparent label that shows its caption underlined in the skin's label
// font ("stdlabel"), turns its active colour or lights up with a glow while the mouse is over
// it, and opens URL with the desktop's handler when clicked.

#include "classlib/StdCtrls.h"
#include "skin/core/skSkinData.h"
#include "skin/form/skSkinChange.h"

#include <functional>
#include <memory>
#include <string>

class TskSkinLinkLabel : public TCustomLabel, public TskSkinChangeable {
public:
    explicit TskSkinLinkLabel(TComponent* AOwner);
    ~TskSkinLinkLabel() override;

    TskSkinData* GetSkinData() const override { return FSD; }
    void SetSkinData(TskSkinData* Value);
    const std::string& GetSkinDataName() const { return FSkinDataName; }
    void SetSkinDataName(const std::string& Value) { FSkinDataName = Value; }
    // Looks the description up again and repaints at once.
    void ChangeSkinData() override;

    bool GetGlowEffect() const { return FGlowEffect; }
    void SetGlowEffect(bool Value) { FGlowEffect = Value; }
    int GetGlowSize() const { return FGlowSize; }
    void SetGlowSize(int Value) { FGlowSize = Value; }
    bool GetUseUnderLine() const { return FUseUnderLine; }
    void SetUseUnderLine(bool Value);
    bool GetUseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
    TColor GetDefaultActiveFontColor() const { return FDefaultActiveFontColor; }
    void SetDefaultActiveFontColor(TColor Value) { FDefaultActiveFontColor = Value; }
    const std::string& GetURL() const { return FURL; }
    void SetURL(const std::string& Value) { FURL = Value; }
    TFont* DefaultFont() const { return FDefaultFont.get(); }
    void SetDefaultFont(TFont* Value) { FDefaultFont->Assign(Value); }
    bool MouseIn() const { return FMouseIn; }
    int GetIndex() const { return FIndex; }

    // Copied from the description.
    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight = 0;
    TColor FontColor = 0;
    TColor ActiveFontColor = 0;

    // Raises OnClick, then asks the desktop to open URL (when not empty); never waits for it.
    // When the desktop refuses it (no program for it), OnOpenFailed hears of it.
    void Click() override;
    std::function<void(TObject* Sender, const std::string& URL)> OnOpenFailed;
    void Dispatch(TMessage& Message) override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // The text with the link's font, colour, underline and glow; measuring leaves the rectangle
    // as the label is (a link keeps the size it was given).
    void DoDrawText(TCanvas* Canvas, RECT& Rect, UINT Flags) override;

private:
    void lookup();

    bool FGlowEffect = false;
    int FGlowSize = 7;
    bool FMouseIn = false;
    int FIndex = -1;
    TskSkinData* FSD = nullptr;
    std::string FSkinDataName = "stdlabel";
    std::unique_ptr<TFont> FDefaultFont;
    bool FUseSkinFont = true;
    TColor FDefaultActiveFontColor = static_cast<TColor>(RGB(0, 0, 255));
    std::string FURL;
    bool FUseUnderLine = true;
};
