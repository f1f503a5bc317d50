// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Controls.h"

#include "state/MechRecordStore.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>

namespace caldrix::platform {

namespace {

const char* const kNameByText = "caldrixNameByText";
const char* const kNamedCombo = "caldrixNamedCombo";
const char* const kValue = "caldrixAccessibleValue";

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

// A group that reads out one value for all it holds.
class ValueAccessible : public QAccessibleWidget {
public:
    explicit ValueAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Grouping) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return widget()->property(kValue).toString();
        if (t == QAccessible::Name)
            return widget()->accessibleName();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* accessibleFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    // The marks are set only on the kind of widget each interface is for.
    if (widget->property(kNameByText).toBool())
        return new PlainLabelAccessible(widget);
    if (widget->property(kNamedCombo).toBool())
        return new NamedComboAccessible(widget);
    if (widget->property(kValue).isValid())
        return new ValueAccessible(widget);
    return nullptr;
}

void installAccessibleFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFactory);
        return true;
    }();
    (void)installed;
}

} // namespace

QString breakable(const QString& text) {
    QString out;
    int run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > 40) {
            out += QChar(0x200B); // a zero-width space
            run = 1;
        }
        out += c;
    }
    return out;
}

void capTypedText(QLineEdit* box) {
    box->setMaxLength(kMaxText);
}

void nameComboByAccessibleName(QComboBox* combo) {
    installAccessibleFactory();
    combo->setProperty(kNamedCombo, true);
}

void nameLabelByText(QLabel* label) {
    installAccessibleFactory();
    label->setProperty(kNameByText, true);
}

void setAccessibleValue(QWidget* widget, const QString& value) {
    installAccessibleFactory();
    if (widget->property(kValue).toString() == value)
        return;
    widget->setProperty(kValue, value);
    // Qt may have made the widget's interface already; ours replaces it.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget);
        made && !dynamic_cast<ValueAccessible*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(widget, value);
        QAccessible::updateAccessibility(&event);
    }
}

QLabel* makeAnnouncer(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    makePlainLabel(label);
    label->setGeometry(0, 0, 1, 1);
    return label;
}

void announce(QLabel* announcer, const QString& text) {
    announcer->setText(text);
    const bool same = announcer->accessibleName() == text;
    announcer->setAccessibleName(text); // sends the name change when it differs
    if (same) { // the same words again (a second cancelled turn) are news too
        QAccessibleEvent renamed(announcer, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
    QAccessibleEvent alert(announcer, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

int selectedIndex(const QListWidget* list) {
    const QModelIndexList rows = list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void setSelectedIndex(QListWidget* list, int row) {
    if (!list->item(row)) { // -1, or no such row
        list->selectionModel()->clear();
        return;
    }
    list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

void setBoxText(QLineEdit* box, const QString& text) {
    if (box->text() != text)
        box->setText(text);
}

void setOptionSelected(QRadioButton* option, bool selected) {
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

void makeStepScrollBar(QScrollBar* bar, int minimum, int maximum) {
    bar->setRange(minimum, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setTracking(false);
}

void makePlainLabel(QLabel* label) {
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
}

QGroupBox* makeFrame(QWidget* parent, const QString& name, const QString& caption, QRect rect) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    frame->setGeometry(rect);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    frame->setPalette(palette);
    frame->setAutoFillBackground(true);
    return frame;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, QRect rect,
                  Qt::Alignment horizontal) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    makePlainLabel(label);
    label->setGeometry(rect);
    label->setAlignment(horizontal | Qt::AlignTop);
    return label;
}

} // namespace caldrix::platform
