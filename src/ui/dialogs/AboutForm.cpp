// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/dialogs/AboutForm.h"

#include "platform/Controls.h"
#include "platform/Theme.h"

#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace caldrix {

using platform::twipRect;

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, QRect rect,
                  qreal points) {
    QLabel* label =
        platform::makeLabel(parent, QString::fromLatin1(name), caption, rect, Qt::AlignHCenter);
    label->setFont(platform::programFont(points));
    return label;
}

} // namespace

AboutForm::AboutForm(QWidget* parent)
    : DialogWindow(QStringLiteral("AboutForm"), QStringLiteral("About"),
                   QSize(platform::px(6825), platform::px(2610)), false, parent) {
    setWindowIcon(platform::aboutIcon());

    auto* frame1 = new QGroupBox(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setGeometry(twipRect(120, 0, 6615, 1095));
    makeLabel(frame1, "Label1", QStringLiteral("Caldrix"), twipRect(120, 240, 6375, 375), 18);
    makeLabel(frame1, "Label5", QStringLiteral("Version " CALDRIX_VERSION),
              twipRect(120, 720, 6375, 255), 12);

    auto* frame2 = new QGroupBox(this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    frame2->setGeometry(twipRect(120, 1080, 6615, 1455));
    makeLabel(frame2, "Label2", QStringLiteral("By:"), twipRect(120, 120, 6375, 255), 8);
    makeLabel(frame2, "Label3", QStringLiteral("The Caldrix team"), twipRect(120, 480, 6375, 375),
              13.5);
    makeLabel(frame2, "Label4", platform::contactLine(), twipRect(120, 960, 6375, 375), 13.5);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Ok"));
    ok->setGeometry(twipRect(5520, 2040, 1095, 375));
    ok->raise();
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &AboutForm::closeByOk);
    platform::centreOnScreen(this);
}

void AboutForm::closeByOk() {
    hide();
}

} // namespace caldrix
