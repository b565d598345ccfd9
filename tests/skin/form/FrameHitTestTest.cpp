#include "FrameTestSupport.h"

#include "platform/win/Rect.h"

#include <functional>

namespace {

using FrameHitTest = FrameTest;

TEST_F(FrameHitTest, CodesAtNamedPointsOfA400By300Form)
{
    enum class State { Normal, Maximized, RolledUp, NotSizeable };
    struct Case {
        bool Skinned;
        State S;
        const char* Point;
        int Code;
    };
    const Case cases[] = {
        {true, State::Normal, "top-left", HTTOPLEFT},      {true, State::Normal, "top-right", HTTOPRIGHT},
        {true, State::Normal, "bottom-left", HTBOTTOMLEFT}, {true, State::Normal, "bottom-right", HTBOTTOMRIGHT},
        {true, State::Normal, "left", HTLEFT},              {true, State::Normal, "right", HTRIGHT},
        {true, State::Normal, "top", HTTOP},                {true, State::Normal, "bottom", HTBOTTOM},
        {true, State::Normal, "caption", HTCAPTION},        {true, State::Normal, "close", HTOBJECT},
        {true, State::Normal, "client", HTCLIENT},
        {false, State::Normal, "top-left", HTTOPLEFT},     {false, State::Normal, "top-right", HTTOPRIGHT},
        {false, State::Normal, "bottom-left", HTBOTTOMLEFT}, {false, State::Normal, "bottom-right", HTBOTTOMRIGHT},
        {false, State::Normal, "left", HTLEFT},             {false, State::Normal, "right", HTRIGHT},
        {false, State::Normal, "top", HTTOP},               {false, State::Normal, "bottom", HTBOTTOM},
        {false, State::Normal, "caption", HTCAPTION},       {false, State::Normal, "close", HTOBJECT},
        {false, State::Normal, "client", HTCLIENT},
        // Without sizing the edges belong to the frame's objects.
        {true, State::Maximized, "left", HTOBJECT},         {true, State::Maximized, "top-left", HTOBJECT},
        {true, State::Maximized, "caption", HTCAPTION},     {true, State::Maximized, "client", HTCLIENT},
        {false, State::Maximized, "left", HTOBJECT},        {false, State::Maximized, "caption", HTCAPTION},
        {true, State::RolledUp, "top-left", HTOBJECT},      {true, State::RolledUp, "caption", HTCAPTION},
        {false, State::RolledUp, "top-left", HTOBJECT},     {false, State::RolledUp, "caption", HTCAPTION},
        {true, State::NotSizeable, "bottom-right", HTOBJECT}, {true, State::NotSizeable, "caption", HTCAPTION},
        {true, State::NotSizeable, "client", HTCLIENT},     {false, State::NotSizeable, "left", HTOBJECT},
        {false, State::NotSizeable, "client", HTCLIENT},
    };
    TskSkinData* skin = Skin(1);
    for (const Case& c : cases) {
        TForm* form = MakeForm(c.Skinned ? skin : nullptr);
        TskFormSkin* frame = FrameOf(form);
        switch (c.S) {
        case State::Normal: break;
        case State::Maximized: frame->SetWindowState(TWindowState::wsMaximized); break;
        case State::RolledUp: frame->SetRollUpState(true); break;
        case State::NotSizeable: form->SetBorderStyle(TFormBorderStyle::bsSingle); break;
        }
        Pump();
        const int w = form->GetWidth(), h = form->GetHeight();
        const std::string point = c.Point;
        POINT p{};
        if (point == "top-left") p = {0, 0};
        if (point == "top-right") p = {w - 1, 0};
        if (point == "bottom-left") p = {0, h - 1};
        if (point == "bottom-right") p = {w - 1, h - 1};
        if (point == "left") p = {0, h / 2};
        if (point == "right") p = {w - 1, h / 2};
        if (point == "top") p = {w / 2, 0};
        if (point == "bottom") p = {w / 2, h - 1};
        if (point == "caption") p = {150, 12};
        if (point == "close") p = CentreOf(frame, "closebutton");
        if (point == "client") p = {w / 2, h / 2};
        EXPECT_EQ(HitAt(form, p.x, p.y), c.Code)
            << (c.Skinned ? "skin1 " : "no skin ") << static_cast<int>(c.S) << " " << c.Point;
        form->Free();
    }
}

TEST_F(FrameHitTest, AHoveredButtonStartsTheMouseTimerAndTheClientAreaEndsIt)
{
    TForm* form = MakeForm(Skin(1));
    TskFormSkin* frame = FrameOf(form);
    const POINT close = CentreOf(frame, "closebutton");
    frame->MouseTimer->SetEnabled(false);
    kit.MoveMouse(ScreenAt(form, close.x, close.y));
    Pump();
    EXPECT_TRUE(frame->MouseTimer->GetEnabled());
    EXPECT_EQ(frame->ActiveObject, frame->GetIndex("closebutton"));
    EXPECT_TRUE(frame->Objects(frame->ActiveObject)->Active);

    kit.MoveMouse(ScreenAt(form, 200, 150));
    kit.Advance(50);
    Pump();
    EXPECT_EQ(frame->ActiveObject, -1);
    EXPECT_FALSE(frame->Objects(frame->GetIndex("closebutton"))->Active);
}

} // namespace
