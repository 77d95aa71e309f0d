#include "ui/handlers.h"

namespace macrange::ui {

void OnMainWindowCreated() {}

void OnGenerateClicked() {}

void OnCopyClicked() {}

}  // namespace macrange::ui
