#include "ui/about_form.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <QtGlobal>

#include "ui/drawing_view.h"
#include "ui/sample_input.h"
#include "ui/ui_helpers.h"

namespace jw::ui {
namespace {

QLabel* MakeText(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

}  // namespace

AboutForm::AboutForm(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About"));
    setWindowFlag(Qt::Window);

    // The picture is the shear plate the program draws for its sample connection.
    auto* picture = new DrawingView(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->SetLabelPointSize(6);
    picture->SetConnection(SampleConnection(ConnectionType::WSP));
    picture->setFixedSize(220, 220);

    QLabel* product = MakeText("Label3", QStringLiteral("TAV JOINTWRIGHT"), this);
    QFont heading = product->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.6);
    heading.setBold(true);
    product->setFont(heading);

    auto* texts = new QVBoxLayout;
    texts->addWidget(MakeText("Label1", QStringLiteral("Design Software"), this));
    texts->addWidget(MakeText("Label2", QStringLiteral("A product of :"), this));
    texts->addWidget(product);
    texts->addWidget(MakeText("Label4", QStringLiteral("Version : 1.13"), this));
    texts->addWidget(
        MakeText("Label5", QStringLiteral("Design of bolted steel beam connections"), this));
    texts->addWidget(MakeText("Label6", QStringLiteral("Based on AISC - ASD"), this));
    texts->addWidget(
        MakeText("Label7", QStringLiteral("For Windows 10 and 11, Linux and macOS"), this));
    texts->addStretch();

    credits_ = new QListWidget(this);
    credits_->setObjectName(QStringLiteral("List1"));
    credits_->setSelectionMode(QAbstractItemView::NoSelection);
    credits_->setFocusPolicy(Qt::NoFocus);
    credits_->addItems({
        QStringLiteral("TAV JointWright, version 1.13"),
        QStringLiteral("Welded shear plates, angle cleats, moment end plates, beam splices"),
        QStringLiteral("Allowable stress design to AISC-ASD in kgf, cm and ksc"),
        QStringLiteral("Rolled H and I sections to TIS-1227-1996"),
        QStringLiteral("The user manual: the help command of the main form"),
        QStringLiteral("Built with Qt %1").arg(QString::fromLatin1(qVersion())),
    });

    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("Command1"));
    close->setDefault(true);

    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addLayout(texts, 1);
    auto* commands = new QHBoxLayout;
    commands->addStretch();
    commands->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(credits_);
    layout->addLayout(commands);

    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
    resize(560, 440);
}

void AboutForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (centred_) return;
    centred_ = true;
    CentreOnScreen(*this);
}

void AboutForm::closeEvent(QCloseEvent* event) {
    event->accept();
    emit Closed();
}

}  // namespace jw::ui
