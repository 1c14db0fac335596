#pragma once

#include "catalogue/itemcatalogue.h"

#include <array>

namespace ItemCatalogue {

// The item names, in id order; the labels are built from them.
extern const std::array<const char *, count> itemNames;

} // namespace ItemCatalogue
