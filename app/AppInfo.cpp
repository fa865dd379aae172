#include "app/AppInfo.h"

String ApplicationTitle() { return String(kProductName) + " v" + kVersionText; }
