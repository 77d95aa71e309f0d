// What the user is told when the generator refuses a start or an end address.
#pragma once

#include <string_view>

#include "core/address_range.h"

namespace macrange::ui {

// The message for a refusal, in code page 936: it names the box, says what is
// wrong and shows a good address. Empty for Refusal::kNone.
std::string_view RefusalMessage(Refusal refusal);

}  // namespace macrange::ui
