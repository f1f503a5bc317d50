// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/MessageBoxInterface.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTextBrowser>

namespace caldrix {

// The application's help file, opened by F1 in any window of the program.
class HelpInterface {
public:
    virtual ~HelpInterface() = default;
    // Names the help file by its bare file name.
    virtual void setHelpFile(const QString& fileName) = 0;
};

// Looks for the named file beside the executable, then in the installed
// data folder, and shows it in a small window of its own.
class HelpService : public QObject, public HelpInterface {
    Q_OBJECT
public:
    explicit HelpService(MessageBoxInterface& messages, QObject* parent = nullptr);
    ~HelpService() override;

    // The folders searched, in order; tests point them elsewhere.
    void setSearchFolders(const QStringList& folders) { folders_ = folders; }
    static QStringList defaultSearchFolders();

    // The help window opens centred over this window (the main window).
    void setOwner(QWidget* owner) { owner_ = owner; }
    void setHelpFile(const QString& fileName) override { fileName_ = fileName; }
    QString helpFile() const { return fileName_; }
    QString findHelpFile() const;
    void showHelp();
    QTextBrowser* helpWindow() const { return window_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MessageBoxInterface& messages_;
    QStringList folders_;
    QString fileName_;
    QPointer<QWidget> owner_;
    QPointer<QTextBrowser> window_;
};

} // namespace caldrix
