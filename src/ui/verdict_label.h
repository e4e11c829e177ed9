// The label that names the connection and carries the verdict in its background colour:
// green for an accepted connection; red and yellow, alternating, for one to redesign. Print and
// Export read the verdict from this colour.
#pragma once

#include <QLabel>

namespace jw::ui {

class VerdictLabel : public QLabel {
    Q_OBJECT
  public:
    explicit VerdictLabel(QWidget* parent = nullptr);

    // Colours are 24-bit blue-green-red values (kColourRed, kColourGreen, ...).
    int Background() const { return background_; }
    int Foreground() const { return foreground_; }
    void SetBackground(int bgr);
    void SetForeground(int bgr);

    // A run's verdict: green with black text when accepted, else red with the text colour as
    // it was.
    void ShowVerdict(const QString& caption, bool accepted);
    bool AsksForRedesign() const;
    // One flash step: red turns yellow with red text, yellow turns red with yellow text; any
    // other colour stays.
    void Flash();

  private:
    void Repaint();

    int background_;
    int foreground_;
};

}  // namespace jw::ui
