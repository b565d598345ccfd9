#include "tools/skingen/Pictograms.h"

#include <algorithm>

void DrawFilm(TIconPainter& p, TBox b, TRgb ink, TRgb back, bool play)
{
    const int r = std::max(4, b.H() / 10);
    p.Fill(p.RoundRect(b.L, b.T, b.R, b.B, r), ink);
    // Perforations along the top and bottom edges.
    const int holeH = b.H() / 7, holeW = b.W() / 11, gapY = b.H() / 14;
    for (int i = 0; i < 5; ++i) {
        const int inset = b.W() / 14;
        const int x = b.L + inset + i * (b.W() - 2 * inset - holeW) / 4;
        p.Fill(p.RoundRect(x, b.T + gapY, x + holeW, b.T + gapY + holeH, 2), back);
        p.Fill(p.RoundRect(x, b.B - gapY - holeH, x + holeW, b.B - gapY, 2), back);
    }
    // The picture window.
    const TBox w{b.L + b.W() / 10, b.T + gapY * 2 + holeH, b.R - b.W() / 10, b.B - gapY * 2 - holeH};
    p.Fill(p.RoundRect(w.L, w.T, w.R, w.B, 3), back);
    if (play)
        DrawPlay(p, TBox{w.CX() - w.H() / 3, w.T + w.H() / 5, w.CX() + w.H() / 2, w.B - w.H() / 5}, ink);
}

void DrawReel(TIconPainter& p, TBox b, TRgb ink, TRgb back)
{
    const int r = std::min(b.W(), b.H()) / 2, cx = b.CX(), cy = b.CY();
    p.Fill(p.Ellipse(cx, cy, r, r), ink);
    // Windows at the five points of a pentagon (unit vectors scaled by 1000).
    static constexpr int kDir[5][2] = {{0, -1000}, {951, -309}, {588, 809}, {-588, 809}, {-951, -309}};
    const int d = r * 11 / 20, hole = r / 4;
    for (const auto& v : kDir)
        p.Fill(p.Ellipse(cx + v[0] * d / 1000, cy + v[1] * d / 1000, hole, hole), back);
    p.Fill(p.Ellipse(cx, cy, r / 8 + 1, r / 8 + 1), back);
}

void DrawClapper(TIconPainter& p, TBox b, TRgb ink, TRgb back)
{
    const int barH = b.H() / 4, gap = b.H() / 12;
    // The board, with a window where the scene's name would be written.
    p.Fill(p.RoundRect(b.L, b.T + barH + gap, b.R, b.B, 4), ink);
    p.Fill(p.RoundRect(b.L + b.W() / 8, b.T + barH + gap + b.H() / 6, b.R - b.W() / 8, b.B - b.H() / 6, 2), back);
    // The clapper, tilted up at its right end, with slanted stripes cut out.
    const int lift = barH;
    p.Fill(p.Polygon({{b.L, b.T + lift}, {b.R, b.T}, {b.R, b.T + barH}, {b.L, b.T + lift + barH}}), ink);
    for (int i = 0; i < 4; ++i) {
        const int x = b.L + b.W() / 10 + i * b.W() / 4;
        const int y = b.T + lift - (x - b.L) * lift / b.W();
        p.Fill(p.Polygon({{x, y + barH}, {x + b.W() / 10, y + barH - b.W() / 10 * lift / b.W()},
                          {x + b.W() / 10 + barH / 2, y}, {x + barH / 2, y}}), back);
    }
}

void DrawPlay(TIconPainter& p, TBox b, TRgb ink)
{
    p.Fill(p.Polygon({{b.L, b.T}, {b.R, b.CY()}, {b.L, b.B}}), ink);
}

void DrawNote(TIconPainter& p, TBox b, TRgb ink)
{
    const int hr = b.W() / 3;
    const int hx = b.L + hr, hy = b.B - hr * 3 / 4;
    p.Fill(p.Ellipse(hx, hy, hr, hr * 3 / 4), ink);
    const int sx = hx + hr - 3;
    p.Fill(p.RoundRect(sx - 5, b.T, sx + 1, hy, 2), ink);
    p.Fill(p.Polygon({{sx - 2, b.T}, {b.R, b.T + b.H() / 5}, {b.R, b.T + b.H() * 2 / 5}, {sx - 2, b.T + b.H() / 5}}), ink);
}

void DrawNotes(TIconPainter& p, TBox b, TRgb ink)
{
    const int hr = b.W() / 6;
    const int lx = b.L + hr, rx = b.R - hr;
    const int ly = b.B - hr, ry = b.B - hr - b.H() / 8;
    p.Fill(p.Ellipse(lx, ly, hr, hr * 4 / 5), ink);
    p.Fill(p.Ellipse(rx, ry, hr, hr * 4 / 5), ink);
    const int stem = std::max(5, b.W() / 16);
    p.Fill(p.RoundRect(lx + hr - stem, b.T + b.H() / 6, lx + hr, ly, 1), ink);
    p.Fill(p.RoundRect(rx + hr - stem, b.T, rx + hr, ry, 1), ink);
    const int beam = b.H() / 6;
    p.Fill(p.Polygon({{lx + hr - stem, b.T + b.H() / 6}, {rx + hr, b.T}, {rx + hr, b.T + beam}, {lx + hr - stem, b.T + b.H() / 6 + beam}}),
           ink);
}

void DrawScreen(TIconPainter& p, TBox b, TRgb ink, TRgb back)
{
    const int standH = b.H() / 5;
    const TBox s{b.L, b.T, b.R, b.B - standH};
    p.Fill(p.RoundRect(s.L, s.T, s.R, s.B, 6), ink);
    const int e = std::max(5, b.W() / 14);
    p.Fill(p.RoundRect(s.L + e, s.T + e, s.R - e, s.B - e, 2), back);
    p.Fill(p.RoundRect(b.CX() - e, s.B - 1, b.CX() + e, b.B - standH / 3, 0), ink);
    p.Fill(p.RoundRect(b.CX() - b.W() / 4, b.B - standH / 3 - 2, b.CX() + b.W() / 4, b.B, 3), ink);
}

void DrawPhone(TIconPainter& p, TBox b, TRgb ink, TRgb back, bool buttons)
{
    const int r = b.W() / 5;
    p.Fill(p.RoundRect(b.L, b.T, b.R, b.B, r), ink);
    const int e = b.W() / 9;
    p.Fill(p.RoundRect(b.L + e, b.T + b.H() / 8, b.R - e, b.B - b.H() / 6, 2), back);
    if (buttons) {
        for (int i = -1; i <= 1; ++i)
            p.Fill(p.RoundRect(b.CX() + i * b.W() / 4 - 3, b.B - b.H() / 10 - 2, b.CX() + i * b.W() / 4 + 3, b.B - b.H() / 10 + 2, 1),
                   back);
    } else {
        p.Fill(p.Ellipse(b.CX(), b.B - b.H() / 12, b.W() / 12, b.W() / 12), back);
        p.Fill(p.RoundRect(b.CX() - b.W() / 8, b.T + b.H() / 16 - 1, b.CX() + b.W() / 8, b.T + b.H() / 16 + 2, 1), back);
    }
}

void DrawPocketPlayer(TIconPainter& p, TBox b, TRgb ink, TRgb back)
{
    p.Fill(p.RoundRect(b.L, b.T, b.R, b.B, b.W() / 6), ink);
    const int e = b.W() / 8;
    p.Fill(p.RoundRect(b.L + e, b.T + e, b.R - e, b.T + b.H() * 9 / 20, 2), back);
    const int cy = b.T + b.H() * 3 / 4, rr = b.W() * 3 / 10;
    p.Fill(p.Ellipse(b.CX(), cy, rr, rr), back);
    p.Fill(p.Ellipse(b.CX(), cy, rr / 2, rr / 2), ink);
}

void DrawHandheld(TIconPainter& p, TBox b, TRgb ink, TRgb back)
{
    p.Fill(p.RoundRect(b.L, b.T, b.R, b.B, b.H() / 2), ink);
    const TBox s{b.L + b.W() * 3 / 10, b.T + b.H() / 6, b.R - b.W() * 3 / 10, b.B - b.H() / 6};
    p.Fill(p.RoundRect(s.L, s.T, s.R, s.B, 2), back);
    const int cx = b.L + b.W() * 3 / 20, cy = b.CY(), k = b.H() / 5, t = std::max(3, b.H() / 14);
    p.Fill(p.RoundRect(cx - k, cy - t, cx + k, cy + t, 1), back);
    p.Fill(p.RoundRect(cx - t, cy - k, cx + t, cy + k, 1), back);
    const int bx = b.R - b.W() * 3 / 20, d = b.H() / 9;
    p.Fill(p.Ellipse(bx + d, cy, d, d), back);
    p.Fill(p.Ellipse(bx - d, cy, d, d), back);
    p.Fill(p.Ellipse(bx, cy - d * 2, d, d), back);
    p.Fill(p.Ellipse(bx, cy + d * 2, d, d), back);
}

void DrawController(TIconPainter& p, TBox b, TRgb ink, TRgb back)
{
    const int gr = b.W() / 5;
    p.Fill(Either(p.RoundRect(b.L + gr / 2, b.T, b.R - gr / 2, b.B - b.H() / 4, b.H() / 3),
                  Either(p.Ellipse(b.L + gr, b.B - gr, gr, gr), p.Ellipse(b.R - gr, b.B - gr, gr, gr))),
           ink);
    const int cx = b.L + b.W() * 3 / 10, cy = b.T + b.H() * 2 / 5, k = b.H() / 5, t = std::max(3, b.H() / 14);
    p.Fill(p.RoundRect(cx - k, cy - t, cx + k, cy + t, 1), back);
    p.Fill(p.RoundRect(cx - t, cy - k, cx + t, cy + k, 1), back);
    const int bx = b.R - b.W() * 3 / 10, d = b.H() / 10;
    p.Fill(p.Ellipse(bx + d * 2, cy, d, d), back);
    p.Fill(p.Ellipse(bx - d * 2, cy, d, d), back);
    p.Fill(p.Ellipse(bx, cy - d * 2, d, d), back);
    p.Fill(p.Ellipse(bx, cy + d * 2, d, d), back);
}

void DrawDisc(TIconPainter& p, TBox b, TRgb ink, TRgb back)
{
    const int r = std::min(b.W(), b.H()) / 2;
    p.Fill(p.Ellipse(b.CX(), b.CY(), r, r), ink);
    p.Fill(p.Ellipse(b.CX(), b.CY(), r * 2 / 5, r * 2 / 5), back);
    p.Fill(p.Ellipse(b.CX(), b.CY(), r / 6, r / 6), ink);
    // A light sweep across the disc.
    p.Fill(Both(Without(p.Ellipse(b.CX(), b.CY(), r * 4 / 5, r * 4 / 5), p.Ellipse(b.CX(), b.CY(), r * 3 / 5, r * 3 / 5)),
                p.Polygon({{b.CX(), b.CY()}, {b.R, b.T}, {b.R, b.CY() - r / 3}})),
           WithAlpha(back, 110));
}

void DrawCamcorder(TIconPainter& p, TBox b, TRgb ink, TRgb back)
{
    const int bodyR = b.R - b.W() / 4;
    const int top = b.T + b.H() / 4;
    p.Fill(p.RoundRect(b.L, top, bodyR, b.B, 5), ink);
    p.Fill(p.Polygon({{bodyR - 2, top + b.H() / 8}, {b.R, top - 2}, {b.R, b.B + 2 - 0}, {bodyR - 2, b.B - b.H() / 8}}), ink);
    p.Fill(p.Ellipse(b.L + b.W() / 4, top - b.H() / 8, b.H() / 6, b.H() / 6), ink);
    p.Fill(p.Ellipse(b.L + b.W() / 4 + b.H() * 2 / 5, top - b.H() / 8, b.H() / 6, b.H() / 6), ink);
    p.Fill(p.RoundRect(b.L + b.W() / 10, top + b.H() / 6, bodyR - b.W() / 3, top + b.H() / 6 + b.H() / 8, 2), back);
}

void DrawBolt(TIconPainter& p, TBox b, TRgb ink)
{
    p.Fill(p.Polygon({{b.L + b.W() * 6 / 10, b.T}, {b.L + b.W() / 8, b.T + b.H() * 6 / 10}, {b.CX(), b.T + b.H() * 6 / 10},
                      {b.L + b.W() * 4 / 10, b.B}, {b.R - b.W() / 8, b.T + b.H() * 4 / 10}, {b.CX(), b.T + b.H() * 4 / 10}}),
           ink);
}

void DrawWave(TIconPainter& p, TBox b, TRgb ink)
{
    constexpr int heights[] = {3, 6, 9, 5, 10, 7, 4, 8, 5, 2};
    const int n = 10, bw = b.W() / n, half = std::max(2, bw * 3 / 10);
    for (int i = 0; i < n; ++i) {
        const int cx = b.L + bw * i + bw / 2, h = b.H() * heights[i] / 20;
        p.Fill(p.Line(cx, b.CY() - h, cx, b.CY() + h, half), ink);
    }
}

void DrawSetTopBox(TIconPainter& p, TBox b, TRgb ink, TRgb back)
{
    const TBox box{b.L, b.B - b.H() * 2 / 5, b.R, b.B};
    p.Fill(p.RoundRect(box.L, box.T, box.R, box.B, 5), ink);
    p.Fill(p.Ellipse(box.R - box.W() / 8, box.CY(), box.H() / 8, box.H() / 8), back);
    p.Fill(p.RoundRect(box.L + box.W() / 10, box.CY() - 2, box.L + box.W() / 2, box.CY() + 2, 1), back);
    // Signal arcs above the box.
    const int cx = b.CX(), cy = box.T - b.H() / 20;
    for (int i = 1; i <= 3; ++i) {
        const int r = b.H() * i * 3 / 20, w = std::max(3, b.H() / 18);
        p.Fill(Both(Without(p.Ellipse(cx, cy, r + w, r + w), p.Ellipse(cx, cy, r - w, r - w)),
                    p.Polygon({{cx, cy}, {cx - r * 2, cy - r * 2}, {cx + r * 2, cy - r * 2}})),
               ink);
    }
    p.Fill(p.Ellipse(cx, cy, std::max(4, b.H() / 16), std::max(4, b.H() / 16)), ink);
}

void DrawTvBox(TIconPainter& p, TBox b, TRgb ink, TRgb back)
{
    DrawScreen(p, TBox{b.L, b.T, b.R, b.B - b.H() / 5}, ink, back);
    p.Fill(p.RoundRect(b.L + b.W() / 5, b.B - b.H() / 8, b.R - b.W() / 5, b.B, 4), ink);
}

void DrawFolder(TIconPainter& p, TBox b, TRgb front, TRgb rear)
{
    const int tab = b.H() / 6;
    p.Fill(p.RoundRect(b.L, b.T, b.L + b.W() * 2 / 5, b.T + tab * 2, 4), rear);
    p.Fill(p.RoundRect(b.L, b.T + tab, b.R, b.B, 5), rear);
    p.Fill(p.Polygon({{b.L + b.W() / 10, b.T + tab * 2}, {b.R + 0, b.T + tab * 2}, {b.R - b.W() / 12, b.B}, {b.L, b.B}}),
           p.VShade(b.T + tab * 2, b.B, Lighter(front, 60), front));
}

void DrawGear(TIconPainter& p, TBox b, TRgb ink)
{
    const int cx = b.CX(), cy = b.CY(), r = std::min(b.W(), b.H()) / 2;
    TInside teeth = p.Ellipse(cx, cy, r * 7 / 10, r * 7 / 10);
    // Eight teeth as short thick lines from the centre outwards.
    constexpr int dirs[8][2] = {{0, -10}, {7, -7}, {10, 0}, {7, 7}, {0, 10}, {-7, 7}, {-10, 0}, {-7, -7}};
    for (const auto& d : dirs)
        teeth = Either(std::move(teeth), p.Line(cx + d[0] * r * 6 / 100, cy + d[1] * r * 6 / 100, cx + d[0] * r * 85 / 1000,
                                               cy + d[1] * r * 85 / 1000, r / 6));
    p.Fill(Without(std::move(teeth), p.Ellipse(cx, cy, r * 3 / 10, r * 3 / 10)), ink);
}

void DrawPalette(TIconPainter& p, TBox b, TRgb ink)
{
    const int cx = b.CX(), cy = b.CY(), rx = b.W() / 2, ry = b.H() / 2;
    p.Fill(Without(p.Ellipse(cx, cy, rx, ry), p.Ellipse(cx + rx / 2, cy + ry / 2, rx / 5, ry / 5)), ink);
    const TRgb dots[] = {Rgb(0xE74C3C), Rgb(0xF1C40F), Rgb(0x2ECC71), Rgb(0x3498DB)};
    const int pos[4][2] = {{-5, -3}, {-1, -6}, {4, -5}, {-6, 3}};
    for (int i = 0; i < 4; ++i)
        p.Fill(p.Ellipse(cx + pos[i][0] * rx / 10, cy + pos[i][1] * ry / 10, rx / 6, ry / 6), dots[i]);
}

void DrawArrow(TIconPainter& p, TBox b, TRgb ink, bool up)
{
    const int sw = b.W() / 6;
    if (up) {
        p.Fill(p.Polygon({{b.CX(), b.T}, {b.R, b.T + b.H() / 2}, {b.L, b.T + b.H() / 2}}), ink);
        p.Fill(p.RoundRect(b.CX() - sw, b.T + b.H() / 2 - 2, b.CX() + sw, b.B, 2), ink);
    } else {
        p.Fill(p.Polygon({{b.CX(), b.B}, {b.L, b.B - b.H() / 2}, {b.R, b.B - b.H() / 2}}), ink);
        p.Fill(p.RoundRect(b.CX() - sw, b.T, b.CX() + sw, b.B - b.H() / 2 + 2, 2), ink);
    }
}

void DrawPencil(TIconPainter& p, TBox b, TRgb body, TRgb tip)
{
    const int w = b.W() / 6;
    p.Fill(p.Line(b.R - w, b.T + w, b.L + w * 2, b.B - w * 2, w), body);
    p.Fill(p.Polygon({{b.L + w, b.B - w * 3}, {b.L + w * 3, b.B - w}, {b.L, b.B}}), tip);
}

void DrawBin(TIconPainter& p, TBox b, TRgb ink, TRgb back)
{
    const int lid = b.H() / 7;
    p.Fill(p.RoundRect(b.L, b.T + lid / 2, b.R, b.T + lid * 3 / 2, 2), ink);
    p.Fill(p.RoundRect(b.CX() - b.W() / 6, b.T, b.CX() + b.W() / 6, b.T + lid, 2), ink);
    p.Fill(p.Polygon({{b.L + b.W() / 10, b.T + lid * 2}, {b.R - b.W() / 10, b.T + lid * 2}, {b.R - b.W() / 5, b.B}, {b.L + b.W() / 5, b.B}}), ink);
    for (int i = -1; i <= 1; ++i)
        p.Fill(p.RoundRect(b.CX() + i * b.W() / 5 - 2, b.T + lid * 3, b.CX() + i * b.W() / 5 + 2, b.B - lid, 1), back);
}
