#include "ui/calculation_view.h"

#include <QScrollBar>

#include "results/calculation_html.h"
#include "ui/ui_helpers.h"

namespace jw::ui {

CalculationView::CalculationView(QWidget* parent) : QTextBrowser(parent) {
    setObjectName(QStringLiteral("CalculationView"));
    setOpenLinks(false);
}

void CalculationView::ShowCalculation(const CalculationModel& model) {
    // A new run keeps the reader's place, as the report does.
    const int scroll = verticalScrollBar()->value();
    setHtml(FromCoreText(CalculationHtml(model)));
    verticalScrollBar()->setValue(scroll);
}

}  // namespace jw::ui
