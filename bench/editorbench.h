#pragma once

#include "bench/benchutil.h"

// Each prints the medians of one editor window: open (list filled, window
// shown), select (boxes filled), and Apply with and without the sync.
void benchForm3(const Bench::Folders &folders);
void benchForm4(const Bench::Folders &folders);
void benchForm5(const Bench::Folders &folders);
