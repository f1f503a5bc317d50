// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/QtMessageBox.h"

#include "platform/Controls.h"
#include "platform/Theme.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

namespace caldrix {

namespace {

void prepare(QMessageBox& box, const QWidget* owner) {
    box.setTextFormat(Qt::PlainText);
    platform::keepOnScreen(&box, owner);
    box.setWindowIcon(platform::programIcon());
    // Wide enough that the title "Caldrix" is never cut, however short the text.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(240, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

QWidget* QtMessageBox::parent() const {
    QWidget* active = QApplication::activeWindow();
    if (active && !qobject_cast<QMessageBox*>(active) && active->isVisible())
        return active;
    return owner_ && owner_->isVisible() ? owner_.data() : active;
}

void QtMessageBox::inform(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title.isEmpty() ? kApplicationTitle : title,
                    platform::breakable(text), QMessageBox::Ok, parent());
    prepare(box, owner_);
    box.exec();
}

bool QtMessageBox::confirmYesNo(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Critical, title.isEmpty() ? kApplicationTitle : title, text,
                    QMessageBox::Yes | QMessageBox::No, parent());
    prepare(box, owner_);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace caldrix
