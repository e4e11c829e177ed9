#include "ui/code_page_setting.h"

#include <QSettings>

namespace jw::ui {
namespace {

const QString kCodePageKey = QStringLiteral("Files/CodePage");

}  // namespace

CodePage StoredCodePage() {
    const QString key = QSettings().value(kCodePageKey).toString();
    return CodePageFromKey(key.toStdString()).value_or(kDefaultCodePage);
}

void StoreCodePage(CodePage page) {
    QSettings().setValue(kCodePageKey,
                         QString::fromLatin1(CodePageKey(page).data(),
                                             static_cast<qsizetype>(CodePageKey(page).size())));
}

}  // namespace jw::ui
