// The three panels that take turns in one area of the main form: the connection types with
// their pictures, the preview of the current input, and the symbols of the input rows.
#pragma once

#include <QGroupBox>
#include <array>

#include "data/connection_input.h"

class QButtonGroup;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace jw::ui {

class DrawingView;

// "Connection Type": the four type options, each with a picture of a sample connection.
class TypePanel : public QGroupBox {
    Q_OBJECT
  public:
    explicit TypePanel(QWidget* parent = nullptr);

    // The first option set, tested in type order; None when no option is set.
    ConnectionType SelectedType() const;
    // Sets a type's option; choosing the type already set rebuilds it all the same.
    void SelectType(ConnectionType type);
    // Only the picture of `type` shows.
    void ShowPicture(ConnectionType type);
    const DrawingView* Picture(ConnectionType type) const;

  signals:
    void TypeChosen(ConnectionType type);

  private:
    std::array<QRadioButton*, kTypeCount> options_{};
    std::array<DrawingView*, kTypeCount> pictures_{};
    QStackedWidget* pictureArea_;
};

// "Preview": the drawing of the current input, without a design run.
class PreviewPanel : public QGroupBox {
    Q_OBJECT
  public:
    explicit PreviewPanel(QWidget* parent = nullptr);
    DrawingView& Picture() const { return *picture_; }

  signals:
    void UpdateRequested();
    void BackRequested();

  private:
    DrawingView* picture_;
};

// "Symbol": per type, a sample drawing whose dimension chains name the input rows.
class SymbolPanel : public QGroupBox {
    Q_OBJECT
  public:
    explicit SymbolPanel(QWidget* parent = nullptr);
    // Only the symbols of `type` show; none for ConnectionType::None.
    void ShowSymbols(ConnectionType type);
    const QWidget* Symbols(ConnectionType type) const;

  signals:
    void BackRequested();

  private:
    std::array<QWidget*, kTypeCount> symbols_{};
    QStackedWidget* symbolArea_;
};

}  // namespace jw::ui
