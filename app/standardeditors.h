#pragma once

#include "shell/editoropeners.h"

// The three editor windows, as the main window opens them.
EditorOpeners standardEditors();
