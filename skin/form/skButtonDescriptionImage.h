#pragma once
// Faces cut from a button description ("resizebutton", "resizetoolbutton" and the like) at any
// size: the state rectangle with its fall-backs and the nine-slice image of it.

#include "skin/core/skDataSkinControls.h"

class TBitmap;

enum class TskButtonFace { Normal, Hot, Down };

// SkinRect; ActiveSkinRect (SkinRect when empty) when hot; DownSkinRect (else the hot one) down.
RECT ButtonFaceRect(const TskDataSkinButtonControl& D, TskButtonFace Face);
// Rectangle S of D's picture as an image of W x H: with Tool stretched around the client
// rectangle, else nine-slice with the corner points and client rectangle moved for the size.
void ComposeButtonFace(const TskDataSkinButtonControl& D, TBitmap* Picture, const RECT& S, bool Tool, TBitmap* Out,
                       int W, int H);
