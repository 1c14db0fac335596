#include "bench/editorbench.h"

#include "bench/barewindow.h"
#include "bench/benchsupport.h"
#include "core/romfile.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>

namespace Bench {

namespace {

constexpr int openRuns = 31;

// Shown and painted, the time it takes.
template <class Make> double showMs(Make &&make)
{
    return medianMs(1, [&] {
        const auto window = make();
        window->show();
        QApplication::processEvents();
    });
}

// The median of Apply on one record after another, each selected first.
double applyMs(const MakeEditor &make, RomFile &rom, QuietDesktop &desktop, int runs)
{
    const auto window = make(rom, desktop);
    window->show();
    auto *list = window->findChild<QListWidget *>();
    auto *apply = window->findChild<QPushButton *>(QStringLiteral("ApplyCMD"));
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        list->setCurrentRow(run % list->count());
        times.push_back(medianMs(1, [apply] { apply->click(); }));
    }
    return median(times);
}

} // namespace

void benchEditor(const char *title, const MakeEditor &make, const Folders &folders)
{
    std::printf("%s\n", title);
    QuietDesktop desktop;
    RomFile disk;
    RomFile memory;
    if (!disk.open(writeSample(folders.disk, "sample.gba")) ||
        !memory.open(writeSample(folders.memory, "sample.gba"))) {
        std::printf("  cannot open the sample image\n");
        return;
    }

    const auto window = make(memory, desktop);
    window->show();
    QApplication::processEvents();
    const Control controls = describe(*window);
    auto *list = window->findChild<QListWidget *>();

    // In turns, so that a busy machine weighs on both alike.
    std::vector<double> opens, floors;
    for (int run = 0; run < openRuns; ++run) {
        opens.push_back(showMs([&] { return make(memory, desktop); }));
        floors.push_back(showMs([&] { return buildBare(controls); }));
    }
    const double open = median(opens);
    const double floor = median(floors);
    row("open (list filled, window shown)", open);
    std::printf("  %-46s %9.3f ms  (%d controls)\n", "floor: a bare dialog, the same controls",
                floor, countControls(controls));
    std::printf("  %-46s %9.1f x\n", "open / floor", open / floor);

    int next = 0;
    row("select a record (boxes filled)",
        medianMs(300, [&] { list->setCurrentRow(++next % list->count()); }));
    row("Apply, before the sync (image in memory)", applyMs(make, memory, desktop, 300));
    row("Apply, with the sync (image on disk)", applyMs(make, disk, desktop, 41));
    if (desktop.messages != 0)
        std::printf("  warning: %d messages were shown; the times include refusals\n",
                    desktop.messages);
}

} // namespace Bench
