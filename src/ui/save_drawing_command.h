// The result window's command that saves the connection drawing for CAD (DXF), for documents
// (SVG) or as a picture (PNG).
#pragma once

#include <QString>
#include <functional>

#include "design/design_run.h"

class QWidget;

namespace jw::ui {

class MessageSink;

inline const QString kDxfFilter = QStringLiteral("CAD drawing (*.dxf)");
inline const QString kSvgFilter = QStringLiteral("Scalable drawing (*.svg)");
inline const QString kPngFilter = QStringLiteral("Picture (*.png)");

// Asks for the file to save the drawing to; the empty text when the engineer cancels.
using DrawingFileDialog = std::function<QString(QWidget* parent)>;
QString AskDrawingFileName(QWidget* parent);

// Writes the drawing of `input` to `path` in the format its extension names (.dxf, .svg or
// .png; another extension is saved as DXF with ".dxf" added). The file is written whole or not
// at all. Returns the empty text, or the reason it could not be saved.
QString SaveDrawing(const ConnectionInput& input, const QString& path);

// Asks, saves, and reports a failure through `messages` (title "Save Drawing").
void SaveDrawingCommand(const ConnectionInput& input, const DrawingFileDialog& ask,
                        MessageSink& messages, QWidget* parent);

}  // namespace jw::ui
