#pragma once
// Small rectangle, number, stream and text helpers every skinned element uses.

#include "platform/win/Types.h"

#include <cstdint>
#include <string>

class TStream;

int WidthOfRect(const RECT& R);
int HeightOfRect(const RECT& R);
// True when the width or the height is not above 0.
bool RectHasNoArea(const RECT& R);
void ZeroRect(RECT& R);
bool RectsAreEqual(const RECT& A, const RECT& B);
// All four edges count as inside.
bool RectContainsPoint(const RECT& R, POINT P);
// A's top-left and bottom-right corners both pass the point-in-rectangle test on B (whose
// right and bottom edges are outside).
bool RectLiesWithin(const RECT& A, const RECT& B);
// A's top row or bottom row falls within B's rows.
bool RectRowsTouch(const RECT& A, const RECT& B);
bool PointHasZeroCoord(POINT P);
int LargerOf(int A, int B);
int SmallerOf(int A, int B);

// The system's version. The platform layer offers everything these tests guard (layered
// windows, per-pixel alpha, drop shadows), as version 6.1 does.
void GetOSVersionNumbers(int& Major, int& Minor);
bool IsWinVistaOrLater();
// 5.1 or any major version above 5 (5.0 and 5.2 give false).
bool IsWinXPOrVistaPlus();
// 5.0, 5.1, 5.2 or any major version above 5.
bool IsWin2000OrLater();
// Bits per pixel of the screen, and whether that is above 23.
int ScreenColorDepth();
bool IsTrueColorDisplay();

// A string in streams: a 32-bit count of UTF-16 code units, then the UTF-16LE text.
void WriteStreamString(TStream* Stream, const std::string& S);
void ReadStreamString(TStream* Stream, std::string& S);

// 32-bit signed integers, little-endian.
void WriteStreamInt32(TStream* Stream, std::int32_t Value);
std::int32_t ReadStreamInt32(TStream* Stream);

// Takes the next token off the front of Text; tokens end at a space or one of "(),:;=", which
// is consumed. Both are trimmed of spaces afterwards.
void ExtractRectToken(std::string& Text, std::string& Token);
// Four integers (Left, Top, Right, Bottom); 0, 0, 0, 0 when any of them does not convert.
void ParseRectText(const std::string& Text, RECT& R);
