#include "bench/editorbench.h"

void benchForm5(const Bench::Folders &)
{
    std::printf("Form5: not measured yet\n");
}
