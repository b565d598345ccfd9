#pragma once
// A set of the values of a small enumeration (at most 32 values), one bit per value: bit 0 for
// the first value. The engine's library sets and seek flags are such sets.

#include <cstdint>
#include <initializer_list>

template <typename E>
class TEnumSet {
public:
    constexpr TEnumSet() = default;
    constexpr TEnumSet(std::initializer_list<E> values)
    {
        for (E value : values)
            bits_ |= Bit(value);
    }

    static constexpr TEnumSet FromBits(std::uint32_t bits)
    {
        TEnumSet set;
        set.bits_ = bits;
        return set;
    }

    constexpr std::uint32_t Bits() const { return bits_; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr bool Contains(E value) const { return (bits_ & Bit(value)) != 0; }
    constexpr void Include(E value) { bits_ |= Bit(value); }
    constexpr void Exclude(E value) { bits_ &= ~Bit(value); }

    constexpr TEnumSet operator+(TEnumSet other) const { return FromBits(bits_ | other.bits_); }
    constexpr TEnumSet operator-(TEnumSet other) const { return FromBits(bits_ & ~other.bits_); }
    friend constexpr bool operator==(TEnumSet, TEnumSet) = default;

private:
    static constexpr std::uint32_t Bit(E value) { return std::uint32_t{1} << static_cast<unsigned>(value); }

    std::uint32_t bits_ = 0;
};
