#pragma once
// The base of the engine's components (converter, probe, player, logger) and the seek flags
// their seek operations take.

#include "engine/EnumSet.h"

#include <cstdint>

enum TSeekFlag : std::uint8_t { sfBackward, sfByte, sfAny, sfFrame };
using TSeekFlags = TEnumSet<TSeekFlag>;

class TFFBaseComponent {
public:
    virtual ~TFFBaseComponent() = default;
    TFFBaseComponent(const TFFBaseComponent&) = delete;
    TFFBaseComponent& operator=(const TFFBaseComponent&) = delete;

protected:
    TFFBaseComponent() = default;
};
