// The project files opened or saved last, newest first, kept from one run of the program to
// the next (settings group "RecentFiles").
#pragma once

#include <QString>
#include <QStringList>

namespace jw::ui {

inline constexpr int kRecentFileCount = 8;

QStringList RecentProjectFiles();
// Puts `path` first (as an absolute path), keeping at most kRecentFileCount.
void AddRecentProjectFile(const QString& path);
void RemoveRecentProjectFile(const QString& path);

}  // namespace jw::ui
