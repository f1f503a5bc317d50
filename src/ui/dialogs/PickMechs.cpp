// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/dialogs/PickMechs.h"

#include "platform/Controls.h"
#include "platform/Theme.h"

#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace caldrix {

using platform::twipRect;

PickMechs::PickMechs(QWidget* parent)
    : DialogWindow(QStringLiteral("PickMechs"), QStringLiteral("Caldrix"),
                   QSize(platform::px(6720), platform::px(4395)), true, parent) {
    setWindowIcon(platform::programIcon());

    frame1_ = new QGroupBox(QStringLiteral("Pick Mechs and Names"), this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setGeometry(twipRect(120, 0, 6495, 4335));

    for (int i = 1; i <= kRows; ++i) {
        label2_[i] = platform::makeLabel(frame1_, QStringLiteral("Label2(%1)").arg(i),
                                         QStringLiteral("Mech %1 Name").arg(i),
                                         twipRect(120, 360 * i, 1095, 255));
        // The name boxes sit on the window itself, drawn over the frame.
        auto* box = new QLineEdit(QStringLiteral("Mech # %1").arg(i), this);
        box->setObjectName(QStringLiteral("Mech1(%1)").arg(i));
        box->setGeometry(twipRect(1560, 360 * i, 3735, 375));
        box->setAccessibleName(QStringLiteral("Mech %1 Name").arg(i));
        platform::capTypedText(box);
        mech1_[i] = box;
        label2_[i]->setEnabled(i == 1);
        box->setEnabled(i == 1);
    }

    auto* label1 =
        platform::makeLabel(frame1_, QStringLiteral("Label1"), QStringLiteral("Number Of mechs:"),
                            twipRect(5280, 360, 1095, 495), Qt::AlignHCenter);
    label1->setWordWrap(true);
    numOfMechs_ = platform::makeLabel(frame1_, QStringLiteral("NumOfMechs"), QStringLiteral("1"),
                                      twipRect(5160, 1080, 495, 255), Qt::AlignHCenter);
    numOfMechs_->setFont(platform::programFont(12));
    numMechsScroll_ = new QScrollBar(Qt::Vertical, frame1_);
    numMechsScroll_->setObjectName(QStringLiteral("NumMechsScroll"));
    numMechsScroll_->setGeometry(twipRect(5640, 960, 255, 495));
    platform::makeStepScrollBar(numMechsScroll_, 1, 10);
    numMechsScroll_->setValue(1);
    numMechsScroll_->setFocusPolicy(Qt::StrongFocus);
    numMechsScroll_->setAccessibleName(QStringLiteral("Number Of mechs"));
    platform::makeLabel(frame1_, QStringLiteral("Label3"), QStringLiteral("Less"),
                        twipRect(6000, 960, 375, 255));
    platform::makeLabel(frame1_, QStringLiteral("Label4"), QStringLiteral("More"),
                        twipRect(6000, 1200, 375, 255));
    continue_ = new QPushButton(QStringLiteral("Ok!"), frame1_);
    continue_->setObjectName(QStringLiteral("Continue"));
    continue_->setGeometry(twipRect(5280, 2760, 1095, 1215));
    continue_->setFont(platform::programFont(12, true));
    continue_->setDefault(true); // Enter in a name box presses "Ok!"

    // Focus: the count, the rows from the top, then "Ok!".
    QList<QWidget*> order{numMechsScroll_};
    for (int i = 1; i <= kRows; ++i)
        order.append(mech1_[i]);
    order.append(continue_);
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    numMechsScroll_->setFocus();

    connect(numMechsScroll_, &QScrollBar::valueChanged, this, &PickMechs::followCount);
    connect(continue_, &QPushButton::clicked, this, &PickMechs::continueWithNames);

    platform::centreOnScreen(this);
}

void PickMechs::followCount() {
    const int count = numMechsScroll_->value();
    numOfMechs_->setText(QString::number(count));
    // Row 1 is always enabled: the count is never below 1.
    for (int i = 2; i <= kRows; ++i) {
        label2_[i]->setEnabled(i <= count);
        mech1_[i]->setEnabled(i <= count);
    }
}

QStringList PickMechs::chosenNames() const {
    QStringList names;
    for (int i = 1; i <= numMechsScroll_->value() && i <= kRows; ++i)
        names.append(mech1_[i]->text());
    return names;
}

void PickMechs::continueWithNames() {
    hide();
    emit continued(chosenNames());
}

} // namespace caldrix
