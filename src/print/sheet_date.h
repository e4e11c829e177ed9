// The date in the title block.
#pragma once

#include <QDate>
#include <QLocale>
#include <string>

#include "data/code_page.h"

namespace jw::print {

// The locale's short date when every character of it can be printed in the code page of the
// sheet's texts, else the ISO 8601 form ("2026-08-12"), which every engineer reads the same.
// An Arabic or Persian locale's digits and direction marks would otherwise print as "?".
// UTF-8, like every text of the sheet.
std::string SheetDate(const QLocale& locale, QDate date, CodePage page);

}  // namespace jw::print
