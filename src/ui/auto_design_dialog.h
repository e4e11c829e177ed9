// The automatic design's choice of connections: the cheapest few distinct layouts that pass
// every check, in a small list (bolts, plates, cost, governing ratio), with the engineer's two
// asks: slip-critical bolts, and welds on one side of a shear plate. Changing either searches
// again. The list and the search come from the core; the dialog only shows them.
#pragma once

#include <QDialog>

#include "design/auto_design.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace jw::ui {

class AutoDesignDialog : public QDialog {
    Q_OBJECT
  public:
    // Searches `request` (with its number of alternatives) at once.
    explicit AutoDesignDialog(const AutoDesignRequest& request, QWidget* parent = nullptr);

    const AutoDesignResult& Result() const { return result_; }
    // The alternative picked in the list, or -1.
    int ChosenRow() const;
    void Choose(int row);
    QCheckBox& SlipCritical() const { return *slipCritical_; }
    QCheckBox& OneSidedWelds() const { return *oneSided_; }
    QTableWidget& List() const { return *list_; }
    QLabel& Message() const { return *message_; }
    QPushButton& UseButton() const { return *use_; }

  private:
    void Search();
    void FillList();

    AutoDesignRequest request_;
    AutoDesignResult result_;
    QCheckBox* slipCritical_;
    QCheckBox* oneSided_;
    QTableWidget* list_;
    QLabel* message_;
    QPushButton* use_;
};

}  // namespace jw::ui
