#include "ui/help_command.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "ui/message_sink.h"

namespace jw::ui {

QString ManualPath() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(kManualFileName);
}

bool OpenManual(const QString& path, const DocumentOpener& open, MessageSink& messages) {
    // A viewer started on a missing file fails where nobody sees it; say so here instead.
    if (QFileInfo(path).isFile() && open(QUrl::fromLocalFile(path))) return true;
    messages.Show(kHelpErrorMessage, kHelpErrorTitle);
    return false;
}

}  // namespace jw::ui
