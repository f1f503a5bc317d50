#include "platform/Controls.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>

namespace caldrix::platform {

int SelectedIndex(const QListWidget* list) {
    const QModelIndexList rows = list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void SetSelectedIndex(QListWidget* list, int row) {
    if (row < 0 || row >= list->count()) {
        list->selectionModel()->clear();
        return;
    }
    list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

void SetBoxText(QLineEdit* box, const QString& text) {
    if (box->text() != text)
        box->setText(text);
}

void SetOptionSelected(QRadioButton* option, bool selected) {
    if (option->isChecked() == selected)
        return;
    if (selected) {
        option->setChecked(true);
        return;
    }
    const bool exclusive = option->autoExclusive();
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(exclusive);
}

void MakeStepScrollBar(QScrollBar* bar, int minimum, int maximum) {
    bar->setRange(minimum, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setTracking(false);
}

void MakePlainLabel(QLabel* label) {
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption, QRect rect,
                  Qt::Alignment horizontal) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    MakePlainLabel(label);
    label->setGeometry(rect);
    label->setAlignment(horizontal | Qt::AlignTop);
    return label;
}

} // namespace caldrix::platform
