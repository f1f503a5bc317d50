// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace caldrix {

// A number typed into an entry, kept exactly: its floor and where its
// fraction lies against one half. That is all that rounding half-to-even
// needs, and it stays exact for entries like 2.5000000000001 where a double
// would not.
struct EntryNumber {
    enum class Fraction { None, BelowHalf, Half, AboveHalf };

    std::int64_t floor = 0; // saturates far outside the 16-bit range
    Fraction frac = Fraction::None;

    // Whether the number is below a whole number n.
    bool isBelow(std::int64_t n) const { return floor < n; }
};

// Accepted: optional blanks around, an optional + or -, digits with an
// optional fraction after a '.' ("3", "-2", "2.5", ".5", "5.", " 7 ").
// Anything else gives nothing.
std::optional<EntryNumber> parseEntryNumber(std::string_view text);

// running + x taken to the nearest integer, halves to the even neighbour.
// The fraction is resolved only after the addition, which changes results.
std::int64_t roundedSum(std::int64_t running, const EntryNumber& x);

// The number on its own taken to the nearest integer (halves to even).
inline std::int64_t rounded(const EntryNumber& x) {
    return roundedSum(0, x);
}

// Whether the rounded value fits a 16-bit signed integer.
bool fitsInt16(const EntryNumber& x);

} // namespace caldrix
