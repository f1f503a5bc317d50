// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/dialogs/TableRoll.h"

#include "platform/Controls.h"
#include "platform/MessageBoxInterface.h"
#include "platform/Theme.h"
#include "turn/HeatEffects.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace caldrix {

TableRoll::TableRoll(const QString& question, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TableRoll"));
    setWindowTitle(kApplicationTitle);
    setWindowIcon(platform::programIcon());
    setModal(true);

    auto* text = new QLabel(question, this);
    text->setObjectName(QStringLiteral("TableRollText"));
    platform::makePlainLabel(text);
    text->setWordWrap(true);
    total_ = new QLineEdit(this);
    total_->setObjectName(QStringLiteral("TableRollTotal"));
    total_->setAccessibleName(tr("Total of the two dice"));
    why_ = new QLabel(this);
    why_->setObjectName(QStringLiteral("TableRollWhy"));
    platform::makePlainLabel(why_);

    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(QDialogButtonBox::Ok);
    ok_->setObjectName(QStringLiteral("TableRollOk"));
    QPushButton* cancel = buttons->addButton(tr("Cancel Turn"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("TableRollCancel"));
    ok_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(total_, &QLineEdit::textChanged, this, &TableRoll::check);

    // The question, the total with the reason beside it, the buttons.
    auto* entry = new QHBoxLayout;
    entry->addWidget(total_);
    entry->addWidget(why_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(entry);
    layout->addWidget(buttons);
    setMinimumWidth(platform::px(5400));
    check();
    total_->setFocus();
}

std::optional<int> TableRoll::total() const {
    bool number; // toInt() always sets it
    const int total = total_->text().trimmed().toInt(&number);
    if (!number || total < kLowestTotal || total > kHighestTotal)
        return std::nullopt;
    return total;
}

void TableRoll::check() {
    const bool good = total().has_value();
    ok_->setEnabled(good);
    why_->setText(good ? QString() : tr("Type a whole number from 2 to 12"));
}

std::optional<int> QtTableRoll::askTotal(const QString& question) {
    TableRoll box(question, owner_);
    platform::keepOnScreen(&box, owner_);
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.total();
}

} // namespace caldrix
