// The skinned message box: its layout numbers, default and cancel buttons, Help, the "do not
// display again" check box, captions from a string store or the English fallbacks, the position
// hook and the width clamp. Each box runs the class library's modal loop, scripted by idle steps.

#include "SkinFormSupport.h"

#include "classlib/Bitmap.h"
#include "classlib/ExtCtrls.h"
#include "classlib/ImgList.h"
#include "classlib/Picture.h"
#include "skin/core/skDataSkinControls.h"
#include "skin/core/skResourceStrData.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/input/skMessages.h"

#include <stdexcept>
#include <vector>

namespace {

struct ComponentFree {
    void operator()(TComponent* C) const { C->Free(); }
};

class SkinMessage : public SkinFormTest {
protected:
    ~SkinMessage() override { EXPECT_EQ(kit.PendingIdleSteps(), 0u); }

    // The box on the screen now.
    static TskMessageForm* Box()
    {
        auto* box = dynamic_cast<TskMessageForm*>(Screen->ActiveCustomForm());
        EXPECT_NE(box, nullptr);
        return box;
    }
    template <class T>
    static T* Part(const std::string& Name)
    {
        return dynamic_cast<T*>(Box()->FindComponent(Name));
    }
    static TskSkinButton* Button(const std::string& Name) { return Part<TskSkinButton>(Name); }
    // A press on the button's centre.
    void Press(const std::string& Name)
    {
        TskSkinButton* b = Button(Name);
        ASSERT_NE(b, nullptr) << Name;
        kit.Click(ScreenOf(b, b->GetWidth() / 2, b->GetHeight() / 2));
    }
    // A string store with Lines in the control skin.
    void UseStore(std::vector<std::string> Lines)
    {
        auto* lines = new TStringList;
        for (const std::string& l : Lines)
            lines->Add(l);
        store.reset(new TskResourceStrData(nullptr));
        store->SetResStrings(lines);
        delete lines;
        ctrl.reset(new TskSkinData(nullptr));
        ctrl->SetResourceStrData(store.get());
        msg->SetCtrlSkinData(ctrl.get());
    }

    std::unique_ptr<TskSkinMessage, ComponentFree> msg{new TskSkinMessage(nullptr)};
    std::unique_ptr<TskResourceStrData, ComponentFree> store;
    std::unique_ptr<TskSkinData, ComponentFree> ctrl;
};

TEST_F(SkinMessage, InformationBoxLayoutWithoutSkin)
{
    kit.WhenIdle([&] {
        TskMessageForm* box = Box();
        EXPECT_EQ(box->GetCaption(), "Done");
        auto* label = Part<TskSkinStdLabel>("Message");
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->GetCaption(), "Saved to a&b.mp4");
        EXPECT_EQ(label->GetLeft(), 50);
        EXPECT_EQ(label->GetTop(), 15);
        const int h = label->GetHeight(), lr = 50 + label->GetWidth();
        ASSERT_LT(h, 22);  // so the icon's computed top (below 10) is raised to 10
        auto* image = Part<TImage>("Image");
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->GetBoundsRect(), (RECT{5, 10, 37, 42}));
        EXPECT_EQ(box->GetClientHeight(), 25 + h + 50);
        EXPECT_EQ(box->GetClientWidth(), std::max(lr, 70) + 40);
        TskSkinButton* ok = Button("OK");
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(ok->GetBoundsRect(), (RECT{(box->GetClientWidth() - 70) / 2, box->GetClientHeight() - 35,
                                             (box->GetClientWidth() - 70) / 2 + 70, box->GetClientHeight() - 10}));
        EXPECT_EQ(ok->GetCaption(), "OK");
        EXPECT_TRUE(ok->GetDefault());
        EXPECT_TRUE(ok->GetCancel());
        EXPECT_EQ(box->DisplayCheckBox, nullptr);
        // The information icon: a blue disc with a white "i" in the middle.
        const COLORREF disc = PixelOf(image, 8, 20), letter = PixelOf(image, 16, 18);
        EXPECT_GT(GetBValue(disc), GetRValue(disc) + 100);
        EXPECT_EQ(letter, RGB(255, 255, 255));
        kit.PressKey(VK_RETURN);
    });
    EXPECT_EQ(msg->MessageDlg2("Saved to a&b.mp4", "Done", mtInformation, {mbOK}, 0), mrOk);
    EXPECT_EQ(Screen->CustomFormCount(), 0);
}

TEST_F(SkinMessage, ButtonsInTableOrderWithDefaultAndCancelKinds)
{
    struct Case {
        TMsgDlgButtons buttons;
        std::vector<std::string> names;  // left to right
        std::string byDefault, cancel;   // "" = none
        int escape;                      // the result of Escape; 0 = the box stays open
    };
    const std::vector<Case> cases{
        {{mbNo, mbYes}, {"Yes", "No"}, "Yes", "No", mrNo},
        {{mbIgnore, mbRetry, mbAbort}, {"Abort", "Retry", "Ignore"}, "Retry", "", 0},
        {{mbCancel, mbOK}, {"OK", "Cancel"}, "OK", "Cancel", mrCancel},
        {{mbYes, mbNo, mbCancel}, {"Yes", "No", "Cancel"}, "Yes", "Cancel", mrCancel},
        {{mbClose, mbYesToAll, mbNoToAll, mbAll}, {"All", "NoToAll", "YesToAll", "Close"}, "", "", 0},
        {{mbOK}, {"OK"}, "OK", "OK", mrOk},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.names.front());
        kit.WhenIdle([&] {
            const int n = static_cast<int>(c.names.size());
            int x = (Box()->GetClientWidth() - (n * 70 + (n - 1) * 10)) / 2;
            for (const std::string& name : c.names) {
                TskSkinButton* b = Button(name);
                ASSERT_NE(b, nullptr) << name;
                EXPECT_EQ(b->GetLeft(), x) << name;
                EXPECT_EQ(b->GetDefault(), name == c.byDefault) << name;
                EXPECT_EQ(b->GetCancel(), name == c.cancel) << name;
                x += 80;
            }
            kit.PressKey(VK_ESCAPE);
        });
        if (c.escape == 0)
            kit.WhenIdle([&] { Box()->SetModalResult(mrIgnore); });
        EXPECT_EQ(msg->MessageDlg("Go on?", mtConfirmation, c.buttons, 0), c.escape == 0 ? mrIgnore : c.escape);
    }
}

TEST_F(SkinMessage, EachButtonClosesWithItsResult)
{
    const std::vector<std::pair<TMsgDlgBtn, int>> buttons{
        {mbYes, 6}, {mbNo, 7}, {mbOK, 1}, {mbCancel, 2}, {mbAbort, 3}, {mbRetry, 4},
        {mbIgnore, 5}, {mbAll, 8}, {mbNoToAll, 9}, {mbYesToAll, 10}, {mbClose, 11},
    };
    const char* names[] = {"Yes", "No", "OK", "Cancel", "Abort", "Retry", "Ignore", "All", "NoToAll", "YesToAll",
                           "Help", "Close"};
    const char* captions[] = {"&Yes", "&No", "OK", "Cancel", "&Abort", "&Retry", "&Ignore", "&All", "N&oToAll",
                              "&YesToAll", "&Help", "Close"};
    for (const auto& [kind, result] : buttons) {
        const std::string name = names[kind];
        kit.WhenIdle([&] {
            EXPECT_EQ(Button(name)->GetCaption(), captions[kind]);
            Press(name);
        });
        EXPECT_EQ(msg->MessageDlg("Pick", mtWarning, {kind}, 0), result) << name;
    }
}

TEST_F(SkinMessage, HelpCallsTheContextHelpAndLeavesTheBoxOpen)
{
    std::vector<int> asked;
    Application->OnHelp = [&](WORD Command, int Data) {
        EXPECT_EQ(Command, HELP_CONTEXT);
        asked.push_back(Data);
        return true;
    };
    kit.WhenIdle([&] {
        EXPECT_EQ(Box()->GetHelpFile(), "guide.html");
        Press("Help");
    });
    kit.WhenIdle([&] {
        EXPECT_EQ(asked, std::vector<int>{42});
        Press("OK");
    });
    EXPECT_EQ(msg->MessageDlgHelp("Read on", mtInformation, {mbOK, mbHelp}, 42, "guide.html"), mrOk);

    Application->OnHelp = nullptr;  // without a help handler nothing happens
    kit.WhenIdle([&] { Press("Help"); });
    kit.WhenIdle([&] { Press("OK"); });
    EXPECT_EQ(msg->MessageDlg("Read on", mtInformation, {mbOK, mbHelp}, 7), mrOk);
    EXPECT_EQ(asked.size(), 1u);
}

TEST_F(SkinMessage, CheckBoxWritesTheFlagBackOnEveryPath)
{
    msg->SetShowAgainFlag(true);  // ShowAgainFlagValue stays False: the box starts checked
    kit.WhenIdle([&] {
        TskMessageForm* box = Box();
        auto* check = Part<TskSkinCheckRadioBox>("checkbox");
        ASSERT_EQ(check, box->DisplayCheckBox);
        EXPECT_TRUE(check->GetChecked());
        EXPECT_EQ(check->GetCaption(), "Do not display this message again");
        const int h = box->Message->GetHeight();
        EXPECT_EQ(box->GetClientHeight(), 25 + h + 50 + 40);
        const int tw = box->Canvas()->TextWidth("Do not display this message again");
        EXPECT_EQ(check->GetBoundsRect(), (RECT{5, box->GetClientHeight() - 75, 60 + tw, box->GetClientHeight() - 45}));
        EXPECT_GE(box->GetClientWidth(), tw + 60);  // the long caption widened the box
        kit.PressKey(VK_RETURN);
    });
    EXPECT_EQ(msg->MessageDlg("Converted.", mtInformation, {mbOK}, 0), mrOk);
    EXPECT_FALSE(msg->GetShowAgainFlagValue());

    kit.WhenIdle([&] {
        Box()->DisplayCheckBox->SetChecked(false);
        Press("OK");
    });
    msg->MessageDlg2("Converted.", "Done", mtInformation, {mbOK}, 0);
    EXPECT_TRUE(msg->GetShowAgainFlagValue());

    // A failure while the box is shown: the flag is still written and the form freed.
    kit.WhenIdle([&] {
        Box()->DisplayCheckBox->SetChecked(true);
        throw std::runtime_error("lost display");
    });
    EXPECT_THROW(msg->MessageDlg("Converted.", mtInformation, {mbOK}, 0), std::runtime_error);
    EXPECT_FALSE(msg->GetShowAgainFlagValue());
    EXPECT_EQ(Screen->CustomFormCount(), 0);

    msg->SetShowAgainFlagValue(true);  // the wide boxes never offer it
    kit.WhenIdle([&] {
        EXPECT_EQ(Box()->DisplayCheckBox, nullptr);
        EXPECT_EQ(Box()->FindComponent("checkbox"), nullptr);
        Press("OK");
    });
    msg->WideMessageDlg("Converted.", mtInformation, {mbOK}, 0);
    EXPECT_TRUE(msg->GetShowAgainFlagValue());
}

TEST_F(SkinMessage, CaptionsFromTheStringStoreUsedEvenWhenEmpty)
{
    UseStore({"MSG_BTN_YES=是", "MSG_BTN_NO=否", "MSG_CAP_CONFIRM=确认", "MSG_CAP_SHOWFLAG="});
    msg->SetShowAgainFlag(true);
    kit.WhenIdle([&] {
        EXPECT_EQ(Box()->GetCaption(), "确认");
        EXPECT_EQ(Button("Yes")->GetCaption(), "是");
        EXPECT_EQ(Button("No")->GetCaption(), "否");
        EXPECT_EQ(Button("Cancel")->GetCaption(), "");  // the store lacks the key: no fallback
        EXPECT_EQ(Box()->DisplayCheckBox->GetCaption(), "Do not display this message again");
        EXPECT_EQ(Button("Yes")->GetHeight(), 25);  // an empty skin has no button description
        Press("No");
    });
    EXPECT_EQ(msg->MessageDlg("Overwrite?", mtConfirmation, {mbYes, mbNo, mbCancel}, 0), mrNo);
}

TEST_F(SkinMessage, CaptionsAndIconsByTypeWithoutAStore)
{
    Application->SetTitle("Zudevivivoduv");
    struct Case {
        TMsgDlgType type;
        std::string caption;
        bool icon;
    };
    for (const Case& c : {Case{mtWarning, "Warning", true}, Case{mtError, "Error", true},
                          Case{mtInformation, "Information", true}, Case{mtConfirmation, "Confirm", true},
                          Case{mtCustom, "Zudevivivoduv", false}}) {
        kit.WhenIdle([&] {
            EXPECT_EQ(Box()->GetCaption(), c.caption);
            TPicture* picture = Part<TImage>("Image")->Picture();
            EXPECT_EQ(picture->GetWidth(), c.icon ? 32 : 0) << c.caption;
            Press("OK");
        });
        msg->MessageDlg("Text", c.type, {mbOK}, 0);
    }
}

TEST_F(SkinMessage, PositionHookOnlyForThePositionedBoxes)
{
    std::vector<int> seen;
    msg->OnSetShowPos = [&](int& AX, int& AY, int AWidth, int AHeight) {
        seen = {AX, AY, AWidth, AHeight};
        AX = 300;
        AY = 200;
    };
    kit.WhenIdle([&] {
        EXPECT_EQ(seen, (std::vector<int>{100, 120, Box()->GetWidth(), Box()->GetHeight()}));
        EXPECT_EQ(Box()->GetLeft(), 300);
        EXPECT_EQ(Box()->GetTop(), 200);
        Press("OK");
    });
    msg->MessageDlgPos("Here", mtInformation, {mbOK}, 0, 100, 120);

    seen.clear();
    kit.WhenIdle([&] {
        EXPECT_EQ(Box()->GetLeft(), 100);
        EXPECT_EQ(Box()->GetTop(), 120);
        Press("OK");
    });
    msg->WideMessageDlgPos("Here", mtInformation, {mbOK}, 0, 100, 120);
    EXPECT_TRUE(seen.empty());
}

TEST_F(SkinMessage, WidthClampedToTheFrameLimits)
{
    // A text wider than the work area wraps: the box stays within the frame's limit (the work
    // area's width) and the label within the box.
    kit.WhenIdle([&] {
        EXPECT_LE(Box()->GetWidth(), Box()->BSF->GetMaxWidth());
        EXPECT_LE(Box()->GetWidth(), 1280);
        EXPECT_GT(Box()->GetWidth(), 1200);
        EXPECT_LE(Box()->Message->GetBoundsRect().right, Box()->GetClientWidth());
        EXPECT_GT(Box()->Message->GetHeight(), 2 * Part<TskSkinButton>("OK")->GetHeight());
        Press("OK");
    });
    msg->MessageDlg(std::string(400, 'W'), mtWarning, {mbOK}, 0);

    // No buttons: nothing but the label decides the width, then the frame's minimum.
    kit.WhenIdle([&] {
        for (int i = 0; i < Box()->ComponentCount(); ++i)
            EXPECT_EQ(dynamic_cast<TskSkinButton*>(Box()->Components(i)), nullptr);
        EXPECT_EQ(Box()->GetWidth(), Box()->BSF->GetMinWidth());
        Box()->SetModalResult(mrAbort);
    });
    EXPECT_EQ(msg->MessageDlg("Hi", mtWarning, {}, 0), mrAbort);
}

TEST_F(SkinMessage, ImageListPictureOnlyForAValidIndex)
{
    TImageList images(nullptr);
    images.SetSize(16, 16);
    TBitmap strip;
    strip.SetSize(32, 16);
    strip.Canvas()->Brush()->SetColor(clRed);
    strip.Canvas()->FillRect(RECT{0, 0, 32, 16});
    images.Add(&strip, nullptr);
    for (auto [list, index, shown] : {std::tuple{&images, 1, true}, std::tuple{&images, 2, false},
                                      std::tuple{&images, -1, false},
                                      std::tuple{static_cast<TImageList*>(nullptr), 0, false}}) {
        kit.WhenIdle([&] {
            auto* image = Part<TImage>("Image");
            EXPECT_EQ(image != nullptr, shown) << index;
            EXPECT_EQ(Part<TskSkinStdLabel>("Message")->GetLeft(), 50);
            if (image) {
                const int top = 15 + Box()->Message->GetHeight() / 2 - 16;  // not raised to 10
                EXPECT_EQ(image->GetBoundsRect(), (RECT{5, top, 21, top + 16}));
                EXPECT_TRUE(image->GetTransparent());
            }
            Press("OK");
        });
        msg->CustomMessageDlg("Look", "Picture", list, index, {mbOK}, 0);
    }
}

TEST_F(SkinMessage, SkinnedButtonsTakeTheirHeightFromTheSkin)
{
    auto skin = skinform::ArtworkSkin(0);
    msg->SetSkinData(skin.get());
    msg->SetCtrlSkinData(skin.get());
    const RECT r = skinform::Described<TskDataSkinButtonControl>(*skin, "button").SkinRect;
    const int bh = r.bottom - r.top;
    kit.WhenIdle([&] {
        TskMessageForm* box = Box();
        EXPECT_EQ(box->BSF->GetSkinData(), skin.get());
        EXPECT_EQ(box->GetClientHeight(), bh + box->Message->GetHeight() + 50);
        TskSkinButton* ok = Button("OK");
        EXPECT_NE(ok->GetIndex(), -1);
        EXPECT_EQ(ok->GetTop(), box->GetClientHeight() - bh - 10);
        EXPECT_EQ(ok->GetHeight(), bh);
        Press("Cancel");
    });
    EXPECT_EQ(msg->MessageDlg("Overwrite?", mtWarning, {mbOK, mbCancel}, 0), mrCancel);

    msg->SetButtonSkinDataName("okbutton");  // no such description: 25, the default look
    kit.WhenIdle([&] {
        EXPECT_EQ(Button("OK")->GetHeight(), 25);
        EXPECT_EQ(Button("OK")->GetIndex(), -1);
        Press("OK");
    });
    msg->MessageDlg("Overwrite?", mtWarning, {mbOK}, 0);
}

} // namespace
