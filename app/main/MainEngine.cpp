#include "app/main/MainEngine.h"

#include "engine/FFmpegConverter.h"

namespace {
TConverterMaker& Maker()
{
    static TConverterMaker maker;
    return maker;
}
} // namespace

void SetConverterMaker(TConverterMaker Value)
{
    Maker() = std::move(Value);
}

std::unique_ptr<TFFmpegConverter> MakeConverter()
{
    return Maker() ? Maker()() : std::make_unique<TFFmpegConverter>();
}
