#include "platform/HelpService.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTextBrowser>

namespace caldrix {

HelpService::HelpService(MessageBoxInterface& messages, QObject* parent)
    : QObject(parent), messages_(messages), folders_(DefaultSearchFolders()) {
    if (qApp)
        qApp->installEventFilter(this);
}

HelpService::~HelpService() {
    delete window_;
}

QStringList HelpService::DefaultSearchFolders() {
    const QString exeDir = QCoreApplication::applicationDirPath();
    return {exeDir, QDir(exeDir).filePath(QStringLiteral("../share/caldrix")),
            QStringLiteral(CALDRIX_DATA_DIR)};
}

QString HelpService::FindHelpFile() const {
    if (fileName_.isEmpty())
        return {};
    for (const QString& folder : folders_) {
        const QFileInfo candidate(QDir(folder).filePath(fileName_));
        if (candidate.isFile() && candidate.isReadable())
            return candidate.absoluteFilePath();
    }
    return {};
}

void HelpService::ShowHelp() {
    const QString path = FindHelpFile();
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        messages_.Inform(QStringLiteral("The help file %1 could not be found").arg(fileName_));
        return;
    }
    if (!window_) {
        window_ = new QTextBrowser;
        window_->setObjectName(QStringLiteral("HelpWindow"));
        window_->setAttribute(Qt::WA_DeleteOnClose);
        window_->setWindowTitle(QStringLiteral("Caldrix Help"));
        window_->setOpenExternalLinks(false);
        window_->resize(560, 520);
    }
    // The file is our own HTML document, whatever its extension says.
    window_->setHtml(QString::fromUtf8(file.readAll()));
    window_->show();
    window_->activateWindow();
}

bool HelpService::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            ShowHelp();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace caldrix
