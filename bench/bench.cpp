// Prints the medians of the editor's start-up and of each editor window's
// open, select and Apply. Not a test: it only measures.
#include "bench/editorbench.h"
#include "bench/startup.h"

#include <QApplication>
#include <cstring>
#include <filesystem>

int main(int argc, char **argv)
{
    if (argc > 2 && std::strcmp(argv[1], "--child") == 0)
        return runStartupChild(argc, argv, argv[2]);

    QApplication app(argc, argv);
    if (benchStartup() != 0)
        return 1;

    const auto tag = "velmora-bench-" + std::to_string(QCoreApplication::applicationPid());
    const std::filesystem::path shm = "/dev/shm";
    const Bench::Folders folders{std::filesystem::temp_directory_path() / tag,
                                 std::filesystem::exists(shm)
                                     ? shm / tag
                                     : std::filesystem::temp_directory_path() / (tag + "-mem")};
    std::filesystem::create_directories(folders.disk);
    std::filesystem::create_directories(folders.memory);
    benchForm3(folders);
    benchForm4(folders);
    benchForm5(folders);
    std::filesystem::remove_all(folders.disk);
    std::filesystem::remove_all(folders.memory);
    return 0;
}
