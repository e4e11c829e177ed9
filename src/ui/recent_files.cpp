#include "ui/recent_files.h"

#include <QFileInfo>
#include <QSettings>

namespace jw::ui {
namespace {

const QString kRecentFilesKey = QStringLiteral("RecentFiles/files");

void Store(const QStringList& files) {
    QSettings().setValue(kRecentFilesKey, files);
}

}  // namespace

QStringList RecentProjectFiles() {
    QStringList files = QSettings().value(kRecentFilesKey).toStringList();
    files.removeAll(QString());
    return files.mid(0, kRecentFileCount);
}

void AddRecentProjectFile(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = RecentProjectFiles();
    files.removeAll(absolute);
    files.prepend(absolute);
    Store(files.mid(0, kRecentFileCount));
}

void RemoveRecentProjectFile(const QString& path) {
    QStringList files = RecentProjectFiles();
    files.removeAll(QFileInfo(path).absoluteFilePath());
    Store(files);
}

}  // namespace jw::ui
