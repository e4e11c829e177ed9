#include "ui/save_drawing_command.h"

#include <QBuffer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QPainter>

#include "data/design_error.h"
#include "data/safe_output.h"
#include "drawing/connection_drawings.h"
#include "drawing/dxf_canvas.h"
#include "drawing/svg_canvas.h"
#include "print/core_file_path.h"
#include "print/painter_canvas.h"
#include "ui/message_sink.h"
#include "ui/ui_helpers.h"

namespace jw::ui {
namespace {

// A picture large enough to print sharply at the size of a page's drawing.
constexpr int kPictureSidePx = 1600;

QString SavePng(const ConnectionInput& input, const QString& path) {
    QImage image(kPictureSidePx, kPictureSidePx, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        print::PainterCanvas canvas(painter, QRectF(image.rect()));
        QFont font = canvas.Font();
        font.setPixelSize(kPictureSidePx / 60);
        canvas.SetFont(font);
        DrawConnection(canvas, input.type, input.grid, input.choices);
    }
    QBuffer png;
    if (!png.open(QIODevice::WriteOnly) || !image.save(&png, "PNG"))
        return QStringLiteral("Cannot write \"%1\": the picture could not be made.").arg(path);
    const std::string reason = WriteOutputFile(
        print::CoreFilePath(path),
        std::string_view(png.data().constData(), static_cast<std::size_t>(png.data().size())));
    if (!reason.empty())
        return QStringLiteral("Cannot write \"%1\": %2.").arg(path, FromCoreText(reason));
    return {};
}

}  // namespace

QString AskDrawingFileName(QWidget* parent) {
    QFileDialog dialog(parent, QStringLiteral("Save Drawing"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({kDxfFilter, kSvgFilter, kPngFilter});
    dialog.setDefaultSuffix(QStringLiteral("dxf"));
    dialog.selectFile(QStringLiteral("Connection01.dxf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

QString SaveDrawing(const ConnectionInput& input, const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    try {
        if (suffix == QStringLiteral("png")) return SavePng(input, path);
        if (suffix == QStringLiteral("svg")) {
            WriteConnectionSvg(print::CoreFilePath(path), input.type, input.grid, input.choices);
        } else {
            const QString target = suffix == QStringLiteral("dxf") ? path : path + ".dxf";
            WriteConnectionDxf(print::CoreFilePath(target), input.type, input.grid, input.choices);
        }
    } catch (const DesignError& error) {
        return FromCoreText(error.what());
    }
    return {};
}

void SaveDrawingCommand(const ConnectionInput& input, const DrawingFileDialog& ask,
                        MessageSink& messages, QWidget* parent) {
    const QString path = ask(parent);
    if (path.isEmpty()) return;
    const QString problem = SaveDrawing(input, path);
    if (!problem.isEmpty()) messages.Show(problem, QStringLiteral("Save Drawing"));
}

}  // namespace jw::ui
