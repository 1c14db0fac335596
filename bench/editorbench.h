#pragma once

#include "bench/benchutil.h"

#include <QWidget>
#include <functional>
#include <memory>

class Desktop;
class RomFile;

namespace Bench {

using MakeEditor = std::function<std::unique_ptr<QWidget>(RomFile &, Desktop &)>;

// Prints the medians of one editor window, under the same labels for each:
// open (list filled, window shown) beside the floor (a bare dialog with the same
// controls) and their ratio, select a record (boxes filled), and Apply before
// and with the sync.
void benchEditor(const char *title, const MakeEditor &make, const Folders &folders);

} // namespace Bench
