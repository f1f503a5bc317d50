#pragma once

// A main window wired to test doubles, and small helpers to drive it
// through its controls as the players would.

#include "Doubles.h"
#include "ui/main/MainForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <memory>

namespace caldrix::test {

struct Fixture {
    ScriptedMessageBox messages;
    FixedRandom random{0.0f};
    RecordingHelp help;
    std::unique_ptr<MainForm> form;

    explicit Fixture(bool load = true) {
        form = std::make_unique<MainForm>(MainFormServices{messages, random, help});
        if (load) {
            form->Form_Load();
            form->show();
        }
    }

    template <typename T> T* Find(const QString& name) const {
        T* widget = form->findChild<T*>(name);
        if (!widget)
            qFatal("no control named %s", qPrintable(name));
        return widget;
    }
    QLineEdit* Edit(const char* name) const { return Find<QLineEdit>(QString::fromLatin1(name)); }
    QComboBox* Combo(const char* name) const { return Find<QComboBox>(QString::fromLatin1(name)); }
    QCheckBox* Check(const char* name) const { return Find<QCheckBox>(QString::fromLatin1(name)); }
    QRadioButton* Option(const char* name) const {
        return Find<QRadioButton>(QString::fromLatin1(name));
    }
    QLabel* Label(const QString& name) const { return Find<QLabel>(name); }
    QListWidget* Roster() const { return Find<QListWidget>(QStringLiteral("MechNames")); }
    QScrollBar* OtherHeat() const { return Find<QScrollBar>(QStringLiteral("OtherHeat")); }
    MechRecordStore& Store() const { return form->Store(); }

    // A roster of the given names, as the new-game dialog would append them.
    void Roster(const QStringList& names) const { form->AppendMechNames(names); }
    void Select(int row) const {
        if (row < 0)
            Roster()->clearSelection();
        else
            Roster()->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    }
    int Selected() const {
        const auto rows = Roster()->selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.first().row();
    }

    // Typing replaces the text as a player would: select all, then type.
    void Type(QLineEdit* edit, const QString& text) const {
        edit->selectAll();
        bool ascii = true;
        for (QChar c : text)
            ascii = ascii && c.unicode() < 128;
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else if (ascii)
            QTest::keyClicks(edit, text);
        else
            edit->insert(text); // as pasted; key clicks carry ASCII only
    }
    void Type(QComboBox* combo, const QString& text) const { Type(combo->lineEdit(), text); }
    // Picking an item from the list, as the drop-down does.
    void Pick(QComboBox* combo, const QString& item) const {
        const int index = combo->findText(item);
        if (combo->currentIndex() == index)
            combo->setEditText(item);
        else
            combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    QColor CellColour(int level) const {
        return Label(QStringLiteral("Label2(%1)").arg(level))->palette().color(QPalette::Window);
    }
    QColor EffectColour(int level) const {
        return Label(QStringLiteral("Label3(%1)").arg(level))
            ->palette()
            .color(QPalette::WindowText);
    }
};

inline const QColor kLightGrey{192, 192, 192};
inline const QColor kLightRed{255, 128, 128};
inline const QColor kBlack{0, 0, 0};
inline const QColor kRed{255, 0, 0};

} // namespace caldrix::test
