#include "bench/editorbench.h"

void benchForm3(const Bench::Folders &)
{
    std::printf("Form3: not measured yet\n");
}
