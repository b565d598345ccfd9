#pragma once
// The root of the class library: every class with a class name, a virtual destructor and the
// two-step destruction (`Free`) derives from TObject; events are std::function members whose
// first argument is the sender.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    // The class's own name ("TStringList"), taken from the C++ type of the object.
    std::string ClassName() const;

    // Runs BeforeDestruction while the object is still whole (every override is reachable),
    // then deletes it. Objects made with `new` are freed this way (FreeAndNil for a field);
    // a plain `delete` still works but runs the teardown from the destructors.
    void Free();

protected:
    virtual void BeforeDestruction() {}
};

// Frees an object and clears the pointer.
template <class T>
void FreeAndNil(T*& obj)
{
    T* tmp = obj;
    obj = nullptr;
    if (tmp)
        tmp->Free();
}

using TNotifyEvent = std::function<void(TObject* Sender)>;

// A small set of enumeration members (at most 64), as the class library's set types.
template <class E>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> members)
    {
        for (E m : members)
            bits_ |= bit(m);
    }

    constexpr bool Contains(E m) const { return (bits_ & bit(m)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr TSet& Include(E m) { bits_ |= bit(m); return *this; }
    constexpr TSet& Exclude(E m) { bits_ &= ~bit(m); return *this; }
    constexpr std::uint64_t Bits() const { return bits_; }

    constexpr TSet operator+(TSet o) const { return FromBits(bits_ | o.bits_); }
    constexpr TSet operator-(TSet o) const { return FromBits(bits_ & ~o.bits_); }
    constexpr TSet operator*(TSet o) const { return FromBits(bits_ & o.bits_); }
    constexpr TSet& operator<<(E m) { return Include(m); }
    constexpr TSet& operator>>(E m) { return Exclude(m); }
    friend constexpr bool operator==(TSet a, TSet b) { return a.bits_ == b.bits_; }

    static constexpr TSet FromBits(std::uint64_t b)
    {
        TSet s;
        s.bits_ = b;
        return s;
    }

private:
    static constexpr std::uint64_t bit(E m) { return std::uint64_t{1} << static_cast<unsigned>(m); }
    std::uint64_t bits_ = 0;
};
