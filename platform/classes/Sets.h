#pragma once
// TSet<E>: a set of the members of a small enumeration, one bit per ordinal,
// as the class library's published set properties (border icons, component
// state) hold them. The form reader reads and writes sets as these bits.
#include <cstdint>
#include <initializer_list>

template <class E>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> members) {
    for (E member : members) Include(member);
  }
  static constexpr TSet FromBits(uint32_t bits) {
    TSet set;
    set.FBits = bits;
    return set;
  }

  constexpr bool Contains(E member) const { return (FBits & Bit(member)) != 0; }
  constexpr void Include(E member) { FBits |= Bit(member); }
  constexpr void Exclude(E member) { FBits &= ~Bit(member); }
  constexpr uint32_t Bits() const { return FBits; }
  constexpr bool operator==(const TSet&) const = default;

 private:
  static constexpr uint32_t Bit(E member) { return uint32_t{1} << static_cast<uint32_t>(member); }

  uint32_t FBits = 0;
};
