#pragma once

// Checks that every caption of a window fits its fixed rectangle.

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

namespace caldrix::test {

inline QStringList ClippedTexts(const QWidget* root) {
    QStringList clipped;
    auto report = [&clipped](const QWidget* w, const QString& text, int need, int have) {
        clipped.append(QStringLiteral("%1 \"%2\": needs %3 px, has %4")
                           .arg(w->objectName(), text)
                           .arg(need)
                           .arg(have));
    };
    for (const QLabel* label : root->findChildren<QLabel*>()) {
        const QString text = label->text();
        if (text.isEmpty())
            continue;
        const QFontMetrics fm(label->font());
        const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                          -label->margin(), -label->margin());
        const int indent = label->indent() > 0 ? label->indent() : 0;
        if (label->wordWrap()) {
            const QRect need = fm.boundingRect(room, Qt::TextWordWrap | label->alignment(), text);
            for (const QString& word : text.split(' '))
                if (fm.horizontalAdvance(word) > room.width())
                    report(label, word, fm.horizontalAdvance(word), room.width());
            if (need.height() > room.height())
                report(label, text, need.height(), room.height());
            continue;
        }
        if (fm.horizontalAdvance(text) + indent > room.width())
            report(label, text, fm.horizontalAdvance(text) + indent, room.width());
        // Height: where the glyphs' ink lands once the line is aligned.
        int blockTop = 0;
        if (label->alignment() & Qt::AlignVCenter)
            blockTop = (room.height() - fm.height()) / 2;
        else if (label->alignment() & Qt::AlignBottom)
            blockTop = room.height() - fm.height();
        const QRect ink = fm.tightBoundingRect(text).translated(0, blockTop + fm.ascent());
        if (ink.top() < 0 || ink.bottom() >= room.height())
            report(label, text + " (height)", ink.height(), room.height());
    }
    for (const QGroupBox* frame : root->findChildren<QGroupBox*>()) {
        const QFontMetrics fm(frame->font());
        const int need = fm.horizontalAdvance(frame->title()) + 16;
        if (!frame->title().isEmpty() && need > frame->width())
            report(frame, frame->title(), need, frame->width());
    }
    for (const QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (button->text().isEmpty())
            continue; // Qt's own tool buttons, such as the menu bar's overflow
        const QFontMetrics fm(button->font());
        if (qobject_cast<const QPushButton*>(button)) {
            const int need = fm.horizontalAdvance(button->text()) + 8;
            if (need > button->width())
                report(button, button->text(), need, button->width());
            if (fm.height() + 4 > button->height())
                report(button, button->text() + " (height)", fm.height() + 4, button->height());
        } else {
            // Check boxes and option buttons: the text beside the indicator.
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const bool check = qobject_cast<const QCheckBox*>(button) != nullptr;
            const QRect room = button->style()->subElementRect(
                check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &option,
                button);
            const int need = fm.horizontalAdvance(button->text());
            if (need > room.width())
                report(button, button->text(), need, room.width());
            if (fm.height() > button->height())
                report(button, button->text() + " (height)", fm.height(), button->height());
        }
    }
    return clipped;
}

} // namespace caldrix::test
