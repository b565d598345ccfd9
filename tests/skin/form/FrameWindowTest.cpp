#include "FrameTestSupport.h"

#include "platform/window/RawInput.h"
#include "skin/form/skSkinStatusBar.h"

#include <string>
#include <vector>

namespace {

using FrameWindow = FrameTest;

// Records the numbers of the messages Form receives (ahead of its frame).
std::vector<UINT>* RecordMessages(TForm* Form, std::vector<UINT>* Log)
{
    TWndMethod inner = Form->WindowProc;
    Form->WindowProc = [inner, Log](TMessage& Message) {
        Log->push_back(Message.Msg);
        inner(Message);
    };
    return Log;
}

TEST_F(FrameWindow, ACaptionDragMovesTheFormThroughTheMoveLoop)
{
    TForm* form = MakeForm(Skin(1));
    std::vector<UINT> log;
    RecordMessages(form, &log);
    const POINT start = ScreenAt(form, 150, 12);
    kit.PressButton(start);
    kit.WhenIdle([&] { kit.MoveMouse(POINT{start.x + 30, start.y + 20}); });
    kit.WhenIdle([&] { kit.MoveMouse(POINT{start.x + 60, start.y + 40}); });
    kit.WhenIdle([&] { kit.ReleaseButton(POINT{start.x + 60, start.y + 40}); });
    Pump();
    EXPECT_EQ(form->GetLeft(), 160);
    EXPECT_EQ(form->GetTop(), 140);
    std::vector<UINT> loop;
    for (UINT m : log)
        if (m == WM_ENTERSIZEMOVE || m == WM_MOVING || m == WM_EXITSIZEMOVE)
            loop.push_back(m);
    EXPECT_EQ(loop, (std::vector<UINT>{WM_ENTERSIZEMOVE, WM_MOVING, WM_MOVING, WM_EXITSIZEMOVE}));
    EXPECT_FALSE(FrameOf(form)->FSizeMove);
}

TEST_F(FrameWindow, AMagneticFormSnapsToTheWorkAreaEdgeAndLeavesItAfterItsDistance)
{
    TForm* form = MakeForm(Skin(1), 340, 280);
    TskFormSkin* frame = FrameOf(form);
    frame->Magnetic = true;
    frame->MagneticSize = 10;
    frame->SetBorderIcons(TskBorderIcons{TskBorderIcon::biRollUp});
    const POINT start = ScreenAt(form, 150, 12);  // (250, 112)
    std::vector<int> lefts;
    auto moveTo = [&](int x) {
        kit.WhenIdle([&, x] { kit.MoveMouse(POINT{x, start.y}); });
        kit.WhenIdle([&] { lefts.push_back(form->GetLeft()); });
    };
    kit.PressButton(start);
    moveTo(start.x - 91);  // left 9: within 10 of the edge, snaps to 0
    moveTo(start.x - 98);  // pulled 7 past the snap point: stays
    moveTo(start.x - 103); // pulled 12 past it: follows the pointer
    moveTo(start.x - 60);  // away from the edge: still measured from the snap point once
    moveTo(start.x - 50);  // then free
    kit.WhenIdle([&] { kit.ReleaseButton(POINT{start.x - 50, start.y}); });
    Pump();
    EXPECT_EQ(lefts, (std::vector<int>{0, 0, -12, 31, 50}));
}

TEST_F(FrameWindow, SizingIsLimitedByTheFrameAndPaintsTheNewRightBorder)
{
    TForm* form = MakeForm(Skin(1));
    TskFormSkin* frame = FrameOf(form);
    MINMAXINFO info{};
    SendMessage(form->GetHandle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, frame->GetMinWidth());
    EXPECT_EQ(info.ptMinTrackSize.y, frame->GetMinHeight());
    EXPECT_EQ(info.ptMaxTrackSize.x, 1280);
    EXPECT_EQ(info.ptMaxTrackSize.y, 984);
    EXPECT_EQ(frame->GetMinWidth(), 200);   // the skin picture's width
    EXPECT_EQ(frame->GetMinHeight(), 32);   // the picture less its client rectangle

    const COLORREF border = At(form, 398, 150);
    const COLORREF client = At(form, 200, 150);
    const POINT edge = ScreenAt(form, 399, 150);
    kit.PressButton(edge);
    kit.WhenIdle([&] { kit.MoveMouse(POINT{edge.x + 50, edge.y}); });
    kit.WhenIdle([&] { kit.ReleaseButton(POINT{edge.x + 50, edge.y}); });
    Pump();
    EXPECT_EQ(form->GetWidth(), 450);
    EXPECT_EQ(At(form, 448, 150), border);
    EXPECT_EQ(At(form, 398, 150), client);

    kit.PressButton(ScreenAt(form, 449, 150));
    kit.WhenIdle([&] { kit.MoveMouse(ScreenAt(form, 0, 150)); });
    kit.WhenIdle([&] { kit.ReleaseButton(ScreenAt(form, 0, 150)); });
    Pump();
    EXPECT_EQ(form->GetWidth(), 200);
}

TEST_F(FrameWindow, MaximizeFillsTheWorkAreaAndRestoreBringsTheBoundsBack)
{
    TForm* form = MakeForm(Skin(1));
    TskFormSkin* frame = FrameOf(form);
    frame->SetWindowState(TWindowState::wsMaximized);
    EXPECT_EQ(form->GetBoundsRect(), (RECT{0, 0, 1280, 984}));
    EXPECT_FALSE(IsZoomed(form->GetHandle()));  // the window manager's state is never used
    // A maximised form does not move.
    const POINT start = ScreenAt(form, 150, 12);
    kit.PressButton(start);
    kit.WhenIdle([&] { kit.MoveMouse(POINT{start.x + 40, start.y + 40}); });
    kit.WhenIdle([&] { kit.ReleaseButton(POINT{start.x + 40, start.y + 40}); });
    Pump();
    EXPECT_EQ(form->GetBoundsRect(), (RECT{0, 0, 1280, 984}));

    frame->SetWindowState(TWindowState::wsNormal);
    EXPECT_EQ(form->GetBoundsRect(), (RECT{100, 100, 500, 400}));

    // Without a task bar the whole primary screen less one pixel on every side.
    kit.Display().SetMonitors({{RECT{0, 0, 1280, 1024}, RECT{0, 0, 1280, 1024}, true}});
    frame->SetWindowState(TWindowState::wsMaximized);
    EXPECT_EQ(form->GetBoundsRect(), (RECT{1, 1, 1279, 1023}));
    frame->MaximizeOnFullScreen = true;
    frame->SetWindowState(TWindowState::wsNormal);
    frame->SetWindowState(TWindowState::wsMaximized);
    EXPECT_EQ(form->GetBoundsRect(), (RECT{0, 0, 1280, 1024}));
}

TEST_F(FrameWindow, TheStatusBarsSizeGripHidesWhileTheFormIsMaximized)
{
    TForm* form = MakeForm(Skin(1));
    TskFormSkin* frame = FrameOf(form);
    auto* gripped = new TskSkinStatusBar(form);
    gripped->SetParent(form);
    gripped->SetSizeGrip(true);
    frame->SetStatusBar(gripped);
    Pump();
    // The bar's bottom-right corner, where the grip is while it shows.
    auto gripHit = [gripped] {
        const POINT p = gripped->ClientToScreen(POINT{gripped->GetWidth() - 3, gripped->GetHeight() - 3});
        return SendMessage(gripped->GetHandle(), WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
    };
    EXPECT_EQ(gripHit(), HTBOTTOMRIGHT);
    frame->SetWindowState(TWindowState::wsMaximized);
    EXPECT_FALSE(gripped->GetShowGrip());
    EXPECT_EQ(gripHit(), HTCLIENT);
    frame->SetWindowState(TWindowState::wsNormal);
    EXPECT_TRUE(gripped->GetShowGrip());
    EXPECT_EQ(gripHit(), HTBOTTOMRIGHT);

    // A bar without a grip is left alone; a freed bar is forgotten.
    gripped->SetSizeGrip(false);
    gripped->SetShowGrip(true);
    frame->SetWindowState(TWindowState::wsMaximized);
    EXPECT_TRUE(gripped->GetShowGrip());
    frame->SetWindowState(TWindowState::wsNormal);
    gripped->Free();
    EXPECT_EQ(frame->GetStatusBar(), nullptr);
    frame->SetWindowState(TWindowState::wsMaximized);
    frame->SetWindowState(TWindowState::wsNormal);
}

TEST_F(FrameWindow, RollUpKeepsTheRealHeight)
{
    TForm* form = MakeForm(Skin(1));
    TskFormSkin* frame = FrameOf(form);
    int changes = 0;
    frame->OnChangeRollUpState = [&](TObject*) { ++changes; };
    frame->SetRollUpState(true);
    EXPECT_EQ(form->GetHeight(), frame->GetMinHeight());
    EXPECT_EQ(frame->GetRealHeight(), 300);
    frame->SetRollUpState(false);
    EXPECT_EQ(form->GetHeight(), 300);
    EXPECT_EQ(changes, 2);
    // Without the roll-up icon nothing happens.
    frame->SetBorderIcons(TskBorderIcons{TskBorderIcon::biSystemMenu});
    frame->SetRollUpState(true);
    EXPECT_FALSE(frame->GetRollUpState());
    EXPECT_EQ(changes, 2);
}

TEST_F(FrameWindow, MinimizedFormsLineUpAlongTheBottomOfTheWorkArea)
{
    TskSkinData* skin = Skin(1);
    MakeForm(skin);  // the main form minimises the application instead
    std::vector<TForm*> forms;
    for (int i = 0; i < 8; ++i)
        forms.push_back(MakeForm(skin));
    for (TForm* f : forms)
        FrameOf(f)->SetWindowState(TWindowState::wsMinimized);
    // 200 x 32 slots from the bottom-left; six fit in a row of 1280.
    const std::vector<POINT> expected{{0, 952},   {200, 952},  {400, 952}, {600, 952},
                                      {800, 952}, {1000, 952}, {0, 920},   {200, 920}};
    for (std::size_t i = 0; i < forms.size(); ++i) {
        EXPECT_EQ(forms[i]->GetLeft(), expected[i].x) << i;
        EXPECT_EQ(forms[i]->GetTop(), expected[i].y) << i;
        EXPECT_EQ(forms[i]->GetWidth(), 200);
    }
    FrameOf(forms[0])->SetWindowState(TWindowState::wsNormal);
    EXPECT_EQ(forms[0]->GetBoundsRect(), (RECT{100, 100, 500, 400}));
}

TEST_F(FrameWindow, MinimizingTheMainFormMinimizesTheApplication)
{
    TForm* main = MakeForm(Skin(1));
    TskFormSkin* frame = FrameOf(main);
    int minimized = 0;
    Application->OnMinimize = [&](TObject*) { ++minimized; };
    frame->SetWindowState(TWindowState::wsMinimized);
    EXPECT_EQ(minimized, 1);
    EXPECT_TRUE(IsIconic(main->GetHandle()));
    EXPECT_EQ(frame->GetWindowState(), TWindowState::wsNormal);
    EXPECT_EQ(main->GetBoundsRect(), (RECT{100, 100, 500, 400}));

    // Brought back from the task bar: the restore command reaches the frame.
    int restored = 0;
    frame->OnRestore = [&](TObject*) { ++restored; };
    RawInput input;
    input.kind = RawInput::Kind::Restored;
    input.hwnd = main->GetHandle();
    PostRawInput(input);
    Pump();
    EXPECT_EQ(restored, 1);
    EXPECT_FALSE(IsIconic(main->GetHandle()));
}

// Where nothing iconifies windows (X11 without a window manager), the minimise button leaves the
// main form as it was: shown, not iconic, no minimise reported, and its frame still answers.
TEST_F(FrameWindow, MinimizingWhereNothingIconifiesLeavesTheMainFormWorking)
{
    kit.Display().SetIconify(false);
    TForm* main = MakeForm(Skin(1));
    TskFormSkin* frame = FrameOf(main);
    int minimized = 0;
    Application->OnMinimize = [&](TObject*) { ++minimized; };
    const POINT min = ScreenAt(main, CentreOf(frame, "minbutton").x, CentreOf(frame, "minbutton").y);
    kit.MoveMouse(min);
    kit.Click(min);
    Pump();
    frame->SetWindowState(TWindowState::wsMinimized);
    Pump();
    EXPECT_EQ(minimized, 0);
    EXPECT_FALSE(IsIconic(main->GetHandle()));
    EXPECT_TRUE(IsWindowVisible(main->GetHandle()));
    EXPECT_EQ(frame->GetWindowState(), TWindowState::wsNormal);
    EXPECT_EQ(main->GetBoundsRect(), (RECT{100, 100, 500, 400}));
    EXPECT_EQ(GetActiveWindow(), main->GetHandle());
    frame->SetWindowState(TWindowState::wsMaximized);
    EXPECT_TRUE(main->GetBoundsRect().right > 500) << "the frame no longer answers";
}

// A hidden skinned form at (100, 100), 400 x 300.
TForm* HiddenForm(TskSkinData* Data)
{
    TForm* form;
    Application->CreateForm(form);
    form->SetBounds(100, 100, 400, 300);
    (new TskFormSkin(form))->SetSkinData(Data);
    return form;
}

TEST_F(FrameWindow, TheShowFadeStepsOnTheClockToAnOpaqueForm)
{
    TForm* form = HiddenForm(Skin(1));
    FrameOf(form)->AlphaBlendAnimation = true;
    const std::uint64_t start = GetTickCount64();
    form->Show();
    kit.Advance(USER_TIMER_MINIMUM);
    const HWND hwnd = form->GetHandle();
    // 255 / 15 = 17 a step: fifteen steps, fourteen waits of 6 ms, then the layer goes.
    EXPECT_EQ(GetTickCount64() - start, USER_TIMER_MINIMUM + 14u * 6u);
    EXPECT_EQ(GetWindowLong(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED, 0);

    TForm* dimmed = HiddenForm(Skin(1));
    FrameOf(dimmed)->SetAlphaBlend(true);
    FrameOf(dimmed)->SetAlphaBlendValue(200);
    dimmed->Show();
    kit.Advance(USER_TIMER_MINIMUM);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(dimmed->GetHandle(), nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 200);
}

} // namespace
