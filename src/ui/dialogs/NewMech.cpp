// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/dialogs/NewMech.h"

#include "platform/Controls.h"
#include "platform/Theme.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace caldrix {

using platform::twipRect;

NewMech::NewMech(QWidget* parent)
    : DialogWindow(QStringLiteral("NewMech"), QStringLiteral("Caldrix"),
                   QSize(platform::px(6720), platform::px(1800)), false, parent) {

    auto* frame = new QGroupBox(QStringLiteral("Add a new 'Mech"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(twipRect(120, 0, 6495, 1095));

    QLabel* label =
        platform::makeLabel(frame, QStringLiteral("Label1"), QStringLiteral("'Mech Name"),
                            twipRect(120, 240, 6255, 255), Qt::AlignHCenter);
    label->setFont(platform::programFont(12));

    newMechName_ = new QLineEdit(QStringLiteral("New Mech"), frame);
    newMechName_->setObjectName(QStringLiteral("NewMechName"));
    newMechName_->setGeometry(twipRect(120, 600, 6255, 375));
    newMechName_->setAlignment(Qt::AlignCenter);
    newMechName_->setAccessibleName(QStringLiteral("'Mech Name"));
    platform::capTypedText(newMechName_);

    auto* ok = new QPushButton(QStringLiteral("Ok!"), this);
    ok->setObjectName(QStringLiteral("Ok"));
    ok->setGeometry(twipRect(1080, 1200, 4575, 495));
    ok->setFont(platform::programFont(13.5));
    ok->setDefault(true); // Enter in the name box presses "Ok!"

    setTabOrder(newMechName_, ok);
    newMechName_->setFocus();
    connect(ok, &QPushButton::clicked, this, &NewMech::chooseName);
    platform::centreOnScreen(this);
}

void NewMech::showSelected() {
    show();
    activateWindow();
    newMechName_->setFocus();
    newMechName_->selectAll();
}

void NewMech::chooseName() {
    hide();
    emit nameChosen(newMechName_->text());
}

} // namespace caldrix
