#include "ui/message_sink.h"

#include <QApplication>
#include <QMessageBox>

namespace jw::ui {

void MessageBoxSink::Show(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

}  // namespace jw::ui
