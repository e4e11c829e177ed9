// The established rows of the standard connection tables: the proposals engineers have long
// used, each at its place in its table. A row that passes every check of its design stands in
// the table word for word; one that fails is replaced there by a sound proposal for its own loads,
// and the tables say so.
#pragma once

#include <span>
#include <string_view>

#include "data/connection_input.h"

namespace jw {

struct EstablishedRow {
    ConnectionType type;
    int row;  // from 1
    std::string_view text;
};

std::span<const EstablishedRow> EstablishedRows();

// The established row at row j (from 1) of a type's table, or none.
const EstablishedRow* EstablishedRowAt(ConnectionType type, int j);

}  // namespace jw
