#pragma once

#include <filesystem>

// Whether Windows would take a name for a device rather than a file, as far as
// the name alone tells: whatever lies in the device namespaces (\\.\..., \\?\...,
// \??\...) but a drive's, a share's or a volume's path (\\?\C:\roms\a.gba), and
// the reserved names (CON, PRN, AUX, NUL, CONIN$, CONOUT$, COM1-COM9, LPT1-LPT9)
// in any folder, with any extension, in any case, and with the trailing dots and
// blanks that Windows drops. Opening such a name may already act on the device.
bool namesWindowsDevice(const std::filesystem::path &path);
