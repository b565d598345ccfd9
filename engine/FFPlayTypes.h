#pragma once
// The player's enumerations, event types and driver names.

#include "engine/FFPicture.h"

#include <cstdint>
#include <functional>

class TCustomPlayer;

enum TPlayState : std::uint8_t { psPlay, psPause, psResume, psStep, psStop, psEnd };
enum TRepeatType : std::uint8_t { rtNone, rtStop, rtLoop };
// What a file without pictures shows: nothing, the wave form, the spectrum.
enum TShowAudio : std::uint8_t { saNone, saWave, saRDFT };
enum TAudioDriver : std::uint8_t { adDefault, adDirectSound, adWaveOut };
enum TVideoDriver : std::uint8_t { vdDefault, vdDirectDraw, vdGDI };
// SDL's mixing volume, 0 to 128 (full volume).
using TAudioVolume = int;
enum Tav_sync_type : std::uint8_t { AV_SYNC_AUDIO_MASTER, AV_SYNC_VIDEO_MASTER, AV_SYNC_EXTERNAL_CLOCK };

// The engine's marker of a missing time.
inline constexpr std::int64_t kNoPTS = INT64_MIN;

// ADuration in microseconds (-1 unknown); the handler may set the drawing area's size.
using TFileOpenEvent = std::function<void(TCustomPlayer* Sender, std::int64_t ADuration, int AFrameWidth,
                                          int AFrameHeight, int& AScreenWidth, int& AScreenHeight)>;
// APTS: microseconds from the start of the file.
using TPositionEvent = std::function<void(TCustomPlayer* Sender, std::int64_t APTS)>;
using TPlayStateEvent = std::function<void(TCustomPlayer* Sender, TPlayState AState)>;
// What the handler draws on the picture replaces the picture on screen.
using THookEvent = std::function<void(TCustomPlayer* Sender, TFFPicture& ABitmap, std::int64_t APTS)>;

// SDL driver names by driver choice. The Linux drivers stand in for the Windows ones: the sound
// servers for the two Windows sound interfaces, X11 for both Windows video paths. The default
// entry is empty: the driver the environment names, else SDL's own choice for sound and X11
// for video (SDL never starts without an explicit video driver, see the player's Open).
inline constexpr const char* AudioDriverNames[] = {"", "pulse", "alsa"};
inline constexpr const char* VideoDriverNames[] = {"", "x11", "x11"};
