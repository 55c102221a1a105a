#pragma once

#include "PropertyTypes.h"

#include <cstdint>
#include <span>
#include <string_view>

// Sets on the object every property that the list names, in list order.
// A list that ends inside an entry, or that names a property of no known
// type, throws RuntimeException; the properties before it stay set.
void _SetProperties(PropertyTarget& object, std::span<const std::uint8_t> list);
void _SetProperties(PropertyTarget& object, std::string_view list);
