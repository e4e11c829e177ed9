#include "data/established_rows.h"

namespace jw {
namespace {

// The rows whose names are no section's (so the advisor never uses them) and the repeated names
// (the later wins) are kept at their places too.
// clang-format off
constexpr EstablishedRow kRows[] = {
    {ConnectionType::WSP, 1, "H-100X100X17.2(kg/m) 4000 9 1 2 1 10 20 45 60 6 1 1 1 "},
    {ConnectionType::WSP, 2, "H-125X125X23.8(kg/m) 5500 6 2 2 1 10 25 55 60 6 2 1 1 "},
    {ConnectionType::WSP, 3, "H-150X75X14(kg/m) 5400 6 2 3 1 10 22 45 60 6 1 1 1 "},
    {ConnectionType::WSP, 27, "H-300X300X106(kg/m)* 32000 9 2 4 1 10 35 65 60 8 1 1 3 "},
    {ConnectionType::WSP, 28, "H-300X300X106(kg/m)* 24000 6 2 4 1 10 35 65 60 6 1 1 3 "},
    {ConnectionType::WSP, 30, "H-350X175X49.6(kg/m) 17500 6 2 4 1 10 40 70 60 6 1 1 3 "},
    {ConnectionType::WSP, 31, "H-350X175X49.6(kg/m) 17500 6 2 4 1 10 40 70 60 6 1 1 3 "},
    {ConnectionType::WSP, 37, "H-350X350X115(kg/m) 24750 6 2 4 1 10 40 70 60 6 1 1 3 "},
    {ConnectionType::WSP, 48, "H-400X400X168(kg/m)* 51050 12 2 4 1 10 50 80 60 9 1 1 6 "},
    {ConnectionType::WSP, 94, "H-900X300X286(kg/m)V 120000 12 2 9 1 20 75 85 60 9 1 1 6 "},
    {ConnectionType::ACLT, 1, "H-100X100X17.2(kg/m) 4000 2 2 1 2 10 20 45 1 1 1 "},
    {ConnectionType::ACLT, 2, "H-125X125X23.8(kg/m) 5500 2 2 1 2 10 27 50 2 1 1 "},
    {ConnectionType::ACLT, 3, "H-150X75X14(kg/m) 5400 2 3 1 2 10 25 40 3 1 1 "},
    {ConnectionType::ACLT, 27, "H-300X300X106(kg/m)* 32000 2 4 1 4 10 35 65 7 1 3 "},
    {ConnectionType::ACLT, 28, "H-300X300X106(kg/m)* 24000 2 4 1 4 10 35 65 7 1 3 "},
    {ConnectionType::ACLT, 46, "H-400X400X168(kg/m)* 51050 2 4 1 4 10 50 80 14 1 6 "},
    {ConnectionType::ACLT, 92, "H-900X300X286(kg/m)V 120000 2 9 1 9 20 85 85 24 1 6 "},
    {ConnectionType::BMEP, 1, "H-100X100X17.2(kg/m) 110880 5500 6 3 30 60 1 1 "},
    {ConnectionType::BMEP, 2, "H-125X125X23.8(kg/m) 195750 5750 6 3 30 75 1 3 "},
    {ConnectionType::BMEP, 3, "H-150X75X14(kg/m) 128160 5500 6 3 30 90 1 1 "},
    {ConnectionType::BMEP, 27, "H-300X300X106(kg/m)* 2070000 32000 15 5 45 110 4 7 "},
    {ConnectionType::BMEP, 28, "H-300X300X106(kg/m)* 2215000 24000 15 5 45 110 4 7 "},
    {ConnectionType::BMEP, 46, "H-400X400X168(kg/m)* 4350000 51000 15 7 45 120 5 6 "},
    {ConnectionType::BMEP, 73, "I-150X75X17.1(kg/m)* 155000 5900 6 3 30 90 1 1 "},
    {ConnectionType::BMEP, 92, "H-900X300X286(kg/m)V 12500000 100000 15 11 50 100 5 7 "},
    {ConnectionType::BSPL, 1, "H-100X100X17.2(kg/m) 75000 3000 9 2 2 1 10 18 43 9 1 2 20 0 30 45 1 0 "},
    {ConnectionType::BSPL, 2, "H-125X125X23.8(kg/m) 100000 5000 6 2 2 1 10 25 50 9 1 2 20 0 40 60 1 1 "},
    {ConnectionType::BSPL, 3, "H-150X75X14(kg/m) 60000 4500 6 2 2 1 10 30 60 9 1 2 20 0 35 35 1 1 "},
    {ConnectionType::BSPL, 27, "H-300X300X106(kg/m)* 1800000 32000 16 2 3 2 10 40 70 12 2 4 40 45 55 120 1 5 "},
    {ConnectionType::BSPL, 28, "H-300X300X106(kg/m)* 1800000 23500 12 2 3 2 10 40 70 15 2 4 40 45 55 120 1 5 "},
    {ConnectionType::BSPL, 46, "H-400X400X168(kg/m)* 4100000 51000 16 2 4 2 10 40 75 16 2 6 40 70 60 150 1 5 "},
    {ConnectionType::BSPL, 73, "I-150X75X17.1(kg/m)* 78000 5000 6 2 2 1 10 30 60 9 1 2 20 0 35 35 1 1 "},
    {ConnectionType::BSPL, 92, "H-900X300X286(kg/m)V 11000000 80500 12 2 7 1 10 45 90 20 2 5 40 60 60 100 1 5 "},
};
// clang-format on

}  // namespace

std::span<const EstablishedRow> EstablishedRows() {
    return kRows;
}

const EstablishedRow* EstablishedRowAt(ConnectionType type, int j) {
    for (const EstablishedRow& row : kRows)
        if (row.type == type && row.row == j) return &row;
    return nullptr;
}

}  // namespace jw
