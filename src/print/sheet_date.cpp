#include "print/sheet_date.h"

namespace jw::print {

std::string SheetDate(const QLocale& locale, QDate date, CodePage page) {
    const std::string shown = locale.toString(date, QLocale::ShortFormat).toStdString();
    if (!shown.empty() && EncodeCodePage(shown, page).refused.empty()) return shown;
    return date.toString(Qt::ISODate).toStdString();
}

}  // namespace jw::print
