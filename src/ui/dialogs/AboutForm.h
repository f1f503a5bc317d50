// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/DialogWindow.h"

namespace caldrix {

// The About box; its texts never change.
class AboutForm : public platform::DialogWindow {
    Q_OBJECT
public:
    explicit AboutForm(QWidget* parent = nullptr);
    void closeByOk();
};

} // namespace caldrix
