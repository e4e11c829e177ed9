// A picture area that shows the drawing of a connection. It keeps the input, not the pixels,
// and draws it anew whenever it is painted, so the drawing stays sharp at any window size.
#pragma once

#include <QWidget>
#include <optional>
#include <string>

#include "design/design_run.h"

namespace jw::ui {

class DrawingView : public QWidget {
    Q_OBJECT
  public:
    explicit DrawingView(QWidget* parent = nullptr);

    void SetConnection(const ConnectionInput& input);
    void Clear();
    bool HasDrawing() const { return input_.has_value(); }
    const std::optional<ConnectionInput>& Connection() const { return input_; }

    // Label size on this picture; small pictures read better with small labels.
    void SetLabelPointSize(double points);

    // Why the connection cannot be drawn (the drawing's own sentence), or nothing when it can.
    static std::optional<std::string> DrawingProblem(const ConnectionInput& input);

    QSize sizeHint() const override { return {360, 360}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<ConnectionInput> input_;
    double labelPointSize_ = 8;
};

}  // namespace jw::ui
