#include "ui/disclaimer_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/message_sink.h"
#include "ui/ui_helpers.h"

namespace jw::ui {
namespace {

// Set in a fixed-pitch font, as its double blanks expect.
constexpr const char* kDisclaimerLines[] = {
    "CONSIDERABLE TIME, EFFORT AND EXPENSE HAVE GONE INTO THE",
    "DEVELOPMENT AND  DOCUMENTATION OF TAV JOINTWRIGHT",
    "PROGRAM. THE PROGRAM HAS BEEN THOROUGHLY  TESTED  AND",
    "USED.IN USING THE PROGRAM,HOWEVER,THE USER ACCEPTS AND",
    "UNDERSTANDS THAT NO WARRANTY IS EXPRESSED OR IMPLIED BY",
    "THE  DEVELOPERS OR THE DISTRIBUTORS ON THE ACCURACY OR",
    "THE RELIABILITY OF THE PROGRAM.",
    " ",
    "THE USE MUST EXPLICITLY UNDERSTAND  THE ASSUMPTIONS OF",
    "THE PROGRAM AND MUST INDEPENDENTLY VERIFY THE RESULTS.",
};

}  // namespace

DisclaimerWindow::DisclaimerWindow(MessageSink& messages, QWidget* parent)
    : QWidget(parent), messages_(messages) {
    setObjectName(QStringLiteral("frmDisclaimer"));
    setWindowTitle(QStringLiteral("DISCLAIMER"));
    setWindowFlag(Qt::Window);

    auto* heading = new QLabel(QStringLiteral("DISCLAIMER"), this);
    heading->setObjectName(QStringLiteral("Label1"));
    heading->setAlignment(Qt::AlignCenter);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.5);
    heading->setFont(bold);

    text_ = new QListWidget(this);
    text_->setObjectName(QStringLiteral("List1"));
    QFont fixed(QStringLiteral("Courier"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setFixedPitch(true);
    text_->setFont(fixed);
    for (const char* line : kDisclaimerLines) text_->addItem(QString::fromLatin1(line));
    text_->setSelectionMode(QAbstractItemView::NoSelection);
    text_->setFocusPolicy(Qt::NoFocus);
    text_->setMinimumWidth(text_->sizeHintForColumn(0) + 4 * text_->frameWidth() + 24);
    text_->setMinimumHeight(text_->sizeHintForRow(0) * (text_->count() + 1));

    accept_ = new QRadioButton(QStringLiteral("I ACCEPT."), this);
    accept_->setObjectName(QStringLiteral("Option1"));
    decline_ = new QRadioButton(QStringLiteral("I DO NOT ACCEPT"), this);
    decline_->setObjectName(QStringLiteral("Option2"));
    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));

    auto* choices = new QHBoxLayout;
    choices->addWidget(accept_);
    choices->addWidget(decline_);
    choices->addStretch();
    choices->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(text_, 1);
    layout->addLayout(choices);

    connect(ok, &QPushButton::clicked, this, &DisclaimerWindow::Confirm);
}

void DisclaimerWindow::Confirm() {
    if (accept_->isChecked()) {
        // The main form shows before this window goes, so the program always has a window.
        emit Accepted();
        hide();
    } else if (decline_->isChecked()) {
        emit Declined();
    } else {
        messages_.Show(kNoAgreementMessage, kDisclaimerTitle);
    }
}

void DisclaimerWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (centred_) return;
    centred_ = true;
    CentreOnScreen(*this);
}

void DisclaimerWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit Declined();
}

}  // namespace jw::ui
