// Invalidation, WM_PAINT, the non-client area and device contexts.

#include "WindowTestSupport.h"

#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Regions.h"

#include <gtest/gtest.h>

#include <map>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBorder = RGB(10, 20, 30);

void Fill(HDC dc, const RECT& r, COLORREF color)
{
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

class Painting : public WindowTest, public testing::Test {
protected:
    // Each window in `colors` paints its whole client area in its colour.
    std::map<HWND, COLORREF> colors;
    std::vector<RECT> paintRects;

    Painting()
    {
        onMessage = [this](HWND hwnd, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
            if (msg != WM_PAINT || !colors.count(hwnd))
                return std::nullopt;
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            paintRects.push_back(ps.rcPaint);
            RECT client;
            GetClientRect(hwnd, &client);
            Fill(dc, client, colors[hwnd]);
            EndPaint(hwnd, &ps);
            return 0;
        };
    }

    COLORREF At(HWND hwnd, int x, int y) { return WindowTestKit::ColorAt(*kit.Render(hwnd), x, y); }

    // Gives a 40 x 40 window a frame of 3 pixels that it paints in kBorder (the client area is
    // not part of what WM_NCPAINT paints).
    void GiveFrame(HWND framed)
    {
        onMessage = [framed, inner = onMessage](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) -> std::optional<LRESULT> {
            if (hwnd == framed && msg == WM_NCCALCSIZE) {
                RECT* r = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
                InflateRect(r, -3, -3);
                return 0;
            }
            if (hwnd == framed && msg == WM_NCPAINT) {
                HDC dc = GetWindowDC(hwnd);
                Fill(dc, RECT{0, 0, 40, 40}, kBorder);
                ReleaseDC(hwnd, dc);
                return 0;
            }
            return inner(hwnd, msg, wParam, lParam);
        };
        SetWindowPos(framed, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
};

TEST_F(Painting, InvalidationsCoalesceIntoOnePaintOfTheirBoundingBox)
{
    HWND top = Top(RECT{0, 0, 200, 100});
    colors[top] = kRed;
    kit.Pump();
    Clear();
    paintRects.clear();
    const RECT a{10, 10, 20, 20}, b{50, 30, 60, 40}, c{15, 5, 25, 15};
    InvalidateRect(top, &a, FALSE);
    InvalidateRect(top, &b, FALSE);
    InvalidateRect(top, &c, FALSE);
    kit.Pump();
    EXPECT_EQ(Find(top, WM_PAINT).size(), 1u);
    EXPECT_TRUE(Find(top, WM_ERASEBKGND).empty());
    ASSERT_EQ(paintRects.size(), 1u);
    EXPECT_EQ(paintRects[0], (RECT{10, 5, 60, 40}));
    RECT update;
    EXPECT_FALSE(GetUpdateRect(top, &update, FALSE));
}

TEST_F(Painting, EraseUsesTheClassBrushOnlyWhenAskedFor)
{
    HWND top = Top(RECT{0, 0, 50, 50});
    kit.Pump();
    EXPECT_EQ(At(top, 25, 25), GetSysColor(COLOR_WINDOW));
    Clear();
    InvalidateRect(top, nullptr, FALSE);
    kit.Pump();
    EXPECT_TRUE(Find(top, WM_ERASEBKGND).empty());
    InvalidateRect(top, nullptr, TRUE);
    kit.Pump();
    EXPECT_EQ(Find(top, WM_ERASEBKGND).size(), 1u);
}

TEST_F(Painting, ChildrenPaintAfterAParentThatDoesNotClipThem)
{
    HWND top = Top(RECT{0, 0, 100, 100});
    HWND child = Child(top, RECT{10, 10, 30, 30});
    colors[top] = kRed;
    colors[child] = kBlue;
    kit.Pump();
    Clear();
    InvalidateRect(top, nullptr, FALSE);  // reaches the child too
    kit.Pump();
    EXPECT_EQ(Messages(nullptr, {WM_PAINT}), (std::vector<UINT>{WM_PAINT, WM_PAINT}));
    EXPECT_EQ(log.front().hwnd, top);
    EXPECT_EQ(At(top, 20, 20), kBlue);
    EXPECT_EQ(At(top, 5, 5), kRed);
}

TEST_F(Painting, AClipChildrenParentPaintsAroundItsChildrenAlone)
{
    HWND top = Top(RECT{0, 0, 100, 100}, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN);
    HWND child = Child(top, RECT{10, 10, 30, 30});
    colors[top] = kRed;
    colors[child] = kBlue;
    kit.Pump();
    Clear();
    InvalidateRect(top, nullptr, FALSE);
    kit.Pump();
    EXPECT_TRUE(Find(child, WM_PAINT).empty());
    EXPECT_EQ(At(top, 20, 20), kBlue);
    // Moving the child uncovers the parent and shows the child at its new place.
    SetWindowPos(child, nullptr, 50, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(At(top, 20, 20), kRed);
    EXPECT_EQ(At(top, 60, 60), kBlue);
}

TEST_F(Painting, SiblingsWithClipSiblingsLeaveTheOneAboveAlone)
{
    HWND top = Top(RECT{0, 0, 100, 100});
    HWND upper = Child(top, RECT{10, 10, 40, 40}, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS);
    HWND lower = Child(top, RECT{20, 20, 60, 60}, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS);
    SetWindowPos(upper, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    colors[top] = kRed;
    colors[upper] = kBlue;
    colors[lower] = kGreen;
    kit.Pump();
    InvalidateRect(lower, nullptr, FALSE);
    kit.Pump();
    EXPECT_EQ(At(top, 30, 30), kBlue);
    EXPECT_EQ(At(top, 50, 50), kGreen);
}

TEST_F(Painting, GetDCPaintsAtAnyTimeWithinTheVisiblePart)
{
    HWND top = Top(RECT{0, 0, 100, 100}, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN);
    HWND child = Child(top, RECT{40, 40, 60, 60});
    colors[child] = kBlue;
    kit.Pump();
    const int presentsBefore = kit.Display().State(top)->presents;
    HDC dc = GetDC(top);
    Fill(dc, RECT{0, 0, 100, 100}, kGreen);
    ReleaseDC(top, dc);
    kit.Pump();
    EXPECT_GT(kit.Display().State(top)->presents, presentsBefore);
    EXPECT_EQ(At(top, 10, 10), kGreen);
    EXPECT_EQ(At(top, 50, 50), kBlue);  // the parent's context leaves its child alone
    EXPECT_TRUE(Find(top, WM_PAINT).size() <= 1u);
}

TEST_F(Painting, ACustomFrameShrinksTheClientAreaAndIsPaintedByNcPaint)
{
    HWND top = Top(RECT{0, 0, 100, 100});
    HWND framed = Child(top, RECT{10, 10, 50, 50});
    colors[top] = kRed;
    colors[framed] = kBlue;
    GiveFrame(framed);
    kit.Pump();
    RECT client;
    GetClientRect(framed, &client);
    EXPECT_EQ(client, (RECT{0, 0, 34, 34}));
    auto picture = kit.Render(framed);
    EXPECT_EQ(WindowTestKit::ColorAt(*picture, 1, 1), kBorder);
    EXPECT_EQ(WindowTestKit::ColorAt(*picture, 38, 20), kBorder);
    EXPECT_EQ(WindowTestKit::ColorAt(*picture, 3, 3), kBlue);
    EXPECT_EQ(WindowTestKit::ColorAt(*picture, 36, 36), kBlue);
    EXPECT_FALSE(Find(framed, WM_NCPAINT).empty());
}

// A child reaching past its parent's client area is cut at its edge: the parent's frame beside
// it is still the frame's, also for a parent that clips its children.
TEST_F(Painting, AChildPastTheClientEdgeLeavesTheFrameAlone)
{
    HWND top = Top(RECT{0, 0, 100, 100});
    HWND framed = Child(top, RECT{10, 10, 50, 50}, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN);
    HWND inner = Child(framed, RECT{20, 5, 60, 15});
    colors[top] = kRed;
    colors[framed] = kBlue;
    colors[inner] = kGreen;
    GiveFrame(framed);
    kit.Pump();
    auto picture = kit.Render(framed);
    EXPECT_EQ(WindowTestKit::ColorAt(*picture, 30, 12), kGreen);   // the child inside the client area
    EXPECT_EQ(WindowTestKit::ColorAt(*picture, 38, 12), kBorder);  // the frame beside it
    EXPECT_EQ(WindowTestKit::ColorAt(*picture, 38, 30), kBorder);
}

TEST_F(Painting, AWindowRegionLimitsPaintingAndTheWindowsShape)
{
    HWND top = Top(RECT{0, 0, 100, 100});
    HWND shaped = Child(top, RECT{10, 10, 50, 50});
    colors[top] = kRed;
    colors[shaped] = kBlue;
    HRGN rgn = CreateRectRgn(0, 0, 20, 40);
    HRGN right = CreateRectRgn(30, 0, 40, 40);
    CombineRgn(rgn, rgn, right, RGN_OR);
    DeleteObject(right);
    SetWindowRgn(shaped, rgn, TRUE);
    kit.Pump();
    EXPECT_EQ(At(top, 15, 15), kBlue);
    EXPECT_EQ(At(top, 35, 15), kRed);  // the gap in the shape
    EXPECT_EQ(At(top, 45, 15), kBlue);
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(shaped, copy), COMPLEXREGION);
    EXPECT_TRUE(PtInRegion(copy, 35, 5));
    EXPECT_FALSE(PtInRegion(copy, 25, 5));
    DeleteObject(copy);
}

TEST_F(Painting, AHandlerThatNeverValidatesGetsOnePaintNotAnEndlessStream)
{
    HWND top = Top(RECT{0, 0, 10, 10});
    kit.Pump();
    onMessage = [](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        return msg == WM_PAINT ? std::optional<LRESULT>(0) : std::nullopt;
    };
    Clear();
    InvalidateRect(top, nullptr, FALSE);
    kit.Pump();
    EXPECT_EQ(Find(top, WM_PAINT).size(), 1u);
}

TEST_F(Painting, RedrawWindowUpdateNowPaintsFrameBackgroundAndClientBeforeReturning)
{
    HWND top = Top(RECT{0, 0, 100, 100});
    HWND child = Child(top, RECT{10, 10, 30, 30}, WS_CHILD | WS_VISIBLE | WS_BORDER);
    colors[child] = kBlue;
    kit.Pump();
    Clear();
    RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    // The parent first; the background is erased from BeginPaint, inside WM_PAINT. The parent
    // has no frame to paint.
    EXPECT_EQ(Messages(nullptr, {WM_NCPAINT, WM_ERASEBKGND, WM_PAINT}),
              (std::vector<UINT>{WM_PAINT, WM_ERASEBKGND, WM_NCPAINT, WM_PAINT, WM_ERASEBKGND}));
    EXPECT_EQ(Messages(child, {WM_NCPAINT}).size(), 1u);
}

TEST_F(Painting, TheDefaultFrameShowsTheActiveCaptionColour)
{
    HWND a = Top(RECT{0, 0, 200, 100}, WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_THICKFRAME);
    kit.Pump();
    const int inCaption = GetSystemMetrics(SM_CXFRAME) + 2;
    EXPECT_EQ(At(a, 100, inCaption), GetSysColor(COLOR_ACTIVECAPTION));
    HWND b = Top(RECT{300, 0, 400, 100});
    SetActiveWindow(b);
    kit.Pump();
    EXPECT_EQ(At(a, 100, inCaption), GetSysColor(COLOR_INACTIVECAPTION));
    RECT client;
    GetClientRect(a, &client);
    EXPECT_EQ(client.bottom, 100 - 2 * GetSystemMetrics(SM_CXFRAME) - GetSystemMetrics(SM_CYCAPTION));
}

} // namespace
