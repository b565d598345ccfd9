#pragma once
// Where input_demo places its controls (form client coordinates), for its screenshot's checks.

namespace inputdemo {

constexpr int kFormLeft = 40, kFormTop = 40;  // the form's window on the screen
constexpr int kClientWidth = 420, kClientHeight = 300;
constexpr int kEditLeft = 10, kEditWidth = 220;
constexpr int kPlainTop = 10;
constexpr int kSkinnedTop = 40;
constexpr int kFocusedTop = 70;  // focused, with pre-edit text and the caret after it
constexpr int kReadOnlyTop = 100;
constexpr int kDisabledTop = 130;
constexpr int kButtonTop = 160;
constexpr int kNumericTop = 190;
constexpr int kLinkTop = 225, kLinkLeft = 10;  // hovered link label
// A scroll box with a vertical bar beside it, scrolled down by kScrolled; its child's top band
// (kBandHeight pixels) is then out of view.
constexpr int kBoxLeft = 250, kBoxTop = 10, kBoxSize = 140;
constexpr int kScrolled = 30, kBandHeight = 40;

} // namespace inputdemo
