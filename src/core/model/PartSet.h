#pragma once
// Sets of partition numbers and their on-screen texts.
#include <bitset>
#include <cstdint>
#include <string>

namespace travo {

// Partitions 1..7 in 8 bits, bit n for partition n; the device has 1..4.
class PartSet {
public:
    constexpr PartSet() = default;
    constexpr explicit PartSet(std::uint8_t bits) : bits_(bits) {}
    constexpr PartSet(std::initializer_list<int> parts) {
        for (int p : parts) Insert(p);
    }

    constexpr bool Contains(int p) const { return p >= 0 && p <= 7 && (bits_ >> p) & 1u; }
    constexpr void Insert(int p) {
        if (p >= 0 && p <= 7) bits_ = static_cast<std::uint8_t>(bits_ | (1u << p));
    }
    constexpr void Remove(int p) {
        if (p >= 0 && p <= 7) bits_ = static_cast<std::uint8_t>(bits_ & ~(1u << p));
    }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr std::uint8_t Bits() const { return bits_; }
    constexpr bool operator==(const PartSet&) const = default;

private:
    std::uint8_t bits_ = 0;
};

// Members 1..4 as runs: {1,3,4} -> "1,3-4", {1,2} -> "1-2", {} -> "".
std::string FormatPartSet(PartSet set);

// Members 1..250 of a set of numbers, ascending, comma separated, no runs.
using NumberSet = std::bitset<251>;
std::string FormatNumberSet(const NumberSet& set);
NumberSet ToNumberSet(PartSet set);

} // namespace travo
