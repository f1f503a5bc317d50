// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MainFormFixture.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStyleOptionButton>

using namespace caldrix;
using namespace caldrix::test;

namespace {

// Every caption whose text does not fit its fixed rectangle.
QStringList Clipped(const QWidget* window) {
    QStringList clipped;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        auto* label = qobject_cast<const QLabel*>(w);
        auto* frame = qobject_cast<const QGroupBox*>(w);
        auto* button = qobject_cast<const QAbstractButton*>(w);
        const QString text = label    ? label->text()
                             : frame  ? frame->title()
                             : button ? button->text()
                                      : "";
        if (text.isEmpty())
            continue;
        const QFontMetrics fm(w->font());
        QRect room = w->rect();
        int need = fm.horizontalAdvance(text);
        if (label) {
            room = label->contentsRect().adjusted(qMax(label->indent(), 0), 0, 0, 0);
            if (label->wordWrap())
                need = fm.boundingRect(room, Qt::TextWordWrap, text).height() > room.height() ? 9999
                                                                                              : 0;
            // Where the glyphs' ink lands: every label is aligned to its top.
            const QRect ink = fm.tightBoundingRect(text).translated(0, fm.ascent());
            if (!label->wordWrap() && (ink.top() < 0 || ink.bottom() >= room.height()))
                need = 9999;
        } else if (frame || qobject_cast<const QPushButton*>(w)) {
            need += 8;
        } else {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = text;
            const bool check = qobject_cast<const QCheckBox*>(w);
            room = w->style()->subElementRect(
                check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &option, w);
        }
        if (need > room.width())
            clipped << w->objectName() + ": " + text;
    }
    return clipped;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    // The fixed layout: the client size, every control inside its frame,
    // and nothing overlapping but the frames drawn over each other's edges
    // and the one-pixel shared borders of neighbouring cells.
    void layoutHoldsTogether() {
        Fixture f;
        QWidget* client = f.Find("ClientArea");
        QVERIFY(client->size() == QSize(636, 447) &&
                f.form->minimumSize() == f.form->maximumSize() &&
                !(f.form->windowFlags() &
                  (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
        QStringList faults;
        QList<QWidget*> parents{client};
        for (QWidget* frame : client->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly))
            parents << frame;
        for (QWidget* parent : parents) {
            const auto children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            for (QWidget* a : children) {
                if (!parent->rect().contains(a->geometry()) ||
                    (parent != client && a->y() < parent->fontMetrics().height()))
                    faults << a->objectName() + " outside " + parent->objectName();
                for (QWidget* b : children) {
                    const QRect both = a->geometry() & b->geometry();
                    const QString pair = qMin(a->objectName(), b->objectName()) + "/" +
                                         qMax(a->objectName(), b->objectName());
                    if (a < b && both.width() > 1 && both.height() > 1 &&
                        !QStringList{"Frame3/Frame4", "Frame4/Frame5"}.contains(pair))
                        faults << pair + " overlap";
                }
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        // As it opens: grey, the scale at level 0, the fire inputs waiting.
        QString look = client->palette().color(QPalette::Window).name() +
                       f.Label("Label3(5)")->palette().color(QPalette::WindowText).name() +
                       QString::number(f.Label("Label6")->isEnabled() +
                                       f.Edit("WalkingThroughFireHexes")->isEnabled());
        for (int j = 0; j <= 30; ++j)
            look += f.CellColour(j) == kLightRed ? 'R' : f.CellColour(j) == kLightGrey ? 'G' : '.';
        QCOMPARE(look, "#c0c0c0#0000000RGGG" + QString(25, '.') + "G.");
        for (QLabel* label : f.form->findChildren<QLabel*>())
            QCOMPARE(label->textFormat(), Qt::PlainText); // user text is never markup
    }

    void focusOrder() {
        Fixture f;
        QWidget* first = f.form->focusWidget();
        QVERIFY(first == f.Combo("MovementType") || first == f.Combo("MovementType")->lineEdit());
        f.Type(f.Combo("MovementType"), "Jumping"); // enable what starts disabled
        f.Check("Fire")->setChecked(true);
        f.Option("WalkingThroughFire")->setChecked(true);
        QStringList chain;
        for (QWidget* w = f.Combo("MovementType"); chain.size() < 13; w = w->nextInFocusChain()) {
            const bool named =
                !w->objectName().isEmpty() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus);
            if (named && w != f.Option("StandingInFire")) // one stop for the option group
                chain << w->objectName();
        }
        QCOMPARE(chain, (QStringList{"MovementType", "HexesJumpedText", "AttemptsToStand",
                                     "HeatGeneratedByWeapons", "Fire", "WalkingThroughFire",
                                     "WalkingThroughFireHexes", "HeatSinks", "DHS", "EngineHits",
                                     "NextTurn", "MechNames", "OtherHeat"}));
    }

    void nothingClippedInAnyWindow() {
        Fixture f;
        f.form->mnuNewMech_Click();
        f.form->About_Click();
        for (QWidget* window : QList<QWidget*>{f.form.get(), f.form->PickMechsDialog(),
                                               f.form->NewMechDialog(), f.form->AboutDialog()})
            QVERIFY2(Clipped(window).isEmpty(), qPrintable(Clipped(window).join("\n")));
    }

    // What a screen reader hears: the combo boxes by their names, the
    // dialogs as dialogs named by their captions, empty labels as nothing.
    void accessibleNames() {
        Fixture f;
        f.form->mnuNewMech_Click();
        f.form->About_Click();
        auto heard = [](QObject* object) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(object);
            return a ? QString("%1:%2").arg(a->role()).arg(a->text(QAccessible::Name)) : QString();
        };
        f.Label("ConditionShutdown")->setText("Shutdown!!!");
        const QString combo = QString::number(QAccessible::ComboBox) + ":",
                      dialog = QString::number(QAccessible::Dialog) + ":",
                      text = QString::number(QAccessible::StaticText) + ":";
        QCOMPARE(QStringList({heard(f.Combo("MovementType")), heard(f.Combo("EngineHits")),
                              heard(f.form->PickMechsDialog()), heard(f.form->NewMechDialog()),
                              heard(f.form->AboutDialog()), heard(f.Label("Label3(29)")),
                              heard(f.Label("Label3(30)")), heard(f.Label("ConditionAmmoExp")),
                              heard(f.Label("ConditionShutdown"))}),
                 QStringList({combo + "Movement Type", combo + "Engine Hits", dialog + "Caldrix",
                              dialog + "Caldrix", dialog + "About", text, text + "Shutdown", text,
                              text + "Shutdown!!!"}));
    }

    // File > Exit and closing the main window end the program at once,
    // with every dialog and without a question.
    void endingTakesEveryWindow() {
        for (bool byMenu : {true, false}) {
            Fixture f;
            f.form->mnuNewMech_Click();
            f.form->About_Click();
            QList<QPointer<QWidget>> dialogs{f.form->PickMechsDialog(), f.form->NewMechDialog(),
                                             f.form->AboutDialog()};
            QSignalSpy ended(f.form.get(), &MainForm::programEnded);
            byMenu ? f.Find<QAction>("Exit")->trigger() : void(f.form->close());
            QVERIFY(ended.count() == 1 && f.messages.shown.isEmpty());
            for (const auto& dialog : dialogs)
                QVERIFY(dialog.isNull());
            QCOMPARE(f.help.file, QString("caldrix.hlp")); // named at start-up
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
