// Worked examples of the further checks of shear connections: buildable connections, each
// check's ratio and verdict and the figures behind it worked out by hand (docs/verification.md
// shows the arithmetic).
#include <functional>

#include "design/further/bolts.h"
#include "design/verification_support.h"

namespace jw {
namespace {

using namespace verification;

struct FurtherShown {
    std::string_view check;
    std::string_view shown;  // ratio and verdict as the result window shows them
};

struct FurtherFigure {
    std::string_view check;
    std::string_view what;  // "demand" or "capacity"
    std::string_view expected;
};

struct FurtherRun {
    std::string_view example;
    ConnectionInput input;
    std::vector<FurtherShown> checks;
    std::vector<FurtherFigure> figures;
    std::string_view summary;
};

const CheckRow* Find(const DesignResult& r, std::string_view name) {
    for (const CheckRow& check : r.further.checks)
        if (check.name == name) return &check;
    return nullptr;
}

void VerifyFurtherRun(const FurtherRun& run, std::vector<VerificationOutcome>& out) {
    Recorder record(out, std::string(run.example));
    const DesignResult r = RunDesign(run.input, RunOptions{""});
    if (r.status == RunStatus::Stopped) {
        record.Text("The run completes", "completed", "stopped: " + r.message);
        return;
    }
    for (const FurtherShown& expected : run.checks) {
        const CheckRow* check = Find(r, expected.check);
        record.Text(std::string(expected.check), std::string(expected.shown),
                    check ? check->ratioText + " " + check->verdict : "(not checked)");
    }
    for (const FurtherFigure& figure : run.figures) {
        const CheckRow* check = Find(r, figure.check);
        const double value = !check ? 0 : figure.what == "demand" ? check->demand : check->capacity;
        record.Number(std::string(figure.check) + ", " + std::string(figure.what), figure.expected,
                      value);
    }
    record.Text("Summary", std::string(run.summary),
                r.summary.At(4, 0) + ": " + r.summary.At(4, 1));
}

// The worked shear plate's layout (3 x M20 at 75 mm, a 10, b 40, 9 mm plate) with other
// grades, welds and loads.
ConnectionInput WorkedPlate(std::string_view load, std::string_view weld, std::string_view bolt,
                            int memberGrade) {
    ConnectionInput input = Input(
        ConnectionType::WSP,
        {std::string(load), "9", "1", "3", "1", "10", "40", "75", std::string(weld), "6", "2"},
        kBeam300, bolt);
    input.choices.memberGrade = memberGrade;
    return input;
}

std::vector<FurtherRun> Runs() {
    ConnectionInput singleAngle =
        Input(ConnectionType::ACLT, {"8000", "1", "3", "1", "3", "10", "40", "75"}, kBeam300);
    return {
        {"WSP further checks, SS490 beam, E60 weld",
         WorkedPlate("10000", "60", "A325-X", kGradeSS490),
         {{"End distance", "0.73 PASSED"},
          {"Bolt spacing", "0.71 PASSED"},
          {"Edge distance", "0.65 PASSED"},
          {"Beam web shear", "0.46 PASSED"},
          {"Gross shear of plate(s)", "0.50 PASSED"},
          {"Plate flexure", "0.44 PASSED"},
          {"Weld size minimum", "0.83 PASSED"},
          {"Weld base metal", "0.50 PASSED"},
          {"Plate within clear web", "0.90 PASSED"},
          {"Buildable geometry", "0.67 PASSED"}},
         {{"End distance", "demand", "2.90"},
          {"Beam web shear", "capacity", "21871.20"},
          {"Gross shear of plate(s)", "capacity", "19838.88"},
          {"Plate flexure", "capacity", "114073.56"}},
         "Connection: Accept"},
        {"WSP further checks, slip-critical A325-S bolts",
         WorkedPlate("7000", "70", "A325-S", kGradeSS400),
         {{"Bearing at Beam Web (slip-critical)", "0.52 PASSED"},
          {"Bearing at Web Cleat(s) (slip-critical)", "0.37 PASSED"},
          {"Slip resistance", "0.90 PASSED"},
          {"End distance", "0.62 PASSED"}},
         {{"Slip resistance", "demand", "3299.83"},
          {"Slip resistance", "capacity", "3675.66"},
          {"Bearing at Beam Web (slip-critical)", "capacity", "6363.24"}},
         "Connection: Accept"},
        {"ACLT further checks, single angle",
         singleAngle,
         {{"End distance", "0.71 PASSED"},
          {"Edge distance", "0.65 PASSED"},
          {"Beam web shear", "0.43 PASSED"},
          {"Gross shear of angle(s)", "0.36 PASSED"},
          {"Support bolts, single angle", "0.81 PASSED"},
          {"Support bolts per angle", "0.67 PASSED"},
          {"Angle within clear web", "0.90 PASSED"}},
         {{"Support bolts, single angle", "demand", "3705.83"},
          {"Support bolts, single angle", "capacity", "4555.31"}},
         "Connection: Accept"},
    };
}

// The slip-critical allowables of Table J3.2 (standard holes, class A surfaces: 17 ksi for
// A325, 21 ksi for A490) in the program's conversion of 69 ksc to the ksi, rounded to 10 ksc,
// the conversion that gives the bearing-type grades 1450 (21 ksi) and 2070 ksc (30 ksi).
void VerifySlipAllowables(std::vector<VerificationOutcome>& out) {
    Recorder record(out, "Slip-critical allowables, Table J3.2");
    record.Number("A325-S and F8.8-S, 17 ksi (ksc)", "1170",
                  further::SlipCriticalAllowable("A325-S"));
    record.Number("A490-S and F10-S, 21 ksi (ksc)", "1450",
                  further::SlipCriticalAllowable("A490-S"));
    record.Number("A325-N, a bearing-type grade (ksc)", "0",
                  further::SlipCriticalAllowable("A325-N"));
}

}  // namespace

void VerifyShearFurtherChecks(std::vector<VerificationOutcome>& out) {
    VerifySlipAllowables(out);
    for (const FurtherRun& run : Runs()) VerifyFurtherRun(run, out);
}

}  // namespace jw
