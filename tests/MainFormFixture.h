// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A main window wired to test doubles, driven through its controls.

#include "Doubles.h"
#include "Records.h"
#include "platform/ComboBox.h"
#include "platform/HelpService.h"
#include "ui/dialogs/AboutForm.h"
#include "ui/dialogs/HeatForecast.h"
#include "ui/dialogs/NewMech.h"
#include "ui/dialogs/PickMechs.h"
#include "ui/dialogs/TurnHistory.h"
#include "ui/main/MainForm.h"
#include "ui/main/RosterList.h"
#include "ui/main/SavedGames.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace caldrix::test {

// Records every message box and table-roll question, and answers from a
// script: Yes/No (No, the default, once it has run out) and dice totals
// (Cancel Turn). `onShow` runs while a box or question is up.
struct ScriptedMessageBox : MessageBoxInterface, TableRollInterface {
    void inform(const QString& text, const QString& title = {}) override {
        shown << (title.isEmpty() ? text : title + ": " + text);
        if (onShow)
            onShow();
    }
    bool confirmYesNo(const QString& text, const QString& title) override {
        shown << title + "? " + text;
        return next(answers).value_or(false);
    }
    std::optional<int> askTotal(const QString& question) override {
        inform("? " + question);
        return next(totals).value_or(std::nullopt);
    }
    QStringList shown;
    std::deque<bool> answers;
    std::deque<std::optional<int>> totals;
    std::function<void()> onShow;
};

struct RecordingHelp : HelpInterface {
    void setHelpFile(const QString& fileName) override { file = fileName; }
    QString file;
};

inline const QColor kLightGrey{192, 192, 192}, kLightRed{255, 128, 128}, kBlack{0, 0, 0},
    kRed{255, 0, 0};

struct Fixture {
    ScriptedMessageBox messages;
    SequenceRandom random{{0.0f}};
    mutable Game game{random}; // the window changes it; tests set it up
    RecordingHelp help;
    QTemporaryDir saves; // the autosaves of this window alone
    std::unique_ptr<MainForm> form;

    explicit Fixture(const QString& gameFile = {})
        : form(std::make_unique<MainForm>(
              MainFormServices{game, messages, help, messages, saves.path()})) {
        form->start(gameFile);
    }
    Game& play() const { return game; }
    template <typename T = QWidget> T* find(const QString& name) const {
        return form->findChild<T*>(name);
    }
    // A window of the program's own, found by its name.
    template <typename T> static T* window(const QString& name) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == name)
                return qobject_cast<T*>(w);
        return nullptr;
    }
    // A menu entry chosen, as by the player.
    void trigger(const QString& name) const { find<QAction>(name)->trigger(); }
    void nextTurn() const { find<QPushButton>("NextTurn")->click(); }
    SavedGames* saved() const { return find<SavedGames>("SavedGames"); }
    AutoSave* saver() const { return find<AutoSave>("AutoSave"); }
    // The autosave's settle timer runs out, as a second after the last edit.
    void settle() const {
        auto* timer = find<QTimer>("AutoSaveSettle");
        if (timer->isActive())
            QMetaObject::invokeMethod(timer, "timeout");
    }
    QLineEdit* edit(const QString& name) const { return find<QLineEdit>(name); }
    platform::ComboBox* combo(const QString& name) const { return find<platform::ComboBox>(name); }
    QCheckBox* check(const QString& name) const { return find<QCheckBox>(name); }
    QRadioButton* option(const QString& name) const { return find<QRadioButton>(name); }
    QLabel* label(const QString& name) const { return find<QLabel>(name); }
    QListWidget* roster() const { return find<QListWidget>("MechNames"); }

    // 'Mechs named as given, with records changed as Rec() reads them.
    void roster(const QStringList& names, const QStringList& records = {}) const {
        GameState state = play().state();
        for (int i = 0; i < names.size(); ++i) {
            state.names.write().push_back(names[i].toStdString());
            if (i < records.size())
                state.records.write()[state.names->size()] = rec(records[i]);
        }
        play().restore(std::move(state));
        form->showGame();
    }
    void select(int row) const {
        row < 0 ? roster()->clearSelection()
                : roster()->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    }
    int selected() const {
        const auto rows = roster()->selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.first().row();
    }
    // Typing as a player would: select all, then type.
    void type(QLineEdit* edit, const QString& text) const {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    void type(QComboBox* combo, const QString& text) const { type(combo->lineEdit(), text); }
    QColor cellColour(int level) const {
        return label(QString("Label2(%1)").arg(level))->palette().color(QPalette::Window);
    }
    // The level cells that are not lit up to `level` and dark above it.
    QString paintErrors(int level) const {
        QStringList errors;
        for (int j = 0; j <= 30; ++j)
            if (cellColour(j) != (j <= level ? kLightRed : kLightGrey) ||
                label(QString("Label3(%1)").arg(j))->palette().color(QPalette::WindowText) !=
                    (j <= level ? kRed : kBlack))
                errors << QString::number(j);
        return errors.join(' ');
    }
};

} // namespace caldrix::test
