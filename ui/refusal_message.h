// What the user is told when the generator refuses a start or an end address.
#pragma once

#include <windows.h>

#include "core/address_range.h"

namespace macrange::ui {

// The string-table identifier of the message for a refusal: it names the box,
// says what is wrong and shows a good address. 0 for Refusal::kNone.
UINT RefusalMessageId(Refusal refusal);

}  // namespace macrange::ui
