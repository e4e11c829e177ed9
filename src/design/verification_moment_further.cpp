#include "design/verification_support.h"

#include <string>
#include <string_view>

#include "design/design_run.h"
#include "design/further/prying.h"

namespace jw {
namespace {

constexpr std::string_view kH300 = "H-300X150X36.7(kg/m)";  // d 300, bf 150, tw 6.5, tf 9, r1 13
constexpr std::string_view kH350 = "H-350X175X49.6(kg/m)";  // d 350, bf 175, tw 7, tf 11, r1 14

using verification::Recorder;

// A moment connection with 20 mm bolts on a beam of SS400 steel; grid values in row order.
ConnectionInput MomentInput(ConnectionType type, const std::vector<std::string>& values,
                            std::string_view beam, std::string_view boltGrade = "A325-X") {
    return verification::Input(type, values, beam, boltGrade);
}

struct Expected {
    std::string_view check;
    std::string_view value;
};

struct FurtherRun {
    std::string_view example;
    ConnectionInput input;
    std::vector<Expected> checks;   // further checks by name: ratio and verdict as shown
    std::vector<Expected> derived;  // derived values by symbol, to the decimals written
    std::vector<Expected> parts;    // the summary's plate and bolt rows
    std::string_view summary;       // its last row
};

std::string Shown(const DesignResult& r, std::string_view name) {
    for (const CheckRow& check : r.further.checks)
        if (check.name == name) return check.ratioText + " " + check.verdict;
    return "(no such check)";
}

double Derived(const DesignResult& r, std::string_view symbol) {
    for (const DerivedValue& value : r.further.derived)
        if (value.symbol == symbol) return value.value;
    return -1;
}

void VerifyRun(const FurtherRun& run, std::vector<VerificationOutcome>& out) {
    Recorder record(out, run.example);
    const DesignResult r = RunDesign(run.input, RunOptions{""});
    if (r.status == RunStatus::Stopped) {
        record.Text("The run completes", "completed", "stopped: " + r.message);
        return;
    }
    for (const Expected& e : run.checks) record.Text(e.check, e.value, Shown(r, e.check));
    for (const Expected& e : run.derived) record.Number(e.check, e.value, Derived(r, e.check));
    for (std::size_t i = 0; i < run.parts.size(); ++i)
        record.Text(run.parts[i].check, run.parts[i].value, r.summary.At(1 + int(i), 1));
    record.Text("Summary", run.summary, r.summary.At(4, 0) + ": " + r.summary.At(4, 1));
}

// The prying example of a public worksheet of the 9th-edition method: a tee hanger, 1 in. A325
// bolts (B = 40 ksi x 0.785 in2 = 31.4 kips under fatigue loading), T = 28.75 kips per bolt,
// p = 3 in., b = 1.3125 in., a = 1.640625 in., t = 1 in., Fy = 50 ksi, holes 1 1/16 in.
void VerifyPublishedPrying(std::vector<VerificationOutcome>& out) {
    Recorder record(out, "T-stub prying, published example in inches and kips");
    further::TStub t;
    t.boltTension = 28.75;
    t.boltAllowable = 31.4;
    t.b = 1.3125;
    t.a = 1.640625;
    t.tributary = 3.0;
    t.hole = 1.0625;
    t.boltDia = 1.0;
    t.thickness = 1.0;
    t.fy = 50;
    const further::Prying p = further::AnalysePrying(t);
    record.Number("tc (in.)", "1.166", p.tc);
    record.Number("alpha'", "0.4048", p.alphaPrime);
    record.Number("Ta (kips)", "29.11", p.allowableTension);
    record.Number("alpha at T", "0.381", p.alpha);
    record.Number("Q (kips)", "2.15", p.prying);
    record.Number("T + Q (kips)", "30.90", t.boltTension + p.prying);
}

std::vector<FurtherRun> EndPlateRuns() {
    return {
        {"BMEP worked run",
         MomentInput(ConnectionType::BMEP, {"800000", "10000", "22", "6", "40", "85"}, kH350),
         {{"Plate covers beam", "0.76 PASSED"},
          {"Bolt clearance at flange", "1.00 PASSED"},
          {"Gauge within flange", "0.63 PASSED"},
          {"Edge distance", "1.00 PASSED"},
          {"End distance", "0.05 PASSED"},
          {"Bolt spacing", "0.63 PASSED"},
          {"Bolt tension with prying", "0.62 PASSED"},
          {"End plate bending", "0.86 PASSED"},
          {"End plate shear", "0.32 PASSED"},
          {"Beam web shear", "0.43 PASSED"}},
         {{"g", "12.30"},
          {"Ff", "23598.82"},
          {"w,f", "0.80"},
          {"w,w", "0.80"},
          {"p,o", "3.75"},
          {"p,i", "3.65"},
          {"pe", "2.6844"},
          {"Af/Aw", "0.8384"},
          {"alpha_m", "1.3803"},
          {"Me", "21860.35"},
          {"tp,req", "2.042"}},
         {},
         "Connection: Accept"},
        {"BMEP worked run, T-stub method",
         MomentInput(ConnectionType::BMEP, {"300000", "5000", "25", "2", "40", "380"}, kH300),
         {{"Plate covers beam", "0.73 PASSED"},
          {"Bolt clearance at flange", "0.91 PASSED"},
          {"Gauge within flange", "0.78 PASSED"},
          {"End distance", "0.06 PASSED"},
          {"Bolt spacing", "0.14 PASSED"},
          {"Bolt tension with prying", "0.58 PASSED"},
          {"End plate bending", "0.65 PASSED"},
          {"End plate shear", "0.14 PASSED"},
          {"Beam web shear", "0.27 PASSED"}},
         {{"Ff", "10309.28"},
          {"p,o", "4.00"},
          {"B", "9340.90"},
          {"b',o", "3.00"},
          {"a',o", "5.00"},
          {"rho,o", "0.600"},
          {"delta,o", "0.7067"},
          {"tc,o", "3.532"},
          {"alpha',o", "0.8809"},
          {"alpha,o", "0.1436"},
          {"Q,o", "284.97"}},
         {},
         "Connection: Accept"},
    };
}

std::vector<FurtherRun> SpliceRuns() {
    const std::vector<std::string> innerPlates = {"480000", "11200", "8",  "2", "3", "1",
                                                  "10",     "40",    "70", "9", "2", "3",
                                                  "30",     "0",     "60", "85"};
    return {
        {"BSPL worked run",
         MomentInput(ConnectionType::BSPL,
                     {"400000", "11200", "8", "1", "2", "1", "10", "30", "150", "9", "1", "2", "30",
                      "0", "60", "85"},
                     kH300),
         {{"End distance", "1.00 PASSED"},
          {"Bolt spacing", "0.89 PASSED"},
          {"Edge distance", "0.87 PASSED"},
          {"Flange bolt shear", "0.53 PASSED"},
          {"Flange bolt bearing", "0.39 PASSED"},
          {"Flange plate within flange", "0.97 PASSED"},
          {"Flange bolts clear of root fillets", "0.82 PASSED"},
          {"Flange plate gross tension", "0.73 PASSED"},
          {"Flange plate net tension", "0.99 PASSED"},
          {"Beam flange tension", "0.94 PASSED"},
          {"Block shear of flange plates", "0.70 PASSED"},
          {"Block shear of beam flange", "0.67 PASSED"},
          {"Flange plates as columns", "0.77 PASSED"},
          {"Beam web shear", "0.60 PASSED"},
          {"Gross shear of plate(s)", "0.70 PASSED"},
          {"Web plate flexure", "0.53 PASSED"},
          {"Plate within clear web", "0.82 PASSED"}},
         {{"Ff", "13745.70"}, {"L", "8.00"}, {"KL/r", "20.01"}, {"Fa", "1373.15"}},
         {{"Summary, plates", "1 PL-8X210X140 / 2 PL-9X145X260"},
          {"Summary, bolts", "4 - M20 / 16 - M20 (A325-X) per joint"}},
         "Connection: Accept"},
        {"BSPL worked run, outer and inner flange plates",
         MomentInput(ConnectionType::BSPL, innerPlates, kH300),
         {{"End distance", "0.75 PASSED"},
          {"Edge distance", "0.99 PASSED"},
          {"Flange bolt shear", "0.23 PASSED"},
          {"Flange bolt bearing", "0.31 PASSED"},
          {"Flange bolts clear of root fillets", "0.99 PASSED"},
          {"Flange plate gross tension", "0.49 PASSED"},
          {"Flange plate net tension", "0.64 PASSED"},
          {"Beam flange tension", "1.00 PASSED"},
          {"Block shear of flange plates", "0.33 PASSED"},
          {"Block shear of beam flange", "0.57 PASSED"},
          {"Flange plates as columns", "0.51 PASSED"},
          {"Web plate flexure", "0.30 PASSED"}},
         {{"Ff", "16494.85"}, {"Fo", "9111.44"}, {"Fi", "7383.41"}},
         {{"Summary, plates", "2 PL-8X220X180 / 2 PL-9X145X380 + 4 PL-9X58.75X380"},
          {"Summary, bolts", "6 - M20 / 24 - M20 (A325-X) per joint"}},
         "Connection: Accept"},
        {"BSPL worked run, outer and inner flange plates, slip-critical A325-S bolts",
         MomentInput(ConnectionType::BSPL, innerPlates, kH300, "A325-S"),
         {{"Bearing at Beam Web (slip-critical)", "0.86 PASSED"},
          {"Bearing at Web Cleat(s) (slip-critical)", "0.35 PASSED"},
          {"Slip resistance", "0.74 PASSED"},
          {"Flange bolt shear", "0.33 PASSED"}},
         {},
         {},
         "Connection: Accept"},
        {"Former standard BSPL on H-300X150X36.7, bill of materials",
         MomentInput(ConnectionType::BSPL,
                     {"415000", "11200", "8", "1", "2", "1", "10", "30", "150", "9", "1", "2", "30",
                      "0", "60", "85"},
                     kH300),
         {{"Flange plate net tension", "1.03 REDESIGNED"}},
         {{"Ff", "14261.17"}},
         {{"Summary, plates", "1 PL-8X210X140 / 2 PL-9X145X260"},
          {"Summary, bolts", "4 - M20 / 16 - M20 (A325-X) per joint"}},
         "Mode of Failure: Flange plate net tension"},
    };
}

}  // namespace

void VerifyMomentFurtherChecks(std::vector<VerificationOutcome>& out) {
    VerifyPublishedPrying(out);
    for (const FurtherRun& run : EndPlateRuns()) VerifyRun(run, out);
    for (const FurtherRun& run : SpliceRuns()) VerifyRun(run, out);
}

}  // namespace jw
