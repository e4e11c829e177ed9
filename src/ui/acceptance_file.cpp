#include "ui/acceptance_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "data/atomic_file.h"
#include "data/safe_output.h"
#include "print/core_file_path.h"

namespace jw::ui {
namespace {

// Only the end of the file decides; a last line longer than this is not "Accept" anyway.
constexpr qint64 kTailBytes = 64 * 1024;

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

}  // namespace

std::string_view LastLine(std::string_view text) {
    if (text.ends_with("\r\n"))
        text.remove_suffix(2);
    else if (!text.empty() && IsLineEnd(text.back()))
        text.remove_suffix(1);
    const std::size_t end = text.find_last_of("\r\n");
    return end == std::string_view::npos ? text : text.substr(end + 1);
}

bool RecordsAcceptance(std::string_view text) {
    return LastLine(text) == kAcceptLine;
}

QString AcceptanceFilePath(const QString& programFolder, const QString& configFolder) {
    const QString inProgramFolder = QDir(programFolder).filePath(kAcceptanceFileName);
    const QFileInfo file(inProgramFolder);
    const bool writable = file.exists() ? file.isWritable() : QFileInfo(programFolder).isWritable();
    return writable ? inProgramFolder : QDir(configFolder).filePath(kAcceptanceFileName);
}

QString AcceptanceFilePath() {
    return AcceptanceFilePath(QCoreApplication::applicationDirPath(),
                              QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

bool ReadAcceptance(const QString& path) {
    QFile file(path);
    if (!file.exists()) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        WriteOutputFile(print::CoreFilePath(path), {});
    }
    if (!file.open(QIODevice::ReadOnly)) return false;
    if (file.size() > kTailBytes) file.seek(file.size() - kTailBytes);
    const QByteArray tail = file.read(kTailBytes);
    return RecordsAcceptance(std::string_view(tail.constData(), tail.size()));
}

QString RecordAcceptance(const QString& path) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return QStringLiteral("its folder cannot be created");
    const std::string reason =
        ReplaceFileContents(print::CoreFilePath(path), std::string(kAcceptLine) + "\r\n");
    return QString::fromUtf8(reason);
}

}  // namespace jw::ui
