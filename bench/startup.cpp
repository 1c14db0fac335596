#include "bench/startup.h"

#include "app/application.h"
#include "app/features.h"
#include "bench/benchutil.h"
#include "shell/Form1.h"
#include "shell/Form2.h"
#include "shell/filedialog.h"
#include "shell/qtdesktop.h"

#include <QApplication>
#include <QProcess>
#include <QProgressBar>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>

#ifdef _WIN32
#include <windows.h>
// windows.h first: psapi.h needs its types.
#include <psapi.h>
#else
#include <fstream>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

constexpr int runs = 11;

const QStringList filters = {QStringLiteral("All Files (*.*)"),
                             QStringLiteral("GBA ROM Files (*.gba)")};

// The system-wide monotonic clock, so that parent and child times compare.
double nowMs()
{
    return std::chrono::duration<double, std::milli>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The working set now and at its highest, in KiB.
std::pair<long, long> memoryKiB()
{
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return {long(counters.WorkingSetSize / 1024), long(counters.PeakWorkingSetSize / 1024)};
#else
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return {resident * (sysconf(_SC_PAGESIZE) / 1024), usage.ru_maxrss};
#endif
}

// One step of a child's start: the time, the working set and its peak so far.
void step(const char *name)
{
    const auto [now, peak] = memoryKiB();
    std::printf("step %s %.3f %ld %ld\n", name, nowMs(), now, peak);
    std::fflush(stdout);
}

// Whether the file-open dialog is on screen: the system's own on Windows (a
// visible dialog window of this thread), Qt's elsewhere.
bool dialogShown()
{
#ifdef _WIN32
    bool shown = false;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) {
            wchar_t kind[8] = {};
            GetClassNameW(window, kind, 8);
            if (IsWindowVisible(window) && std::wcscmp(kind, L"#32770") == 0)
                *reinterpret_cast<bool *>(found) = true;
            return TRUE;
        },
        LPARAM(&shown));
    return shown;
#else
    const QWidget *dialog = QApplication::activeModalWidget();
    return dialog && dialog->windowHandle() && dialog->windowHandle()->isExposed();
#endif
}

// Once the dialog shows, the child's last step, and the end of it: nobody is
// there to pick a file.
void endWhenTheDialogShows()
{
    auto *watch = new QTimer;
    watch->setInterval(2);
    QObject::connect(watch, &QTimer::timeout, [] {
        if (!dialogShown())
            return;
        step("dialog");
        std::_Exit(0);
    });
    watch->start();
}

// The program's own desktop, but timed: its real dialog, watched.
class TimingDesktop final : public Desktop
{
public:
    std::optional<QString> chooseOpenFile(QWidget *parent, const QStringList &filterList,
                                          const QString &selectedFilter,
                                          const QString &previousName) override
    {
        endWhenTheDialogShows();
        return m_real.chooseOpenFile(parent, filterList, selectedFilter, previousName);
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

// The program as main() starts it.
int editor(int argc, char **argv)
{
    const auto app = makeApplication(argc, argv);
    step("application");
    TimingDesktop desktop;
    Form2 mainWindow(desktop, standardFeatures());
    Form1 splash(desktop, [&] {
        step("handover");
        mainWindow.start();
    });
    splash.show();
    QTimer::singleShot(0, [] { step("splash"); });
    return QApplication::exec();
}

// The floors: a bare program that shows the same dialog, at once or after the
// splash's prescribed run done the plain way (a 100 ms timer, then the bar
// through 0..3200 with events processed after each value).
int bare(int argc, char **argv, bool withRun)
{
    QApplication app(argc, argv);
    step("application");
    QProgressBar bar;
    const auto showDialog = [] {
        endWhenTheDialogShows();
        chooseFileToOpen(nullptr, filters, filters.at(1), QString());
    };
    if (!withRun) {
        showDialog();
        return 0;
    }
    bar.resize(465, 17);
    bar.show();
    QTimer::singleShot(100, [&] {
        bar.setRange(0, 3200);
        for (int value = 0; value <= 3200; ++value) {
            bar.setValue(value);
            QCoreApplication::processEvents();
        }
        bar.close();
        step("handover");
        showDialog();
    });
    return QApplication::exec();
}

// Each step's time since the child was started, and its working set; the
// dialog's peak.
using Steps = std::map<std::string, std::vector<double>>;

bool runChild(const QString &program, const char *mode, Steps &steps)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const double start = nowMs();
    child.start(program, {QStringLiteral("--child"), QString::fromLatin1(mode)});
    if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit)
        return false;
    bool dialog = false;
    for (const QByteArray &line : child.readAllStandardOutput().split('\n')) {
        char name[32] = {};
        double at = 0;
        long now = 0, peak = 0;
        if (std::sscanf(line.constData(), "step %31s %lf %ld %ld", name, &at, &now, &peak) != 4)
            continue;
        steps[std::string(name) + " ms"].push_back(at - start);
        steps[std::string(name) + " MiB"].push_back(double(now) / 1024);
        dialog |= std::strcmp(name, "dialog") == 0;
        if (dialog)
            steps["peak MiB"].push_back(double(peak) / 1024);
    }
    return dialog;
}

// The medians of each step over `runs` starts in a mode, or nothing when one failed.
std::optional<std::map<std::string, double>> measure(const QString &program, const char *mode)
{
    Steps steps;
    for (int i = 0; i < runs; ++i) {
        if (!runChild(program, mode, steps)) {
            std::fprintf(stderr, "bench: the %s start failed\n", mode);
            return std::nullopt;
        }
    }
    std::map<std::string, double> medians;
    for (const auto &[name, values] : steps)
        medians[name] = Bench::median(values);
    return medians;
}

} // namespace

int benchStartup()
{
    const QString program = QCoreApplication::applicationFilePath();
    const auto editor = measure(program, "editor");
    const auto floor = measure(program, "bare");
    const auto floorRun = measure(program, "bare-run");
    if (!editor || !floor || !floorRun)
        return 1;
    const auto at = [](const auto &steps, const char *name) {
        const auto found = steps->find(name);
        return found == steps->end() ? NAN : found->second;
    };
    std::printf("Start-up, median of %d runs; floor: a bare program showing the same "
                "file-open dialog\n",
                runs);
    Bench::heading();
    Bench::row("process start to the file-open dialog", at(editor, "dialog ms"), "ms",
               at(floor, "dialog ms"));
    Bench::row("  the same, the floor doing the splash's run", at(editor, "dialog ms"), "ms",
               at(floorRun, "dialog ms"));
    Bench::row("  from the splash's hand-over", at(editor, "dialog ms") - at(editor, "handover ms"),
               "ms", at(floorRun, "dialog ms") - at(floorRun, "handover ms"));
    Bench::row("peak memory at the file-open dialog", at(editor, "peak MiB"), "MiB",
               at(floor, "peak MiB"));
    const std::pair<const char *, const char *> steps[] = {
        {"application", "application made"},
        {"splash", "splash shown"},
        {"handover", "splash's run over, main window's turn"},
        {"dialog", "file-open dialog shown"}};
    for (const auto &[name, what] : steps) {
        const std::string ms = std::string(name) + " ms", mib = std::string(name) + " MiB";
        Bench::row((std::string("step: ") + what).c_str(), at(editor, ms.c_str()), "ms",
                   at(floorRun, ms.c_str()));
        Bench::row("  working set then", at(editor, mib.c_str()), "MiB", at(floorRun, mib.c_str()));
    }
    return 0;
}

int runStartupChild(int argc, char **argv, const char *mode)
{
    if (std::strcmp(mode, "bare") == 0)
        return bare(argc, argv, false);
    if (std::strcmp(mode, "bare-run") == 0)
        return bare(argc, argv, true);
    return editor(argc, argv);
}
