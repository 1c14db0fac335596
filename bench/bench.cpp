// Prints the medians of the editor's start-up and of each editor window's
// open (beside its floor), select and Apply. Not a test: it only measures.
#include "bench/editorbench.h"
#include "bench/startup.h"
#include "characters/Form3.h"
#include "drops/Form5.h"
#include "monsters/Form4.h"

#include <QApplication>
#include <cstring>
#include <filesystem>

template <class Form> std::unique_ptr<QWidget> editor(RomFile &rom, Desktop &desktop)
{
    return std::make_unique<Form>(rom, desktop);
}

int main(int argc, char **argv)
{
    if (argc > 2 && std::strcmp(argv[1], "--child") == 0)
        return runStartupChild(argc, argv, argv[2]);

    QApplication app(argc, argv);
    if (benchStartup() != 0)
        return 1;
    std::printf("\n");

    const auto tag = "velmora-bench-" + std::to_string(QCoreApplication::applicationPid());
    const std::filesystem::path shm = "/dev/shm";
    const Bench::Folders folders{std::filesystem::temp_directory_path() / tag,
                                 std::filesystem::exists(shm)
                                     ? shm / tag
                                     : std::filesystem::temp_directory_path() / (tag + "-mem")};
    std::filesystem::create_directories(folders.disk);
    std::filesystem::create_directories(folders.memory);
    Bench::benchEditor("Form3, Character Stat Editor", editor<Form3>, folders);
    Bench::benchEditor("Form4, Monster Stat Editor", editor<Form4>, folders);
    Bench::benchEditor("Form5, Monster Item Editor", editor<Form5>, folders);
    std::filesystem::remove_all(folders.disk);
    std::filesystem::remove_all(folders.memory);
    return 0;
}
