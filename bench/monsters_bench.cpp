#include "bench/editorbench.h"

void benchForm4(const Bench::Folders &)
{
    std::printf("Form4: not measured yet\n");
}
