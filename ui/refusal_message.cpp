#include "ui/refusal_message.h"

#include "ui/resources/string_ids.h"

namespace macrange::ui {

UINT RefusalMessageId(Refusal refusal) {
  switch (refusal) {
    case Refusal::kNone:
      return 0;
    case Refusal::kStartTooFewGroups:
      return IDS_START_TOO_FEW_GROUPS;
    case Refusal::kEndTooFewGroups:
      return IDS_END_TOO_FEW_GROUPS;
    case Refusal::kStartGroup6Negative:
      return IDS_START_GROUP6_NEGATIVE;
    case Refusal::kStartGroup5TooLarge:
      return IDS_START_GROUP5_TOO_LARGE;
  }
  return 0;
}

}  // namespace macrange::ui
