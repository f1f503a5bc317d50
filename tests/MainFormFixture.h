// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A main window wired to test doubles, driven through its controls.

#include "Doubles.h"
#include "Records.h"
#include "platform/ComboBox.h"
#include "platform/HelpService.h"
#include "ui/main/MainForm.h"
#include "ui/main/RosterList.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace caldrix::test {

// Records every message box and table-roll question, and answers from a
// script: Yes/No (No, the default, once it has run out) and dice totals
// (Cancel Turn). `onShow` runs while a box or question is up.
struct ScriptedMessageBox : MessageBoxInterface, TableRollInterface {
    void Inform(const QString& text, const QString& title = {}) override {
        shown << (title.isEmpty() ? text : title + ": " + text);
        if (onShow)
            onShow();
    }
    bool ConfirmYesNo(const QString& text, const QString& title) override {
        shown << title + "? " + text;
        return Next(answers).value_or(false);
    }
    std::optional<int> AskTotal(const QString& question) override {
        Inform("? " + question);
        return Next(totals).value_or(std::nullopt);
    }
    QStringList shown;
    std::deque<bool> answers;
    std::deque<std::optional<int>> totals;
    std::function<void()> onShow;
};

struct RecordingHelp : HelpInterface {
    void SetHelpFile(const QString& fileName) override { file = fileName; }
    QString file;
};

inline const QColor kLightGrey{192, 192, 192}, kLightRed{255, 128, 128}, kBlack{0, 0, 0},
    kRed{255, 0, 0};

struct Fixture {
    ScriptedMessageBox messages;
    SequenceRandom random{{0.0f}};
    RecordingHelp help;
    QTemporaryDir saves; // the autosaves of this window alone
    std::unique_ptr<MainForm> form;

    explicit Fixture(const QString& gameFile = {})
        : form(std::make_unique<MainForm>(MainFormServices{messages, random, help, messages})) {
        form->Saver().SetFolder(saves.path());
        form->Start(gameFile);
        form->show();
    }
    Game& Play() const { return form->CurrentGame(); }
    template <typename T = QWidget> T* Find(const QString& name) const {
        return form->findChild<T*>(name);
    }
    QLineEdit* Edit(const QString& name) const { return Find<QLineEdit>(name); }
    platform::ComboBox* Combo(const QString& name) const { return Find<platform::ComboBox>(name); }
    QCheckBox* Check(const QString& name) const { return Find<QCheckBox>(name); }
    QRadioButton* Option(const QString& name) const { return Find<QRadioButton>(name); }
    QLabel* Label(const QString& name) const { return Find<QLabel>(name); }
    QListWidget* Roster() const { return Find<QListWidget>("MechNames"); }

    // 'Mechs named as given, with records changed as Rec() reads them.
    void Roster(const QStringList& names, const QStringList& records = {}) const {
        GameState state = Play().State();
        for (int i = 0; i < names.size(); ++i) {
            state.Names.push_back(names[i].toStdString());
            if (i < records.size())
                state.Records[state.Names.size()] = Rec(records[i]);
        }
        Play().Restore(std::move(state));
        form->ShowGame();
    }
    void Select(int row) const {
        row < 0 ? Roster()->clearSelection()
                : Roster()->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    }
    int Selected() const {
        const auto rows = Roster()->selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.first().row();
    }
    // Typing as a player would: select all, then type.
    void Type(QLineEdit* edit, const QString& text) const {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    void Type(QComboBox* combo, const QString& text) const { Type(combo->lineEdit(), text); }
    QColor CellColour(int level) const {
        return Label(QString("Label2(%1)").arg(level))->palette().color(QPalette::Window);
    }
    // The level cells that are not lit up to `level` and dark above it.
    QString PaintErrors(int level) const {
        QStringList errors;
        for (int j = 0; j <= 30; ++j)
            if (CellColour(j) != (j <= level ? kLightRed : kLightGrey) ||
                Label(QString("Label3(%1)").arg(j))->palette().color(QPalette::WindowText) !=
                    (j <= level ? kRed : kBlack))
                errors << QString::number(j);
        return errors.join(' ');
    }
};

} // namespace caldrix::test
