// "help": the user manual, "tavhelp.pdf" beside the program, in the desktop's PDF viewer.
#pragma once

#include <QString>
#include <functional>

class QUrl;

namespace jw::ui {

class MessageSink;

inline const QString kManualFileName = QStringLiteral("tavhelp.pdf");
inline const QString kHelpErrorMessage = QStringLiteral("Adobe Acrobat File Open Error !");
inline const QString kHelpErrorTitle = QStringLiteral("Help Error");

// Asks the desktop to open a document; false when it cannot.
using DocumentOpener = std::function<bool(const QUrl&)>;

// The manual in the program's folder.
QString ManualPath();

// Opens the manual at `path`. A manual that is missing, or that the desktop cannot open, shows
// "Adobe Acrobat File Open Error !" titled "Help Error". True when the desktop took it.
bool OpenManual(const QString& path, const DocumentOpener& open, MessageSink& messages);

}  // namespace jw::ui
