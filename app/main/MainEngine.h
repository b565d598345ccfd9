#pragma once
// How the main window makes its converter component: the engine's own unless a test installed
// another (a converter whose tasks are scripted).

#include <functional>
#include <memory>

class TFFmpegConverter;

using TConverterMaker = std::function<std::unique_ptr<TFFmpegConverter>()>;

// The maker in force makes the converter of every main window created from now on; an empty
// maker restores the engine's own.
void SetConverterMaker(TConverterMaker Maker);
std::unique_ptr<TFFmpegConverter> MakeConverter();
