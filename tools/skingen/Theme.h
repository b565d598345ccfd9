#pragma once
// The small tables every skin is drawn from: colours, shapes and the effects its descriptions
// ask for. Eight switchable skins and the fixed skin of the category and format boxes.

#include "skin/core/skSkinValues.h"
#include "tools/skingen/Raster.h"

#include <span>
#include <string_view>

struct TTheme {
    std::string_view Id;    // file stem
    std::string_view Name;  // display name (also the skin's VERSION name)
    bool Dark;

    // Surfaces and text.
    TRgb Surface;       // form client, panels, dialogs
    TRgb SurfaceText;
    TRgb Window;        // edits, lists, menus
    TRgb WindowText;
    TRgb Accent;        // selection, focus, highlights
    TRgb AccentText;
    TRgb Border;        // control outlines
    TRgb ButtonTop, ButtonBottom;  // button face
    TRgb ButtonText;
    TRgb Bar;           // menu bar, tool bar, status bar, headers
    TRgb BarText;

    // Frame.
    TRgb CaptionTop, CaptionBottom;            // active caption band
    TRgb InactiveTop, InactiveBottom;          // inactive caption band
    TRgb CaptionText, InactiveCaptionText;
    TRgb FrameEdge;                            // outer line of the frame
    int CaptionHeight;
    int BorderWidth;
    bool CaptionCentered;
    TRgb CloseHot;                             // close button under the mouse

    // Shape and effects.
    int Radius;                 // corner radius of controls
    bool Glossy;                // light band on the upper half of faces
    bool Glow;                  // glow layers around hovered buttons, glowing caption text
    TRgb GlowColor;
    TskMorphKind Morph;         // hover transition
    bool InactivePicture;       // inactive frame drawn; else rendered by InactiveEffect
    TskInActiveEffect InactiveEffect;
    bool ShapedFrame;           // frame region from a mask (rounded corners)
    bool LayerFrame;            // soft layered border around the form
    bool StretchFaces;          // face centres and side edges stretched, not tiled
    TskStretchType FaceStretch; // how stretched centres are stretched
    bool CaptionStretch;        // caption band stretched (horizontal shading)
    int FontHeight;
    // Character of the parts.
    bool BarGradient;           // menu and status bars shaded
    bool SegmentedTools;        // large tool buttons separated by lines at rest, else soft tiles
    bool FlatTabs;              // tabs at rest are bare text; else every tab is a box
    bool CaptionAccent;         // an accent line under the caption
    bool FullSet;               // every description of the switchable skins; else the fixed set
};

// The eight switchable skins in their list order.
std::span<const TTheme> SwitchableThemes();
// The fixed skin of the category and format boxes.
const TTheme& FixedTheme();
