// Save and Open on the main form: the connection on screen, with the title-block texts, to and
// from a project file.
#pragma once

#include "project/project_file.h"

namespace jw::ui {

class FileDialogs;
class InputForm;
class MessageSink;
class ProjectForm;

// The project as the two forms hold it now.
Project ProjectOf(const InputForm& form, const ProjectForm& details);

// Puts a project read from a file on the forms: the title-block texts; the type, as a click on
// its option (the grid is rebuilt); the bolt grade, diameter and beam, each as a click makes it
// (so with the advisor on, the beam fills in its standard connection); the steel grade and the
// angle; then the file's bolts and grid values, which win over anything the advisor filled, so
// the connection on screen is the one that was saved. A file without a type restores no grid
// value and leaves the type as it is.
void ApplyProject(InputForm& form, ProjectForm& details, const Project& project);

// "Save": asks for a file name and writes the file in one piece. A failure is shown, titled
// "Save", and any earlier file of that name stays as it was. True when the file was written.
bool SaveProject(InputForm& form, const ProjectForm& details, FileDialogs& dialogs,
                 MessageSink& messages);

// "Open": asks for a file name and reads the whole file before anything on screen changes; a
// file that cannot be read or is not a valid project is refused with a message naming the
// problem, titled "Open". True when a project was opened.
bool OpenProject(InputForm& form, ProjectForm& details, FileDialogs& dialogs,
                 MessageSink& messages);

}  // namespace jw::ui
