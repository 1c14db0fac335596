#include "bench/editorbench.h"

#include "bench/benchsupport.h"

#include "core/romfile.h"
#include "drops/Form5.h"
#include "drops/droprecord.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QPushButton>

namespace {

// The median of pressing "Apply" on one record after another of an image in folder.
double applyMs(const std::filesystem::path &folder, int runs, Bench::QuietDesktop &desktop)
{
    RomFile rom;
    if (!rom.open(Bench::writeSample(folder, "drops.gba")))
        return -1;
    Form5 window(rom, desktop);
    window.show();
    auto *list = window.findChild<QListWidget *>(QStringLiteral("ItemLST"));
    auto *apply = window.findChild<QPushButton *>(QStringLiteral("ApplyCMD"));
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        list->setCurrentRow(run % DropRecord::table.count);
        const auto start = std::chrono::steady_clock::now();
        apply->click();
        times.push_back(Bench::elapsedMs(start));
    }
    return Bench::median(times);
}

} // namespace

void benchForm5(const Bench::Folders &folders)
{
    std::printf("Form5 (Monster Item Editor)\n");
    Bench::QuietDesktop desktop;
    RomFile rom;
    if (!rom.open(Bench::writeSample(folders.memory, "drops.gba"))) {
        std::printf("  cannot open the sample image: %s\n", rom.errorString().c_str());
        return;
    }

    Bench::row("open (283 entries listed, record 0 shown)",
               Bench::medianMs(21,
                               [&] {
                                   Form5 window(rom, desktop);
                                   window.show();
                                   QCoreApplication::processEvents();
                               }),
               "target <= 30 ms");

    Form5 window(rom, desktop);
    window.show();
    auto *list = window.findChild<QListWidget *>(QStringLiteral("ItemLST"));
    int next = 1;
    Bench::row("select a record (boxes filled)",
               Bench::medianMs(283, [&] { list->setCurrentRow(next++ % DropRecord::table.count); }),
               "target <= 1 ms");

    Bench::row("Apply, before the sync (image in memory)", applyMs(folders.memory, 283, desktop),
               "target <= 1 ms");
    Bench::row("Apply, with the sync (image on disk)", applyMs(folders.disk, 41, desktop));
    if (desktop.messages != 0)
        std::printf("  warning: %d messages were shown; the times include refusals\n",
                    desktop.messages);
}
