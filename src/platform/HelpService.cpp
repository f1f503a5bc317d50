// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/HelpService.h"

#include "platform/Controls.h"
#include "platform/Theme.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QShortcut>
#include <QTextBrowser>

namespace caldrix {

HelpService::HelpService(MessageBoxInterface& messages, QObject* parent)
    : QObject(parent), messages_(messages), folders_(defaultSearchFolders()) {
    if (qApp)
        qApp->installEventFilter(this);
}

HelpService::~HelpService() {
    if (qApp)
        qApp->removeEventFilter(this); // no filtering of the help window's own ending
    delete window_;
}

QStringList HelpService::defaultSearchFolders() {
    const QString exeDir = QCoreApplication::applicationDirPath();
    return {exeDir, QDir(exeDir).filePath(QStringLiteral("../share/caldrix")),
            QStringLiteral(CALDRIX_DATA_DIR)};
}

QString HelpService::findHelpFile() const {
    if (fileName_.isEmpty())
        return {};
    for (const QString& folder : folders_) {
        const QFileInfo candidate(QDir(folder).filePath(fileName_));
        if (candidate.isFile() && candidate.isReadable())
            return candidate.absoluteFilePath();
    }
    return {};
}

void HelpService::showHelp() {
    const QString path = findHelpFile();
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        messages_.inform(QStringLiteral("The help file %1 could not be found").arg(fileName_));
        return;
    }
    // The file is our own HTML document, whatever its extension says.
    if (!window_) {
        window_ = new QTextBrowser;
        window_->setObjectName(QStringLiteral("HelpWindow"));
        // Kept once made: closed, it only hides, and F1 shows it again where it was.
        for (const QKeySequence& keys :
             {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
            connect(new QShortcut(keys, window_), &QShortcut::activated, window_, &QWidget::close);
        window_->setWindowTitle(QStringLiteral("Caldrix Help"));
        window_->setWindowIcon(platform::programIcon());
        window_->resize(platform::px(8400), platform::px(7800));
        platform::centreOver(window_, owner_);
        platform::fitOnScreen(window_, owner_);
    }
    window_->setHtml(QString::fromUtf8(file.readAll()));
    window_->show();
    window_->activateWindow();
}

bool HelpService::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            showHelp();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace caldrix
