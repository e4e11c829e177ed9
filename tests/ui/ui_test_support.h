// What the window tests share: a message sink that records instead of blocking, and filling
// the input form the way a person would.
#pragma once

#include <QString>
#include <QStringList>
#include <QTableWidget>
#include <vector>

#include "data/sections.h"
#include "ui/choice_panel.h"
#include "ui/file_dialogs.h"
#include "ui/input_form.h"
#include "ui/input_grid.h"
#include "ui/message_sink.h"

namespace jw::ui::testing {

struct ShownMessage {
    QString text;
    QString title;
};

class RecordingSink : public MessageSink {
  public:
    void Show(const QString& text, const QString& title) override {
        shown.push_back({text, title});
    }
    std::vector<ShownMessage> shown;
};

// Answers each file dialog with the name it was given; the empty name is a cancel.
class ScriptedDialogs : public FileDialogs {
  public:
    QString SaveFileName(QWidget*) override {
        ++asked;
        return saveName;
    }
    QString OpenFileName(QWidget*) override {
        ++asked;
        return openName;
    }
    QString saveName;
    QString openName;
    int asked = 0;
};

// A cell's text; empty where the cell has no item.
inline QString CellText(const QTableWidget& grid, int row, int column) {
    const QTableWidgetItem* item = grid.item(row, column);
    return item ? item->text() : QString();
}

inline void FillValues(InputForm& form, const QStringList& values) {
    for (int i = 0; i < values.size(); ++i) form.Grid().SetValue(i + 1, values[i]);
}

// The shear plate that passes every check: two 9 mm plates, three M20 A325-N bolts on an
// H-300x150 beam. With one plate the bolts are overstressed in shear.
inline void FillWsp(InputForm& form, const QString& plates) {
    form.SelectType(ConnectionType::WSP);
    FillValues(form, {"10000", "9", plates, "3", "1", "10", "40", "75", "70", "6", "2"});
    form.Sections().SetBeam(FindBeamPosition("H-300X150X36.7(kg/m)").value_or(-1));
    form.Bolts().SetBoltGrade(2);     // A325-N
    form.Bolts().SetBoltDiameter(3);  // 20 mm.
}

}  // namespace jw::ui::testing
