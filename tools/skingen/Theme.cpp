#include "tools/skingen/Theme.h"

namespace {

// Field order: Id, Name, Dark,
//   Surface, SurfaceText, Window, WindowText, Accent, AccentText, Border, ButtonTop, ButtonBottom,
//   ButtonText, Bar, BarText,
//   CaptionTop, CaptionBottom, InactiveTop, InactiveBottom, CaptionText, InactiveCaptionText,
//   FrameEdge, CaptionHeight, BorderWidth, CaptionCentered, CloseHot,
//   Radius, Glossy, Glow, GlowColor, Morph, InactivePicture, InactiveEffect, ShapedFrame, LayerFrame,
//   StretchFaces, FaceStretch, CaptionStretch, FontHeight,
//   BarGradient, SegmentedTools, FlatTabs, CaptionAccent, FullSet
constexpr TTheme kThemes[] = {
    {"skin0", "木星战甲", false,
     Rgb(0xF3EEE6), Rgb(0x3A2A1A), Rgb(0xFFFDF9), Rgb(0x2B2118), Rgb(0xE07B28), Rgb(0xFFFFFF), Rgb(0xB9A48C),
     Rgb(0xFFFBF4), Rgb(0xE9D9C2), Rgb(0x3A2A1A), Rgb(0xEADFCF), Rgb(0x3A2A1A),
     Rgb(0xE0853A), Rgb(0xA24B16), Rgb(0xDCCDBB), Rgb(0xBFAA92), Rgb(0xFFFFFF), Rgb(0xF4EDE4),
     Rgb(0x6E3510), 28, 5, false, Rgb(0xD9442E),
     4, true, false, Rgb(0xFFB070), mkGradient, true, ieBrightness, false, false,
     true, skstHorz, false, 14, true, false, false, false, true},
    {"skin1", "土星战甲", false,
     Rgb(0xF0F3F7), Rgb(0x1F2933), Rgb(0xFFFFFF), Rgb(0x1F2933), Rgb(0x2F7FD8), Rgb(0xFFFFFF), Rgb(0xA9B6C6),
     Rgb(0xFAFCFE), Rgb(0xE6ECF3), Rgb(0x1F2933), Rgb(0xE3E9F1), Rgb(0x1F2933),
     Rgb(0x3A89DE), Rgb(0x2C78CE), Rgb(0xD2DAE4), Rgb(0xC4CEDA), Rgb(0xFFFFFF), Rgb(0x5F6B7A),
     Rgb(0x2160A6), 28, 4, false, Rgb(0xE0443A),
     3, false, false, Rgb(0x7FB6F0), mkDefault, true, ieBrightness, false, false,
     false, skstFull, false, 14, false, true, true, false, true},
    {"skin2", "宇宙战甲", true,
     Rgb(0x24203A), Rgb(0xE8E4F7), Rgb(0x1A1729), Rgb(0xE8E4F7), Rgb(0x8E5CF0), Rgb(0xFFFFFF), Rgb(0x4C4470),
     Rgb(0x4A4272), Rgb(0x2E2850), Rgb(0xF1EEFB), Rgb(0x2C2746), Rgb(0xE8E4F7),
     Rgb(0x6446B8), Rgb(0x24184F), Rgb(0x3A3552), Rgb(0x2A2640), Rgb(0xFFFFFF), Rgb(0xA9A3C2),
     Rgb(0x0E0A1E), 30, 6, true, Rgb(0xE2466A),
     6, true, true, Rgb(0xB58CFF), mkLeftGradient, false, ieDarkness, true, false,
     true, skstHorz, true, 14, true, false, false, false, true},
    {"skin3", "星河战甲", true,
     Rgb(0x1B2430), Rgb(0xDCE6F0), Rgb(0x141B24), Rgb(0xDCE6F0), Rgb(0x1FB5D6), Rgb(0x08121A), Rgb(0x34465A),
     Rgb(0x2B394A), Rgb(0x243140), Rgb(0xE6EEF6), Rgb(0x202B38), Rgb(0xDCE6F0),
     Rgb(0x1A2430), Rgb(0x151D27), Rgb(0x1A2430), Rgb(0x151D27), Rgb(0xE6F6FB), Rgb(0x7F8FA0),
     Rgb(0x070C12), 28, 3, false, Rgb(0xD64545),
     2, false, true, Rgb(0x38D0F0), mkPush, false, ieGrayScale, false, true,
     false, skstVert, false, 14, false, true, true, true, true},
    {"skin4", "银河战甲", false,
     Rgb(0xE9ECF1), Rgb(0x23262D), Rgb(0xFBFCFD), Rgb(0x23262D), Rgb(0x7B4FD6), Rgb(0xFFFFFF), Rgb(0x9AA1AE),
     Rgb(0xFFFFFF), Rgb(0xD0D5DE), Rgb(0x23262D), Rgb(0xDCE0E7), Rgb(0x23262D),
     Rgb(0x4A4F5C), Rgb(0x2B2F38), Rgb(0xE6E9EE), Rgb(0xC9CED6), Rgb(0xFFFFFF), Rgb(0x6E7480),
     Rgb(0x555D6B), 28, 5, true, Rgb(0xD9534F),
     5, true, false, Rgb(0x9AA8FF), mkRightGradient, true, ieBrightness, false, false,
     true, skstFull, false, 14, true, false, false, false, true},
    {"skin5", "金星战甲", false,
     Rgb(0xF8F1F4), Rgb(0x3A1F2B), Rgb(0xFFFFFF), Rgb(0x3A1F2B), Rgb(0xC2185B), Rgb(0xFFFFFF), Rgb(0xD3AFC0),
     Rgb(0xFFFBFD), Rgb(0xF1DDE6), Rgb(0x3A1F2B), Rgb(0xF3E4EB), Rgb(0x3A1F2B),
     Rgb(0xD6487F), Rgb(0x9C1449), Rgb(0xEBDCE3), Rgb(0xD9C3CD), Rgb(0xFFFFFF), Rgb(0x7A5F6B),
     Rgb(0x6E0E33), 26, 4, false, Rgb(0xD0583C),
     8, false, false, Rgb(0xF0D070), mkLeftSlide, false, ieBrightness, false, false,
     false, skstFull, true, 14, false, false, true, false, true},
    {"skin6", "火星战甲", true,
     Rgb(0x2A2626), Rgb(0xEFE6E4), Rgb(0x1E1B1B), Rgb(0xEFE6E4), Rgb(0xD8432F), Rgb(0xFFFFFF), Rgb(0x564A4A),
     Rgb(0x4A3F3E), Rgb(0x2F2828), Rgb(0xF6EEEC), Rgb(0x332D2D), Rgb(0xEFE6E4),
     Rgb(0x9A2E20), Rgb(0x42120C), Rgb(0x4A4240), Rgb(0x363030), Rgb(0xFFF3EF), Rgb(0xA89A96),
     Rgb(0x140A08), 30, 5, true, Rgb(0xF0523C),
     4, true, true, Rgb(0xFF6A4A), mkRightSlide, true, ieBrightness, false, false,
     true, skstHorz, false, 14, true, false, false, true, true},
    {"skin7", "水星战甲", false,
     Rgb(0xEEF3F1), Rgb(0x1E2B28), Rgb(0xFFFFFF), Rgb(0x1E2B28), Rgb(0x17A589), Rgb(0xFFFFFF), Rgb(0x9DB3AD),
     Rgb(0xF7FAF9), Rgb(0xE3ECE9), Rgb(0x1E2B28), Rgb(0xDDE8E4), Rgb(0x1E2B28),
     Rgb(0x1FA58B), Rgb(0x178F78), Rgb(0xDDE8E4), Rgb(0xDDE8E4), Rgb(0xFFFFFF), Rgb(0x5C6D69),
     Rgb(0x0F6E5B), 26, 4, false, Rgb(0xE0443A),
     0, false, false, Rgb(0x6FE0C8), mkDefault, false, ieGrayScale, false, false,
     true, skstVert, false, 14, false, true, true, true, true},
};

constexpr TTheme kFixed = {
    "fixed", "固定皮肤", false,
    Rgb(0xF4F6F8), Rgb(0x1F2630), Rgb(0xFFFFFF), Rgb(0x1F2630), Rgb(0x3C8DDE), Rgb(0xFFFFFF), Rgb(0xAEB8C4),
    Rgb(0xFFFFFF), Rgb(0xEDF1F5), Rgb(0x1F2630), Rgb(0xEEF2F6), Rgb(0x1F2630),
    Rgb(0x3C8DDE), Rgb(0x3C8DDE), Rgb(0xD0D6DD), Rgb(0xD0D6DD), Rgb(0xFFFFFF), Rgb(0x5F6B7A),
    Rgb(0x2A6DB5), 26, 4, false, Rgb(0xE0443A),
    3, false, false, Rgb(0x7FB6F0), mkDefault, true, ieBrightness, false, false,
    true, skstFull, false, 14, false, false, false, false, false};

} // namespace

std::span<const TTheme> SwitchableThemes()
{
    return kThemes;
}

const TTheme& FixedTheme()
{
    return kFixed;
}
