// The code page project and export files are written in, chosen on the project form and kept
// in the program's settings (group "Files", key "CodePage": "cp1252" or "cp874") from one
// start to the next. Windows-1252 until the engineer chooses otherwise.
#pragma once

#include "data/code_page.h"

namespace jw::ui {

CodePage StoredCodePage();
void StoreCodePage(CodePage page);

}  // namespace jw::ui
