#include "platform/testkit/ScreenComposition.h"

#include "platform/window/CaretOverlay.h"
#include "platform/window/Layered.h"
#include "platform/window/Presentation.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/WindowTree.h"

namespace {

std::uint32_t Blend(std::uint32_t under, std::uint32_t over, unsigned alpha)
{
    std::uint32_t out = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        const unsigned a = (over >> shift) & 0xFF;
        const unsigned b = (under >> shift) & 0xFF;
        out |= ((a * alpha + b * (255 - alpha) + 127) / 255) << shift;
    }
    return out;
}

void Draw(Surface& screen, const RECT& area, Window* top)
{
    const TopLevelData& d = *top->top;
    const int width = top->Width();
    const int height = top->Height();
    const std::uint32_t* pixels = nullptr;
    std::ptrdiff_t stride = width;
    std::shared_ptr<Surface> surface;
    if (d.hasLayeredPicture) {
        pixels = d.layeredPicture.data();
    } else {
        surface = SurfaceOf(top);
        pixels = surface->Row(0);
        stride = surface->Stride() / 4;
    }
    const unsigned constant = d.hasLayeredPicture ? d.layeredPictureAlpha
                                                  : ((d.layeredFlags & LWA_ALPHA) ? d.layeredAlpha : 255);
    const POINT o = ScreenOrigin(top);
    // The caret is shown over the pixels, as on the screen.
    const Region caret = d.hasLayeredPicture ? Region() : CaretOverlay(top);
    for (int y = 0; y < height; ++y) {
        const int sy = o.y + y - area.top;
        if (sy < 0 || sy >= screen.Height())
            continue;
        for (int x = 0; x < width; ++x) {
            const int sx = o.x + x - area.left;
            if (sx < 0 || sx >= screen.Width() || (top->shape && !top->shape->Contains(x, y)))
                continue;
            std::uint32_t p = pixels[y * stride + x];
            if (!caret.IsEmpty() && caret.Contains(x, y))
                p ^= 0x00FFFFFFu;
            const unsigned alpha = d.hasLayeredPicture ? ((p >> 24) * constant + 127) / 255 : constant;
            std::uint32_t& dst = screen.Row(sy)[sx];
            dst = Blend(dst, p, alpha);
        }
    }
}

} // namespace

std::shared_ptr<Surface> ComposeScreen(const RECT& area, COLORREF background)
{
    auto screen = std::make_shared<Surface>(RectWidth(area), RectHeight(area));
    screen->Fill(ColorToPixel(background) | 0xFF000000u);
    const auto& tops = Sys().Desktop().children;
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
        Window* top = *it;
        if (top->top && top->top->native && top->top->nativeShown && !(top->style & WS_MINIMIZE))
            Draw(*screen, area, top);
    }
    return screen;
}
