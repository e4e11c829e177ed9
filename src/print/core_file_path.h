// A file name from a Qt dialog or setting, as the core's file calls take it.
#pragma once

#include <QFile>
#include <QString>
#include <string>

namespace jw::print {

// On Windows the core opens files by wide-character names made from UTF-8, so a name in any
// script survives; Qt's own 8-bit form there is the system's code page, which would lose it.
// Elsewhere the system's own bytes for the name.
inline std::string CoreFilePath(const QString& path) {
#ifdef Q_OS_WIN
    return path.toStdString();
#else
    return QFile::encodeName(path).toStdString();
#endif
}

}  // namespace jw::print
