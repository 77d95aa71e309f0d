#include "ui/line_sink.h"
