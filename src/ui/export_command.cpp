#include "ui/export_command.h"

#include <QDir>
#include <QFile>

#include "print/core_file_path.h"
#include "results/export.h"
#include "ui/message_sink.h"
#include "ui/ui_helpers.h"

namespace jw::ui {

QString DefaultExportPath() {
#ifdef Q_OS_WIN
    return QStringLiteral("c:/BoltData.txt");
#else
    return QDir::home().filePath(QStringLiteral("BoltData.txt"));
#endif
}

bool ExportConnection(const QString& path, const ConnectionInput& input, const QString& stressRange,
                      MessageSink& messages, CodePage page) {
    const std::string line = ExportLine(input, ToCoreText(stressRange));
    const std::string reason = AppendExportLine(print::CoreFilePath(path), line, page);
    if (reason.empty()) return true;
    messages.Show(QStringLiteral("Cannot write \"%1\": %2.")
                      .arg(QDir::toNativeSeparators(path), FromCoreText(reason)),
                  kExportTitle);
    return false;
}

}  // namespace jw::ui
