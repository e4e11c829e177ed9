// The choices held outside the input grid: bolt grade and diameter with the bolt values they
// give, the member steel grade, the advisor switch, and the beam and angle sections with the
// beam's properties.
#pragma once

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QTableWidget;

namespace jw::ui {

// Bolt type and diameter lists with the bolt display, the steel grade options and the
// "Connection Advisor" box.
class BoltGradePanel : public QWidget {
    Q_OBJECT
  public:
    explicit BoltGradePanel(QWidget* parent = nullptr);

    int BoltGrade() const;  // list position, -1 when none
    void SetBoltGrade(int position);
    int BoltDiameter() const;
    void SetBoltDiameter(int position);
    // Option number as the project file keeps it: 1 SS400, 2 SS490, 3 SM520, 4 SM490, 0 none.
    int MemberGrade() const;
    void SetMemberGrade(int option);
    bool Advisor() const;
    void SetAdvisor(bool on);

    const QTableWidget& BoltDisplay() const { return *boltDisplay_; }

  signals:
    // A list, a grade option or the advisor switch changed, by a click or by a setter.
    void Changed();

  private:
    void ShowBoltGrade(int position);
    void ShowBoltDiameter(int position);

    QComboBox* boltGrades_;
    QComboBox* boltDiameters_;
    QTableWidget* boltDisplay_;
    QButtonGroup* grades_;
    QCheckBox* advisor_;
};

// The member section list with its property display, and the angle list of angle cleats.
class SectionPanel : public QWidget {
    Q_OBJECT
  public:
    explicit SectionPanel(QWidget* parent = nullptr);

    int BeamPosition() const;  // -1 when none is chosen
    // Chooses a beam as a click on the list does, with the same BeamChosen signal.
    void SetBeam(int position);
    int AnglePosition() const;
    void SetAngle(int position);
    void SetAngleVisible(bool visible);
    bool AngleVisible() const;

    const QTableWidget& PropertyDisplay() const { return *properties_; }

  signals:
    void BeamChosen(int position);
    void AngleChanged();

  private:
    void OnBeamChosen(int position);

    QComboBox* beams_;
    QTableWidget* properties_;
    QLabel* angleLabel_;
    QComboBox* angles_;
};

}  // namespace jw::ui
