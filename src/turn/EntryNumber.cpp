// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "turn/EntryNumber.h"

#include <cstddef>

namespace caldrix {

namespace {

// Whole parts beyond this are far outside any range we accept; saturating
// keeps the arithmetic safe for texts of thousands of digits.
constexpr std::int64_t kSaturation = 1'000'000'000'000LL;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<EntryNumber> ParseEntryNumber(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    std::string_view s = text.substr(begin, end - begin);

    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }

    std::int64_t whole = 0;
    std::size_t i = 0;
    std::size_t wholeDigits = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i, ++wholeDigits)
        whole = whole >= kSaturation ? kSaturation : whole * 10 + (s[i] - '0');

    // The fraction compared against one half: its first digit decides unless
    // it is exactly 5, then any later non-zero digit makes it above half.
    EntryNumber::Fraction frac = EntryNumber::Fraction::None;
    std::size_t fracDigits = 0;
    if (i < s.size() && s[i] == '.') {
        ++i;
        for (; i < s.size() && IsDigit(s[i]); ++i, ++fracDigits) {
            const char d = s[i];
            if (fracDigits == 0) {
                if (d == '0')
                    frac = EntryNumber::Fraction::None;
                else if (d < '5')
                    frac = EntryNumber::Fraction::BelowHalf;
                else if (d == '5')
                    frac = EntryNumber::Fraction::Half;
                else
                    frac = EntryNumber::Fraction::AboveHalf;
            } else if (d != '0') {
                if (frac == EntryNumber::Fraction::None)
                    frac = EntryNumber::Fraction::BelowHalf;
                else if (frac == EntryNumber::Fraction::Half)
                    frac = EntryNumber::Fraction::AboveHalf;
            }
        }
    }
    if (i != s.size() || wholeDigits + fracDigits == 0)
        return std::nullopt;

    EntryNumber n;
    n.Floor = whole;
    n.Frac = frac;
    if (negative) {
        // -(w + f) = (-w - 1) + (1 - f) for a non-zero fraction f.
        if (frac == EntryNumber::Fraction::None) {
            n.Floor = -whole;
        } else {
            n.Floor = -whole - 1;
            if (frac == EntryNumber::Fraction::BelowHalf)
                n.Frac = EntryNumber::Fraction::AboveHalf;
            else if (frac == EntryNumber::Fraction::AboveHalf)
                n.Frac = EntryNumber::Fraction::BelowHalf;
        }
    }
    return n;
}

std::int64_t RoundedSum(std::int64_t running, const EntryNumber& x) {
    const std::int64_t base = running + x.Floor;
    switch (x.Frac) {
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

bool FitsInt16(const EntryNumber& x) {
    const std::int64_t r = Rounded(x);
    return r >= INT16_MIN && r <= INT16_MAX;
}

} // namespace caldrix
