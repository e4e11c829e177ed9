// The result window's "Calculation" view: the detailed calculation of the run on show, the same
// model the text, HTML and PDF outputs render, read in place.
#pragma once

#include <QTextBrowser>

#include "results/calculation_model.h"

namespace jw::ui {

class CalculationView : public QTextBrowser {
    Q_OBJECT
  public:
    explicit CalculationView(QWidget* parent = nullptr);

    void ShowCalculation(const CalculationModel& model);
};

}  // namespace jw::ui
