#pragma once

#include "shell/editors.h"

// The three editor windows, as the main window opens them.
EditorOpeners standardEditors();
