// "Project": the six texts of the printed title block. They start from their defaults at every
// start of the program, stay as typed while the form is hidden, and go into project files.
// Below them the code page the files are written in (Thai titles need Windows-874), which the
// program remembers from one start to the next.
#pragma once

#include <QWidget>
#include <array>

#include "project/project_file.h"

class QComboBox;
class QLineEdit;

namespace jw::ui {

class ProjectForm : public QWidget {
    Q_OBJECT
  public:
    explicit ProjectForm(QWidget* parent = nullptr);

    ProjectInfo Info() const;
    void SetInfo(const ProjectInfo& info);
    // Field 0 "Project :" to field 5 "Check by :".
    QLineEdit& Field(int index) const { return *fields_[index]; }
    // The code page list; a choice is stored in the settings at once.
    QComboBox& CodePageList() const { return *codePage_; }

  signals:
    // "&OK" (or Enter), Esc (which puts the texts back as they were when the form opened), or
    // the title bar's close: the main form comes back.
    void Finished();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void Finish();

    std::array<QLineEdit*, 6> fields_{};
    std::array<QString, 6> shownWith_;  // the texts Esc puts back
    QComboBox* codePage_ = nullptr;
    bool centred_ = false;
};

}  // namespace jw::ui
