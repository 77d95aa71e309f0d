// The identifiers of the window's own texts in the string table
// (ui/resources/strings.rc). Read by the resource compiler too, so the
// identifiers are plain #defines.
#pragma once

// The captions of MainWindow's labels and buttons.
#define IDS_START_LABEL 1      // 标签1
#define IDS_END_LABEL 2        // 标签2
#define IDS_GENERATE_BUTTON 3  // 按钮1
#define IDS_COPY_BUTTON 4      // 按钮2

// The caption of every message the program shows.
#define IDS_MESSAGE_CAPTION 16

// The refusals of a start or an end address.
#define IDS_START_TOO_FEW_GROUPS 32
#define IDS_END_TOO_FEW_GROUPS 33
#define IDS_START_GROUP6_NEGATIVE 34
#define IDS_START_GROUP5_TOO_LARGE 35

// The failures that end the program, and their caption.
#define IDS_FAILURE_CAPTION 48
#define IDS_WINDOW_NOT_MADE 49
#define IDS_OUT_OF_MEMORY 50
