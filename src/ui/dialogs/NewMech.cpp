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

using platform::TwipRect;

NewMech::NewMech(QWidget* parent)
    : DialogWindow(QStringLiteral("NewMech"), QStringLiteral("Caldrix"),
                   QSize(platform::Px(6720), platform::Px(1800)), false, parent) {

    auto* frame = new QGroupBox(QStringLiteral("Add a new 'Mech"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(TwipRect(120, 0, 6495, 1095));

    QLabel* label =
        platform::MakeLabel(frame, QStringLiteral("Label1"), QStringLiteral("'Mech Name"),
                            TwipRect(120, 240, 6255, 255), Qt::AlignHCenter);
    label->setFont(platform::ProgramFont(12));

    newMechName_ = new QLineEdit(QStringLiteral("New Mech"), frame);
    newMechName_->setObjectName(QStringLiteral("NewMechName"));
    newMechName_->setGeometry(TwipRect(120, 600, 6255, 375));
    newMechName_->setAlignment(Qt::AlignCenter);
    newMechName_->setAccessibleName(QStringLiteral("'Mech Name"));
    platform::CapTypedText(newMechName_);

    auto* ok = new QPushButton(QStringLiteral("Ok!"), this);
    ok->setObjectName(QStringLiteral("Ok"));
    ok->setGeometry(TwipRect(1080, 1200, 4575, 495));
    ok->setFont(platform::ProgramFont(13.5));
    ok->setDefault(true); // Enter in the name box presses "Ok!"

    setTabOrder(newMechName_, ok);
    newMechName_->setFocus();
    connect(ok, &QPushButton::clicked, this, &NewMech::Accept);
    platform::CentreOnScreen(this);
}

void NewMech::ShowSelected() {
    show();
    activateWindow();
    newMechName_->setFocus();
    newMechName_->selectAll();
}

void NewMech::Accept() {
    hide();
    emit nameChosen(newMechName_->text());
}

} // namespace caldrix
