// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "turn/EntryNumber.h"

#include <algorithm>
#include <cstddef>
#include <limits>

namespace caldrix {

namespace {

constexpr std::string_view kBlanks = " \t", kDigits = "0123456789";
// Whole parts beyond this are far outside any range we accept; saturating
// keeps the arithmetic safe for texts of thousands of digits.
constexpr std::int64_t kSaturation = std::numeric_limits<std::int32_t>::max();

// The run of digits at the front of `s`, taken off it.
std::string_view takeDigits(std::string_view& s) {
    const std::string_view run = s.substr(0, std::min(s.find_first_not_of(kDigits), s.size()));
    s.remove_prefix(run.size());
    return run;
}

} // namespace

std::optional<EntryNumber> parseEntryNumber(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return std::nullopt;
    std::string_view s = text.substr(first, text.find_last_not_of(kBlanks) + 1 - first);

    bool negative = false;
    if (s.starts_with('+') || s.starts_with('-')) {
        negative = s.starts_with('-');
        s.remove_prefix(1);
    }
    const std::string_view wholeDigits = takeDigits(s);
    std::string_view fracDigits;
    if (s.starts_with('.')) {
        s.remove_prefix(1);
        fracDigits = takeDigits(s);
    }
    if (!s.empty() || wholeDigits.size() + fracDigits.size() == 0)
        return std::nullopt;

    std::int64_t whole = 0;
    for (const char d : wholeDigits)
        whole = std::min(whole * 10 + (d - '0'), kSaturation);
    // The fraction against one half: its first digit decides unless it is
    // exactly 5, then any later non-zero digit makes it above half.
    EntryNumber::Fraction frac = EntryNumber::Fraction::None;
    if (!fracDigits.empty()) {
        const char d = fracDigits.front();
        const bool more = fracDigits.find_first_not_of('0', 1) != std::string_view::npos;
        frac = d > '5' || (d == '5' && more) ? EntryNumber::Fraction::AboveHalf
               : d == '5'                    ? EntryNumber::Fraction::Half
               : d > '0' || more             ? EntryNumber::Fraction::BelowHalf
                                             : EntryNumber::Fraction::None;
    }

    EntryNumber n;
    n.floor = whole;
    n.frac = frac;
    if (negative) {
        // -(w + f) = (-w - 1) + (1 - f) for a non-zero fraction f.
        if (frac == EntryNumber::Fraction::None) {
            n.floor = -whole;
        } else {
            n.floor = -whole - 1;
            if (frac == EntryNumber::Fraction::BelowHalf)
                n.frac = EntryNumber::Fraction::AboveHalf;
            else if (frac == EntryNumber::Fraction::AboveHalf)
                n.frac = EntryNumber::Fraction::BelowHalf;
        }
    }
    return n;
}

std::int64_t roundedSum(std::int64_t running, const EntryNumber& x) {
    const std::int64_t base = running + x.floor;
    switch (x.frac) {
    case EntryNumber::Fraction::None:
    case EntryNumber::Fraction::BelowHalf:
        return base;
    case EntryNumber::Fraction::AboveHalf:
        return base + 1;
    case EntryNumber::Fraction::Half:
        break;
    }
    return base % 2 == 0 ? base : base + 1;
}

bool fitsInt16(const EntryNumber& x) {
    const std::int64_t r = rounded(x);
    return r >= INT16_MIN && r <= INT16_MAX;
}

} // namespace caldrix
