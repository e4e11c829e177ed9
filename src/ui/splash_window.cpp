#include "ui/splash_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/drawing_view.h"
#include "ui/sample_input.h"
#include "ui/ui_helpers.h"

namespace jw::ui {

SplashWindow::SplashWindow(QWidget* parent) : QWidget(parent, Qt::SplashScreen) {
    setObjectName(QStringLiteral("FrmLogo"));
    setWindowTitle(QStringLiteral("JointWright"));

    auto* picture = new DrawingView(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->SetLabelPointSize(6);
    picture->SetConnection(SampleConnection(ConnectionType::BMEP));
    picture->setFixedSize(240, 240);

    auto* name = new QLabel(QStringLiteral("TAV JOINTWRIGHT"), this);
    QFont heading = name->font();
    heading.setPointSizeF(heading.pointSizeF() * 2);
    heading.setBold(true);
    name->setFont(heading);
    auto* text = new QLabel(QStringLiteral("Version 1.13\n"
                                           "Design of bolted steel beam connections\n"
                                           "Based on AISC-ASD"),
                            this);
    text->setObjectName(QStringLiteral("Label1"));

    auto* texts = new QVBoxLayout;
    texts->addStretch();
    texts->addWidget(name);
    texts->addWidget(text);
    texts->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(picture);
    layout->addLayout(texts, 1);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(kTickMs);
    connect(timer_, &QTimer::timeout, this, &SplashWindow::Tick);
    timer_->start();
}

void SplashWindow::Tick() {
    if (timer_->interval() != kTickMs || ticks_ >= kTicksShown) return;
    if (++ticks_ < kTicksShown) return;
    timer_->stop();
    emit Elapsed();
    close();
}

void SplashWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (centred_) return;
    centred_ = true;
    CentreOnScreen(*this);
}

}  // namespace jw::ui
