#include "design/fabrication_cost.h"

#include <array>
#include <cmath>

#include "data/numbers.h"
#include "results/bill_of_materials.h"

namespace jw {
namespace {

// Density of structural steel, kg per cubic millimetre (7850 kg/m^3).
constexpr double kSteelKgPerMm3 = 7.85e-6;

struct Key {
    std::string_view name;
    double UnitCosts::*value;
};
constexpr std::array<Key, 4> kKeys = {{{"steel_per_kg", &UnitCosts::steelPerKg},
                                       {"bolt_each", &UnitCosts::boltEach},
                                       {"hole_each", &UnitCosts::holeEach},
                                       {"weld_per_cm_mm", &UnitCosts::weldPerCmMm}}};

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The error of one line, or nothing when it is read into `costs`.
std::optional<std::string> ReadLine(std::string_view line, UnitCosts& costs) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return "is not \"key = value\"";
    const std::string_view key = Trim(line.substr(0, equals));
    const std::string_view text = Trim(line.substr(equals + 1));
    for (const Key& k : kKeys) {
        if (k.name != key) continue;
        const auto value = StrictNumber(text);
        if (!value || *value < 0)
            return "gives " + std::string(key) + " \"" + std::string(text) +
                   "\", not a number of at least 0";
        costs.*k.value = *value;
        return std::nullopt;
    }
    return "has the unknown key \"" + std::string(key) +
           "\" (known: steel_per_kg, bolt_each, hole_each, weld_per_cm_mm)";
}

}  // namespace

FabricationQuantities QuantitiesOf(ConnectionType type, const DesignState& s, int angleSection) {
    const BillOfMaterials bill = ConnectionBill(type, s, angleSection);
    FabricationQuantities q;
    for (const PlateItem& p : bill.plates)
        q.steelKg += p.count * p.thicknessMm * p.widthMm * p.lengthMm * kSteelKgPerMm3;
    for (const AngleItem& a : bill.angles) q.steelKg += a.count * a.lengthMm / 1000 * a.kgPerM;
    for (const BoltItem& b : bill.bolts) {
        q.bolts += b.count;
        q.holes += b.count * b.plies;
    }
    for (const WeldItem& w : bill.welds) {
        q.weldCm += w.lengthMm / 10;
        q.weldCmMm += w.lengthMm / 10 * w.sizeMm;
    }
    return q;
}

double CostOf(const FabricationQuantities& q, const UnitCosts& costs) {
    return q.steelKg * costs.steelPerKg + q.bolts * costs.boltEach + q.holes * costs.holeEach +
           q.weldCmMm * costs.weldPerCmMm;
}

UnitCostsReading ReadUnitCosts(std::string_view text) {
    UnitCosts costs;
    int number = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++number;
        if (line.empty() || line.front() == '#') continue;
        if (const auto error = ReadLine(line, costs))
            return {std::nullopt, "line " + std::to_string(number) + " " + *error};
    }
    return {costs, ""};
}

std::string UnitCostsText(const UnitCosts& costs) {
    std::string text;
    for (const Key& k : kKeys)
        text += std::string(k.name) + " = " + FormatTrimmed(costs.*k.value, 4) + "\n";
    return text;
}

}  // namespace jw
