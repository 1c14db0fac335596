#include "bench/editorbench.h"

#include "monsters/Form4.h"
#include "shell/desktop.h"
#include "shell/romfile.h"
#include "tools/sampleimage.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <fstream>

namespace {

// Answers nothing: the bench never expects a message.
class SilentDesktop final : public Desktop
{
public:
    std::optional<QString> chooseOpenFile(QWidget *, const QStringList &, const QString &,
                                          const QString &) override
    {
        return std::nullopt;
    }
    void showMessage(QWidget *, const QString &, const QString &text, QMessageBox::Icon) override
    {
        std::printf("  unexpected message: %s\n", qPrintable(text));
    }
    void openUrl(const QUrl &) override {}
    void endProgram() override {}
};

std::filesystem::path writeSample(const std::filesystem::path &folder)
{
    const auto image = SampleImage::make(SampleImage::Region::Usa);
    const auto path = folder / "monsters.gba";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char *>(image.data()), std::streamsize(image.size()));
    return path;
}

// Apply of an unedited monster, which writes its seven fields back unchanged.
double applyMs(const std::filesystem::path &folder, int runs)
{
    RomFile rom;
    rom.open(writeSample(folder));
    SilentDesktop desktop;
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
    rom.open(writeSample(folders.disk));
    SilentDesktop desktop;

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
        monster = (monster + 37) % 253;
    });
    Bench::row("select a monster (boxes filled)", select, "target <= 1 ms");

    Bench::row("Apply, with the sync to disk", applyMs(folders.disk, 50));
    Bench::row("Apply, before the sync (/dev/shm)", applyMs(folders.memory, 500), "target <= 1 ms");
}
