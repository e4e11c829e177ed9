// Export from the result window: the record of the accepted connection, appended to the
// export file that collects the designs of a job.
#pragma once

#include <QString>

#include "design/design_run.h"
#include "ui/code_page_setting.h"

namespace jw::ui {

class MessageSink;

inline const QString kExportTitle = QStringLiteral("Export");

// "c:\BoltData.txt" on Windows, as it has always been; elsewhere "BoltData.txt" in the home
// folder, the one place every user can write to.
QString DefaultExportPath();

// Appends the record of `input` with the summary's stress range to the file at `path`, in the
// code page of the settings. A file that cannot be written, or a character the code page cannot
// hold, is reported, titled "Export", and the file keeps what it held. True when the record was
// written.
bool ExportConnection(const QString& path, const ConnectionInput& input, const QString& stressRange,
                      MessageSink& messages, CodePage page = StoredCodePage());

}  // namespace jw::ui
