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

// How long a window takes to be made, and then to be shown and painted.
struct Opening
{
    double made = 0;
    double shown = 0;
};

template <class Make> Opening open(Make &&make)
{
    // What the window before left behind is not this one's to pay.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    Opening opening;
    decltype(make()) window;
    opening.made = medianMs(1, [&] { window = make(); });
    opening.shown = medianMs(1, [&] {
        window->show();
        QApplication::processEvents();
    });
    return opening;
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
    QuietDesktop desktop;
    RomFile disk;
    RomFile memory;
    if (!disk.open(writeSample(folders.disk, "sample.gba")) ||
        !memory.open(writeSample(folders.memory, "sample.gba"))) {
        std::printf("%s: cannot open the sample image\n", title);
        return;
    }

    const auto window = make(memory, desktop);
    window->show();
    QApplication::processEvents();
    const Control controls = describe(*window);
    auto *list = window->findChild<QListWidget *>();
    std::printf("%s, %d controls; floor: a bare dialog with the same controls\n", title,
                countControls(controls));
    heading();

    // In turns, so that a busy machine weighs on both alike.
    std::vector<double> made, shown, floorMade, floorShown, opens, floors;
    for (int run = 0; run < openRuns; ++run) {
        const Opening editor = open([&] { return make(memory, desktop); });
        const Opening bare = open([&] { return buildBare(controls); });
        made.push_back(editor.made), shown.push_back(editor.shown);
        floorMade.push_back(bare.made), floorShown.push_back(bare.shown);
        opens.push_back(editor.made + editor.shown), floors.push_back(bare.made + bare.shown);
    }
    row("open: made, then shown and painted", median(opens), "ms", median(floors));
    row("  made: controls, lists and boxes filled", median(made), "ms", median(floorMade));
    row("  shown and painted", median(shown), "ms", median(floorShown));

    int next = 0;
    row("select a record (boxes filled)",
        medianMs(300, [&] { list->setCurrentRow(++next % list->count()); }), "ms");
    row("Apply, before the sync (image in memory)", applyMs(make, memory, desktop, 300), "ms");
    row("Apply, with the sync (image on disk)", applyMs(make, disk, desktop, 41), "ms");
    if (desktop.messages != 0)
        std::printf("  warning: %d messages were shown; the times include refusals\n",
                    desktop.messages);
}

} // namespace Bench
