// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Controls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace caldrix::platform {

namespace {

const char* const kDialogRole = "caldrixDialog";
const char* const kNameByText = "caldrixNameByText";
const char* const kNamedCombo = "caldrixNamedCombo";

// Presses a focused button on Enter or Return.
class EnterClicks : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                modifiers == Qt::NoModifier) {
                static_cast<QPushButton*>(watched)->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

// Escape that no control of the window took closes the window.
class EscapeCloses : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
            static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
            static_cast<QWidget*>(watched)->close();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

class PlainLabelAccessible : public QAccessibleWidget {
public:
    explicit PlainLabelAccessible(QWidget* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const auto* label = static_cast<const QLabel*>(widget());
        return label->accessibleName().isEmpty() ? label->text() : label->accessibleName();
    }
};

// Qt's own combo box on Linux reports its value as its name, leaving the
// label to a relation; ours is announced by its accessible name.
class NamedComboAccessible : public QAccessibleWidget {
public:
    explicit NamedComboAccessible(QWidget* combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox) {}
    QString text(QAccessible::Text t) const override {
        const auto* combo = static_cast<const QComboBox*>(widget());
        if (t == QAccessible::Name)
            return combo->accessibleName();
        if (t == QAccessible::Value)
            return combo->currentText();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* AccessibleFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (widget->property(kDialogRole).toBool())
        return new QAccessibleWidget(widget, QAccessible::Dialog);
    if (widget->property(kNameByText).toBool() && qobject_cast<QLabel*>(widget))
        return new PlainLabelAccessible(widget);
    if (widget->property(kNamedCombo).toBool() && qobject_cast<QComboBox*>(widget))
        return new NamedComboAccessible(widget);
    return nullptr;
}

void InstallAccessibleFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(AccessibleFactory);
        return true;
    }();
    (void)installed;
}

} // namespace

void MakeUnlimited(QLineEdit* box) {
    box->setMaxLength(32767 * 1024); // no practical limit
}

void MakeEnterClicks(QPushButton* button) {
    button->setAutoDefault(false);
    button->setDefault(false);
    static EnterClicks* const filter = new EnterClicks(qApp);
    button->installEventFilter(filter);
}

void CloseOnEscape(QWidget* window) {
    window->installEventFilter(new EscapeCloses(window));
}

void ExposeAsDialog(QWidget* window) {
    InstallAccessibleFactory();
    window->setProperty(kDialogRole, true);
}

void NameComboByAccessibleName(QComboBox* combo) {
    InstallAccessibleFactory();
    combo->setProperty(kNamedCombo, true);
}

void NameLabelByText(QLabel* label) {
    InstallAccessibleFactory();
    label->setProperty(kNameByText, true);
}

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
