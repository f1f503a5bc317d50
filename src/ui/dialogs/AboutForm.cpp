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

using platform::TwipRect;

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QRect rect,
                  qreal points) {
    QLabel* label =
        platform::MakeLabel(parent, QString::fromLatin1(name), caption, rect, Qt::AlignHCenter);
    label->setFont(platform::ProgramFont(points));
    return label;
}

} // namespace

AboutForm::AboutForm(QWidget* parent)
    : DialogWindow(QStringLiteral("AboutForm"), QStringLiteral("About"),
                   QSize(platform::Px(6825), platform::Px(2610)), false, parent) {
    setWindowIcon(platform::AboutIcon());

    auto* frame1 = new QGroupBox(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setGeometry(TwipRect(120, 0, 6615, 1095));
    MakeLabel(frame1, "Label1", QStringLiteral("Caldrix"), TwipRect(120, 240, 6375, 375), 18);
    MakeLabel(frame1, "Label5", QStringLiteral("Version " CALDRIX_VERSION),
              TwipRect(120, 720, 6375, 255), 12);

    auto* frame2 = new QGroupBox(this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    frame2->setGeometry(TwipRect(120, 1080, 6615, 1455));
    MakeLabel(frame2, "Label2", QStringLiteral("By:"), TwipRect(120, 120, 6375, 255), 8);
    MakeLabel(frame2, "Label3", QStringLiteral("The Caldrix team"), TwipRect(120, 480, 6375, 375),
              13.5);
    MakeLabel(frame2, "Label4", platform::ContactLine(), TwipRect(120, 960, 6375, 375), 13.5);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Ok"));
    ok->setGeometry(TwipRect(5520, 2040, 1095, 375));
    ok->raise();
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &AboutForm::Accept);
    platform::CentreOnScreen(this);
}

void AboutForm::Accept() {
    hide();
}

} // namespace caldrix
