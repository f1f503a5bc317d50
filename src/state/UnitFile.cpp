// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/UnitFile.h"

#include "state/MechRecordStore.h"

#include <algorithm>
#include <vector>

namespace caldrix {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return out;
}

// Text is valid UTF-8 without NUL or other control bytes but tab and line
// ends: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isText(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            if (c < 0x20 && c != '\t' && c != '\n' && c != '\r')
                return false;
            ++i;
            continue;
        }
        const std::size_t more = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC2 ? 1 : 0;
        if (more == 0 || c > 0xF4 || i + more >= bytes.size())
            return false;
        // The second byte's range is narrower after these leads.
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        const unsigned char low = c == 0xE0 ? 0xA0 : c == 0xF0 ? 0x90 : 0x80;
        const unsigned char high = c == 0xED ? 0x9F : c == 0xF4 ? 0x8F : 0xBF;
        if (second < low || second > high)
            return false;
        for (std::size_t k = 2; k <= more; ++k)
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80)
                return false;
        i += more + 1;
    }
    return true;
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

} // namespace

UnitFileResult parseUnitFile(std::string_view bytes) {
    UnitFileResult result;
    if (bytes.size() > kMaxUnitFileBytes) {
        result.problem = "it is larger than 1 MB";
        return result;
    }
    if (!isText(bytes)) {
        result.problem = "it is not a text file";
        return result;
    }
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3); // a byte-order mark

    const std::vector<std::string_view> lines = splitLines(bytes);
    std::string chassis, model;
    std::optional<std::string_view> sinks;
    // Older files: "Version:" first, then the chassis and the model on lines of their own.
    std::size_t first = 0;
    while (first < lines.size() && trim(lines[first]).empty())
        ++first;
    if (first < lines.size() && lower(trim(lines[first])).starts_with("version:")) {
        if (first + 1 < lines.size())
            chassis = trim(lines[first + 1]);
        if (first + 2 < lines.size())
            model = trim(lines[first + 2]);
    }
    for (std::string_view line : lines) {
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos)
            continue;
        const std::string key = lower(trim(line.substr(0, colon)));
        const std::string_view value = trim(line.substr(colon + 1));
        if (key == "chassis")
            chassis = value;
        else if (key == "model")
            model = value;
        else if (key == "heat sinks" && !sinks)
            sinks = value;
    }

    if (chassis.empty() && model.empty()) {
        result.problem = "it has no 'Mech name";
        return result;
    }
    std::string name = chassis.empty() ? model : model.empty() ? chassis : chassis + " " + model;
    if (name.size() > static_cast<std::size_t>(kMaxText)) {
        result.problem = "its 'Mech name is too long";
        return result;
    }
    if (!sinks) {
        result.problem = "it has no heat sinks line";
        return result;
    }
    // The count, held from growing far past the most a record takes.
    const auto digitsEnd =
        std::find_if(sinks->begin(), sinks->end(), [](char c) { return c < '0' || c > '9'; });
    int count = 0;
    for (auto digit = sinks->begin(); digit != digitsEnd; ++digit)
        count = std::min(count * 10 + (*digit - '0'), 100'000);
    if (digitsEnd == sinks->begin() || count > 32767) {
        result.problem = "its heat sinks line does not start with a count from 0 to 32767";
        return result;
    }
    const std::string kind = lower(std::string_view(digitsEnd, sinks->end()));
    UnitFileMech mech;
    mech.name = std::move(name);
    mech.heatSinks = count;
    mech.doubleHeatSinks =
        kind.find("double") != std::string::npos || kind.find("laser") != std::string::npos;
    result.mech = mech;
    return result;
}

} // namespace caldrix
