#include "ui/verdict_label.h"

#include "results/summary.h"
#include "ui/ui_helpers.h"

namespace jw::ui {

VerdictLabel::VerdictLabel(QWidget* parent)
    : QLabel(parent), background_(BgrFromColour(Qt::white)), foreground_(kColourBlack) {
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    QFont bigger = font();
    bigger.setPointSizeF(bigger.pointSizeF() * 1.6);
    bigger.setBold(true);
    setFont(bigger);
    setMinimumHeight(40);
    Repaint();
}

void VerdictLabel::SetBackground(int bgr) {
    background_ = bgr;
    Repaint();
}

void VerdictLabel::SetForeground(int bgr) {
    foreground_ = bgr;
    Repaint();
}

void VerdictLabel::ShowVerdict(const QString& caption, bool accepted) {
    setText(caption);
    if (accepted) {
        background_ = kColourGreen;
        foreground_ = kColourBlack;
    } else {
        background_ = kColourRed;
    }
    Repaint();
}

bool VerdictLabel::AsksForRedesign() const {
    return background_ == kColourRed || background_ == kColourYellow;
}

void VerdictLabel::Flash() {
    if (background_ == kColourRed) {
        background_ = kColourYellow;
        foreground_ = kColourRed;
    } else if (background_ == kColourYellow) {
        background_ = kColourRed;
        foreground_ = kColourYellow;
    } else {
        return;
    }
    Repaint();
}

void VerdictLabel::Repaint() {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ColourFromBgr(background_));
    colours.setColor(QPalette::WindowText, ColourFromBgr(foreground_));
    setPalette(colours);
}

}  // namespace jw::ui
