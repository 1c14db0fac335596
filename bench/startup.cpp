#include "bench/startup.h"

#include "app/standardeditors.h"
#include "bench/benchutil.h"
#include "shell/Form1.h"
#include "shell/Form2.h"
#include "shell/qtdesktop.h"

#include <QApplication>
#include <QFileDialog>
#include <QProcess>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>

#ifdef _WIN32
#include <windows.h>
// windows.h first: psapi.h needs its types.
#include <psapi.h>
#else
#include <sys/resource.h>
#endif

namespace {

constexpr int runs = 11;

// The system-wide monotonic clock, so that parent and child times compare.
double nowMs()
{
    return std::chrono::duration<double, std::milli>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

long peakKiB()
{
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return long(counters.PeakWorkingSetSize / 1024);
#else
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
#endif
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

// The floor: a bare program that shows the same file-open dialog, the filters
// as the main window gives them, from process start to its first exposure.
int bareDialog(int argc, char **argv)
{
    QApplication app(argc, argv);
    QFileDialog dialog(nullptr, QString(), QString(),
                       QStringLiteral("All Files (*.*);;GBA ROM Files (*.gba)"));
    dialog.selectNameFilter(QStringLiteral("GBA ROM Files (*.gba)"));
    dialog.show();
    waitUntilExposed(dialog);
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

bool runChild(const QString &program, const char *mode, Sample &sample)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const double start = nowMs();
    child.start(program, {QStringLiteral("--child"), QString::fromLatin1(mode)});
    if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit)
        return false;
    const QByteArray line = child.readAllStandardOutput();
    double handover = 0, dialog = 0;
    long peak = 0;
    if (std::sscanf(line.constData(), "handover %lf dialog %lf peak %ld", &handover, &dialog,
                    &peak) != 3)
        return false;
    sample = {handover > 0 ? handover - start : 0, dialog - start, double(peak) / 1024.0};
    return true;
}

// The medians of `runs` starts in the given mode, or nothing when one failed.
std::optional<Sample> measure(const QString &program, const char *mode)
{
    std::vector<double> handovers, dialogs, peaks;
    for (int i = 0; i < runs; ++i) {
        Sample sample;
        if (!runChild(program, mode, sample)) {
            std::fprintf(stderr, "bench: the %s run failed\n", mode);
            return std::nullopt;
        }
        handovers.push_back(sample.handover);
        dialogs.push_back(sample.dialog);
        peaks.push_back(sample.peakMiB);
    }
    return Sample{Bench::median(handovers), Bench::median(dialogs), Bench::median(peaks)};
}

} // namespace

int benchStartup()
{
    const QString program = QCoreApplication::applicationFilePath();
    const auto editor = measure(program, "editor");
    const auto bare = measure(program, "bare");
    if (!editor || !bare)
        return 1;
    std::printf("Start-up, median of %d runs; floor: a bare program showing the same "
                "file-open dialog\n",
                runs);
    std::printf("  %-46s %9s %9s %7s\n", "", "editor", "floor", "ratio");
    std::printf("  %-46s %6.1f ms %6.1f ms %5.1f x\n", "process start to the file-open dialog",
                editor->dialog, bare->dialog, editor->dialog / bare->dialog);
    std::printf("  %-46s %5.1f MiB %5.1f MiB %5.2f x\n", "peak memory at the file-open dialog",
                editor->peakMiB, bare->peakMiB, editor->peakMiB / bare->peakMiB);
    Bench::row("process start to hand-over (incl. splash run)", editor->handover);
    return 0;
}

int runStartupChild(int argc, char **argv, const char *mode)
{
    if (std::strcmp(mode, "bare") == 0)
        return bareDialog(argc, argv);
    return editor(argc, argv);
}
