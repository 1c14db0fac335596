#include "bench/startup.h"

#include "app/standardeditors.h"
#include "bench/benchutil.h"
#include "shell/Form1.h"
#include "shell/Form2.h"
#include "shell/qtdesktop.h"

#include <QApplication>
#include <QFileDialog>
#include <QWindow>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

constexpr int runs = 11;

double nowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
}

long peakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void waitUntilExposed(QWidget &widget)
{
    while (!widget.windowHandle() || !widget.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// The real desktop, except that the file-open dialog is only shown, timed and
// the run ended: nobody is there to pick a file.
class TimingDesktop final : public Desktop
{
public:
    double handover = 0;

    std::optional<QString> chooseOpenFile(QWidget *parent, const QStringList &filters,
                                          const QString &selectedFilter,
                                          const QString &previousName) override
    {
        QFileDialog dialog(parent, QString(), previousName, filters.join(QStringLiteral(";;")));
        dialog.selectNameFilter(selectedFilter);
        dialog.show();
        waitUntilExposed(dialog);
        std::printf("handover %.3f dialog %.3f peak %ld\n", handover, nowMs(), peakKiB());
        std::fflush(stdout);
        std::_Exit(0);
    }
    void showMessage(QWidget *parent, const QString &title, const QString &text,
                     QMessageBox::Icon icon) override
    {
        m_real.showMessage(parent, title, text, icon);
    }
    void openUrl(const QUrl &url) override { m_real.openUrl(url); }
    void endProgram() override { std::_Exit(0); }

private:
    QtDesktop m_real;
};

// The floor: a bare Qt window, from process start to its first exposure.
int bareWindow(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(499, 348);
    window.show();
    waitUntilExposed(window);
    std::printf("handover 0 dialog %.3f peak %ld\n", nowMs(), peakKiB());
    return 0;
}

int editor(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    TimingDesktop desktop;
    Form2 mainWindow(desktop, standardEditors());
    Form1 splash(desktop, [&] {
        desktop.handover = nowMs();
        mainWindow.start();
    });
    splash.show();
    return app.exec();
}

struct Sample
{
    double handover = 0; // since process start
    double dialog = 0;
    double peakMiB = 0;
};

bool runChild(const char *program, const char *mode, Sample &sample)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    char *args[] = {const_cast<char *>(program), const_cast<char *>("--child"),
                    const_cast<char *>(mode), nullptr};
    pid_t pid = 0;
    const double start = nowMs();
    const int failed = posix_spawn(&pid, program, &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (failed)
        return false;
    char line[256] = {};
    const ssize_t got = read(pipeEnds[0], line, sizeof line - 1);
    close(pipeEnds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    double handover = 0, dialog = 0;
    long peak = 0;
    if (got <= 0 ||
        std::sscanf(line, "handover %lf dialog %lf peak %ld", &handover, &dialog, &peak) != 3)
        return false;
    sample = {handover > 0 ? handover - start : 0, dialog - start, double(peak) / 1024.0};
    return true;
}

bool measure(const char *program, const char *mode, const char *title)
{
    std::vector<double> handovers, dialogs, rest, peaks;
    for (int i = 0; i < runs; ++i) {
        Sample sample;
        if (!runChild(program, mode, sample)) {
            std::fprintf(stderr, "bench: the %s run failed\n", mode);
            return false;
        }
        handovers.push_back(sample.handover);
        dialogs.push_back(sample.dialog);
        rest.push_back(sample.dialog - sample.handover);
        peaks.push_back(sample.peakMiB);
    }
    std::printf("%s (median of %d runs)\n", title, runs);
    if (std::strcmp(mode, "editor") == 0) {
        Bench::row("process start to hand-over (incl. splash run)", Bench::median(handovers));
        Bench::row("hand-over to the file-open dialog", Bench::median(rest));
        Bench::row("process start to the file-open dialog", Bench::median(dialogs));
    } else {
        Bench::row("process start to the window shown", Bench::median(dialogs));
    }
    std::printf("  %-46s %9.1f MiB\n", "peak memory", Bench::median(peaks));
    return true;
}

} // namespace

int benchStartup(const char *program)
{
    return measure(program, "editor", "Start-up of the editor") &&
                   measure(program, "bare", "A bare Qt window (the floor)")
               ? 0
               : 1;
}

int runStartupChild(int argc, char **argv, const char *mode)
{
    if (std::strcmp(mode, "bare") == 0)
        return bareWindow(argc, argv);
    return editor(argc, argv);
}
