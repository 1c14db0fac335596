#pragma once

#include "shell/features.h"

// The Features menu and the editors the program has, as the main window shows them.
Features standardFeatures();
