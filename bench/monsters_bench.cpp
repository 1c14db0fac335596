#include "bench/editorbench.h"

#include "bench/benchsupport.h"

#include "core/romfile.h"
#include "monsters/Form4.h"
#include "monsters/monsterrecord.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>

namespace {

// Apply of an unedited monster, which writes its seven fields back unchanged.
double applyMs(const std::filesystem::path &folder, int runs)
{
    RomFile rom;
    rom.open(Bench::writeSample(folder, "monsters.gba"));
    Bench::QuietDesktop desktop;
    Form4 window(rom, desktop);
    window.show();
    window.findChild<QListWidget *>("MonsterLST")->setCurrentRow(17);
    auto *apply = window.findChild<QPushButton *>("ApplyCMD");
    return Bench::medianMs(runs, [apply] { apply->click(); });
}

} // namespace

void benchForm4(const Bench::Folders &folders)
{
    std::printf("Form4 (monster stats editor)\n");
    RomFile rom;
    rom.open(Bench::writeSample(folders.disk, "monsters.gba"));
    Bench::QuietDesktop desktop;

    const double open = Bench::medianMs(30, [&] {
        Form4 window(rom, desktop);
        window.show();
    });
    Bench::row("open (list filled, window shown)", open, "target <= 30 ms");

    Form4 window(rom, desktop);
    window.show();
    auto *list = window.findChild<QListWidget *>("MonsterLST");
    int monster = 0;
    const double select = Bench::medianMs(500, [&] {
        list->setCurrentRow(monster);
        monster = (monster + 37) % MonsterRecord::table.count;
    });
    Bench::row("select a monster (boxes filled)", select, "target <= 1 ms");

    Bench::row("Apply, with the sync to disk", applyMs(folders.disk, 50));
    Bench::row("Apply, before the sync (/dev/shm)", applyMs(folders.memory, 500), "target <= 1 ms");
}
