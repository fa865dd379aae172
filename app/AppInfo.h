// The program's name and version as its windows and message boxes show them.
#pragma once

#include "platform/core/System.h"

constexpr char kProductName[] = "Varnel Revo";
constexpr char kVersionText[] = "4.0.0";
constexpr char kBuildText[] = "20071106";

// "Varnel Revo v4.0.0", the application's title.
String ApplicationTitle();
