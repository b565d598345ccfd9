#include "DemoForms.h"

#include "classlib/Bitmap.h"
#include "classlib/Canvas.h"
#include "classlib/Picture.h"

namespace {

template <class T>
T* Place(TComponent* owner, TWinControl* parent, const char* name, RECT bounds)
{
    auto* c = new T(owner);
    c->SetName(name);
    c->SetParent(parent);
    c->SetBoundsRect(bounds);
    return c;
}

TMenuItem* Item(TComponent* owner, TMenuItem* parent, const char* caption, TShortCut shortCut = 0)
{
    auto* item = new TMenuItem(owner);
    item->SetCaption(caption);
    item->SetShortCut(shortCut);
    parent->Add(item);
    return item;
}

// A small picture drawn in code: a colour ramp with a white disc.
void DrawPicture(TPicture* picture)
{
    TBitmap* b = picture->Bitmap();
    b->SetSize(64, 48);
    TCanvas* c = b->Canvas();
    for (int x = 0; x < 64; ++x) {
        c->Pen()->SetColor(static_cast<TColor>(RGB(static_cast<BYTE>(x * 4), 96, static_cast<BYTE>(255 - x * 4))));
        c->MoveTo(x, 0);
        c->LineTo(x, 48);
    }
    c->Pen()->SetColor(clWhite);
    c->Brush()->SetColor(clWhite);
    c->Ellipse(20, 12, 44, 36);
}

} // namespace

TDemoDialog::TDemoDialog(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    SetName("DemoDialog");
    SetCaption("Options");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetPosition(TPosition::poMainFormCenter);
    SetBounds(0, 0, 260, 130);
    Option = Place<TCheckBox>(this, this, "Option", RECT{16, 16, 220, 34});
    Option->SetCaption("Open the output folder");
    OkButton = Place<TButton>(this, this, "OkButton", RECT{56, 56, 131, 81});
    OkButton->SetCaption("OK");
    OkButton->SetDefault(true);
    OkButton->SetModalResult(mrOk);
    CancelButton = Place<TButton>(this, this, "CancelButton", RECT{140, 56, 215, 81});
    CancelButton->SetCaption("Cancel");
    CancelButton->SetCancel(true);
    CancelButton->SetModalResult(mrCancel);
    EndLoading();
}

TDemoForm::TDemoForm(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    SetName("DemoForm");
    SetCaption("Class library demo");
    SetPosition(TPosition::poScreenCenter);
    SetBounds(0, 0, 380, 250);

    Menu = new TMainMenu(this);
    TMenuItem* file = Item(this, Menu->Items(), "&File");
    Item(this, file, "&Open...", static_cast<TShortCut>(scCtrl | 'O'));
    Item(this, file, "-");
    Item(this, file, "E&xit");
    Item(this, Item(this, Menu->Items(), "&Help"), "&About", 0x70);
    SetMenu(Menu);

    Header = Place<TPanel>(this, this, "Header", RECT{0, 0, 380, 72});
    Header->SetAlign(TAlign::alTop);
    Header->SetCaption("");
    Header->SetBevelInner(TPanelBevel::bvLowered);
    Title = Place<TLabel>(this, Header, "Title", RECT{84, 14, 200, 30});
    Title->SetCaption("A panel with a label and an image");
    Title->SetTransparent(true);
    Picture = Place<TImage>(this, Header, "Picture", RECT{10, 12, 74, 60});
    DrawPicture(Picture->Picture());

    Remember = Place<TCheckBox>(this, this, "Remember", RECT{16, 88, 250, 106});
    Remember->SetCaption("Remember the choice");
    Remember->SetChecked(true);
    Status = Place<TLabel>(this, this, "Status", RECT{16, 116, 300, 132});
    Status->SetCaption("Enter presses OK, Escape presses Cancel.");

    OkButton = Place<TButton>(this, this, "OkButton", RECT{16, 150, 91, 175});
    OkButton->SetCaption("OK");
    OkButton->SetDefault(true);
    CancelButton = Place<TButton>(this, this, "CancelButton", RECT{100, 150, 175, 175});
    CancelButton->SetCaption("Cancel");
    CancelButton->SetCancel(true);
    DialogButton = Place<TButton>(this, this, "DialogButton", RECT{200, 150, 290, 175});
    DialogButton->SetCaption("Dialog...");

    Dialog = new TDemoDialog(this);
    EndLoading();
}
