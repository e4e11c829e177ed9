// Projects shared by the project file tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/sections.h"
#include "project/project_file.h"

namespace jw::test {

inline Project MakeProject(ConnectionType type, ConnectionChoices choices,
                           std::vector<std::string> values) {
    Project project;
    project.type = type;
    project.choices = choices;
    project.values = std::move(values);
    return project;
}

// The WSP connection whose file bytes the golden file pins.
inline Project WspSample() {
    ConnectionChoices choices;
    choices.boltGrade = 2;     // "A325-N"
    choices.boltDiameter = 3;  // "20 mm."
    choices.beamSection = FindBeamPosition("H-300X150X36.7(kg/m)").value_or(-1);
    choices.memberGrade = 1;
    return MakeProject(ConnectionType::WSP, choices,
                       {"10000", "9", "1", "3", "1", "10", "40", "75", "70", "6", "2"});
}

}  // namespace jw::test
