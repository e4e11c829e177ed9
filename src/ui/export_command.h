// Export from the result window: the record of the accepted connection, appended to the
// export file that collects the designs of a job.
#pragma once

#include <QString>

#include "design/design_run.h"

namespace jw::ui {

class MessageSink;

inline const QString kExportTitle = QStringLiteral("Export");

// "c:\BoltData.txt" on Windows, as it has always been; elsewhere "BoltData.txt" in the home
// folder, the one place every user can write to.
QString DefaultExportPath();

// Appends the record of `input` with the summary's stress range to the file at `path`. A file
// that cannot be written is reported, titled "Export", and keeps what it held. True when the
// record was written.
bool ExportConnection(const QString& path, const ConnectionInput& input, const QString& stressRange,
                      MessageSink& messages);

}  // namespace jw::ui
