#include "ui/project_form.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "ui/code_page_setting.h"
#include "ui/ui_helpers.h"

namespace jw::ui {
namespace {

constexpr std::array<const char*, 6> kLabels = {"Project :", "Title :",    "Job No.",
                                                "Revise",    "Engineer :", "Check by :"};

std::array<std::string*, 6> Texts(ProjectInfo& info) {
    return {&info.project, &info.title, &info.jobNo, &info.revise, &info.engineer, &info.checker};
}

}  // namespace

ProjectForm::ProjectForm(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmProject"));
    setWindowTitle(QStringLiteral("Project"));
    setWindowFlag(Qt::Window);

    auto* form = new QFormLayout;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        fields_[i] = new QLineEdit(this);
        fields_[i]->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        fields_[i]->setMinimumWidth(260);
        form->addRow(new QLabel(QString::fromLatin1(kLabels[i]), this), fields_[i]);
    }
    codePage_ = new QComboBox(this);
    codePage_->setObjectName(QStringLiteral("Combo1"));
    for (const CodePage page : {CodePage::Windows1252, CodePage::Windows874})
        codePage_->addItem(FromCoreText(CodePageCaption(page)), static_cast<int>(page));
    codePage_->setCurrentIndex(codePage_->findData(static_cast<int>(StoredCodePage())));
    connect(codePage_, &QComboBox::currentIndexChanged, this,
            [this] { StoreCodePage(static_cast<CodePage>(codePage_->currentData().toInt())); });
    form->addRow(new QLabel(QStringLiteral("Code page :"), this), codePage_);

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    auto* commands = new QHBoxLayout;
    commands->addStretch();
    commands->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(commands);

    connect(ok, &QPushButton::clicked, this, &ProjectForm::Finish);
    for (QLineEdit* field : fields_)
        connect(field, &QLineEdit::returnPressed, this, &ProjectForm::Finish);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, [this] {
        for (std::size_t i = 0; i < fields_.size(); ++i) fields_[i]->setText(shownWith_[i]);
        Finish();
    });
    SetInfo(ProjectInfo{});
}

ProjectInfo ProjectForm::Info() const {
    ProjectInfo info;
    const auto texts = Texts(info);
    for (std::size_t i = 0; i < fields_.size(); ++i) *texts[i] = ToCoreText(fields_[i]->text());
    return info;
}

void ProjectForm::SetInfo(const ProjectInfo& info) {
    ProjectInfo copy = info;
    const auto texts = Texts(copy);
    for (std::size_t i = 0; i < fields_.size(); ++i) fields_[i]->setText(FromCoreText(*texts[i]));
}

void ProjectForm::Finish() {
    hide();
    emit Finished();
}

void ProjectForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    for (std::size_t i = 0; i < fields_.size(); ++i) shownWith_[i] = fields_[i]->text();
    if (centred_) return;
    centred_ = true;
    CentreOnScreen(*this);
}

void ProjectForm::closeEvent(QCloseEvent* event) {
    event->accept();
    emit Finished();
}

}  // namespace jw::ui
