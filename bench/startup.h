#pragma once

// Process start to the file-open dialog, for the editor and for a bare program
// showing the same dialog, each in a child process of this program.
int benchStartup();
// The child side: one measured start, printed as one line.
int runStartupChild(int argc, char **argv, const char *mode);
