#pragma once

// Process start to the file-open dialog, for the editor and for a bare Qt window.
int benchStartup(const char *program);
// The child side: one measured start, printed as one line.
int runStartupChild(int argc, char **argv, const char *mode);
