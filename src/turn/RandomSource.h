// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace caldrix {

// The program's one random generator: uniform numbers in [0, 1).
// The platform layer gives a clock-seeded one; tests give fixed ones.
class RandomSourceInterface {
public:
    virtual ~RandomSourceInterface() = default;
    virtual float nextFloat() = 0;
    virtual void reseed() = 0;
};

} // namespace caldrix
