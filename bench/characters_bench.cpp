#include "bench/editorbench.h"

#include "bench/benchsupport.h"

#include "characters/Form3.h"
#include "characters/characterrecord.h"
#include "core/romfile.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>

namespace {

// The median of "Apply" on every character in turn, each selected first.
double applyMs(RomFile &rom, Bench::QuietDesktop &desktop, int runs)
{
    Form3 window(rom, desktop);
    window.show();
    auto *list = window.findChild<QListWidget *>(QStringLiteral("CharLST"));
    auto *apply = window.findChild<QPushButton *>(QStringLiteral("ApplyCMD"));
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        list->setCurrentRow(run % list->count());
        times.push_back(Bench::medianMs(1, [apply] { apply->click(); }));
    }
    return Bench::median(times);
}

} // namespace

void benchForm3(const Bench::Folders &folders)
{
    std::printf("Form3, character stats editor:\n");
    Bench::QuietDesktop desktop;
    RomFile disk;
    RomFile memory;
    if (!disk.open(Bench::writeSample(folders.disk, "characters.gba")) ||
        !memory.open(Bench::writeSample(folders.memory, "characters.gba"))) {
        std::printf("  cannot open the sample image\n");
        return;
    }

    const double open = Bench::medianMs(30, [&] {
        Form3 window(memory, desktop);
        window.show();
        QApplication::processEvents();
    });
    Bench::row("open (15 characters, 5 item boxes, shown)", open, "target <= 30 ms");

    Form3 window(memory, desktop);
    window.show();
    QApplication::processEvents();
    auto *list = window.findChild<QListWidget *>(QStringLiteral("CharLST"));
    int row = 0;
    const double select =
        Bench::medianMs(150, [&] { list->setCurrentRow(++row % CharacterRecord::table.count); });
    Bench::row("select a character (boxes filled)", select, "target <= 1 ms");

    Bench::row("Apply with the sync (disk)", applyMs(disk, desktop, 30));
    Bench::row("Apply before the sync (/dev/shm)", applyMs(memory, desktop, 150), "target <= 1 ms");
    if (desktop.messages != 0)
        std::printf("  %d unexpected messages\n", desktop.messages);
}
