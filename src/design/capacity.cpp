#include "design/capacity.h"

#include <cmath>

#include "data/numbers.h"

namespace jw {
namespace {

// No connection of the program carries this much; a layout still passing here is reported at it.
constexpr double kMostSteps = 1e8;

bool CarriesMoment(ConnectionType type) {
    return type == ConnectionType::BMEP || type == ConnectionType::BSPL;
}

// Designs a layout at loads of `steps` steps of one load row, the other loads as they stand.
class LoadTrial {
  public:
    LoadTrial(const ConnectionInput& layout, int row, double step)
        : input_(layout), row_(row), step_(step) {}

    DesignResult Design(double steps) {
        input_.grid.At(row_, kValueColumn) = FormatPlain(steps * step_);
        RunOptions options{""};
        options.formatReport = false;
        return RunDesign(input_, options);
    }
    bool Passes(double steps) { return Design(steps).status == RunStatus::Accepted; }

  private:
    ConnectionInput input_;
    int row_;
    double step_;
};

std::string FailureOf(const DesignResult& result) {
    return result.status == RunStatus::Stopped ? result.message : result.governingMode;
}

// The largest number of steps that passes: doubling up from the load the layout stands at, then
// halving the interval between the last that passed and the first that failed.
LoadCapacity Bisect(LoadTrial& trial, double ownSteps) {
    LoadCapacity capacity;
    const DesignResult none = trial.Design(0);
    if (none.status != RunStatus::Accepted) {
        capacity.governing = FailureOf(none);
        return capacity;
    }
    capacity.carries = true;
    double low = 0;
    double high = std::max(1.0, std::floor(ownSteps));
    while (trial.Passes(high)) {
        low = high;
        if (high >= kMostSteps) {
            capacity.load = high;
            capacity.governing = "no check limits it";
            return capacity;
        }
        high *= 2;
    }
    while (high - low > 1) {
        const double mid = std::floor((low + high) / 2);
        (trial.Passes(mid) ? low : high) = mid;
    }
    capacity.load = low;
    capacity.governing = FailureOf(trial.Design(high));
    return capacity;
}

}  // namespace

ConnectionCapacity CapacityOf(const ConnectionInput& layout) {
    ConnectionCapacity capacity;
    const bool moment = CarriesMoment(layout.type);
    const int shearRow = moment ? 2 : 1;
    LoadTrial shear(layout, shearRow, kShearCapacityStepKg);
    const double ownShear = LeadingNumber(layout.grid.At(shearRow, kValueColumn));
    capacity.shear = Bisect(shear, ownShear / kShearCapacityStepKg);
    if (moment) {
        LoadTrial bending(layout, 1, kMomentCapacityStepKgCm);
        const double ownMoment = LeadingNumber(layout.grid.At(1, kValueColumn));
        capacity.moment = Bisect(bending, ownMoment / kMomentCapacityStepKgCm);
        capacity.moment->load *= kMomentCapacityStepKgCm;
    }
    capacity.shear.load *= kShearCapacityStepKg;
    return capacity;
}

}  // namespace jw
