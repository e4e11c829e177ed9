#include "ui/window_geometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <algorithm>

namespace jw::ui {
namespace {

// Before a window is first shown the window manager has not told its frame; these are the
// title bar and border of a usual desktop.
constexpr QMargins kUsualFrame(4, 30, 4, 4);

QString GeometryKey(const QWidget& window) {
    return QStringLiteral("Windows/%1/geometry").arg(window.objectName());
}

QMargins FrameMargins(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    if (frame == client) return kUsualFrame;
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

}  // namespace

QRect FitFrame(const QRect& frame, const QRect& area, const QSize& minimum, bool centre) {
    const QSize size = frame.size().boundedTo(area.size()).expandedTo(minimum);
    QPoint topLeft = centre ? QPoint(area.left() + (area.width() - size.width()) / 2,
                                     area.top() + (area.height() - size.height()) / 2)
                            : frame.topLeft();
    topLeft.setX(std::clamp(topLeft.x(), area.left(),
                            std::max(area.left(), area.right() + 1 - size.width())));
    topLeft.setY(std::clamp(topLeft.y(), area.top(),
                            std::max(area.top(), area.bottom() + 1 - size.height())));
    return {topLeft, size};
}

void PlaceWindow(QWidget& window) {
    const QByteArray saved = QSettings().value(GeometryKey(window)).toByteArray();
    FitOnScreen(window, !saved.isEmpty() && window.restoreGeometry(saved));
}

void FitOnScreen(QWidget& window, bool keepPosition) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QMargins margins = FrameMargins(window);
    const QRect frame = window.geometry().marginsAdded(margins);
    const QSize minimum =
        window.minimumSizeHint().expandedTo(window.minimumSize()).grownBy(margins);
    const QRect fitted = FitFrame(frame, screen->availableGeometry(), minimum, !keepPosition);
    window.resize(fitted.size().shrunkBy(margins));
    window.move(fitted.topLeft());
}

void SaveWindowGeometry(const QWidget& window) {
    QSettings().setValue(GeometryKey(window), window.saveGeometry());
}

}  // namespace jw::ui
