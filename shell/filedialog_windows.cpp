// The file-open dialog on Windows: the system's own, driven directly, so that
// nothing of it goes into the registry (Qt's dialog keeps its history and
// folder under HKCU\Software\QtProject) and the file stays out of Recent Items.
#include "shell/filedialog.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include <shobjidl.h>
#include <vector>

namespace {

// Releases a COM interface when it goes out of scope.
template <class Interface> struct Held
{
    Interface *p = nullptr;
    ~Held()
    {
        if (p)
            p->Release();
    }
    Interface *operator->() const { return p; }
};

// "GBA ROM Files (*.gba)" gives "*.gba"; a text without parentheses is its own pattern.
std::wstring patternOf(const QString &filter)
{
    const qsizetype open = filter.lastIndexOf(QLatin1Char('('));
    const qsizetype close = filter.lastIndexOf(QLatin1Char(')'));
    const QString pattern =
        open >= 0 && close > open ? filter.mid(open + 1, close - open - 1) : filter;
    return pattern.simplified().replace(QLatin1Char(' '), QLatin1Char(';')).toStdWString();
}

void offer(IFileOpenDialog *dialog, const QString &previousName)
{
    if (previousName.isEmpty())
        return;
    const QFileInfo previous(previousName);
    Held<IShellItem> folder;
    const std::wstring folderName =
        QDir::toNativeSeparators(previous.absolutePath()).toStdWString();
    if (SUCCEEDED(
            SHCreateItemFromParsingName(folderName.c_str(), nullptr, IID_PPV_ARGS(&folder.p))))
        dialog->SetFolder(folder.p);
    dialog->SetFileName(previous.fileName().toStdWString().c_str());
}

std::optional<QString> chosenPath(IFileOpenDialog *dialog)
{
    Held<IShellItem> item;
    PWSTR path = nullptr;
    if (FAILED(dialog->GetResult(&item.p)) ||
        FAILED(item->GetDisplayName(SIGDN_FILESYSPATH, &path)))
        return std::nullopt;
    const QString chosen = QString::fromWCharArray(path);
    CoTaskMemFree(path);
    return chosen;
}

std::optional<QString> show(QWidget *parent, const QStringList &filters,
                            const QString &selectedFilter, const QString &previousName)
{
    Held<IFileOpenDialog> dialog;
    if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&dialog.p))))
        return std::nullopt;
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    dialog->SetOptions(options | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST | FOS_FILEMUSTEXIST |
                       FOS_NOCHANGEDIR | FOS_DONTADDTORECENT);
    std::vector<std::wstring> texts, patterns;
    for (const QString &filter : filters) {
        texts.push_back(filter.toStdWString());
        patterns.push_back(patternOf(filter));
    }
    std::vector<COMDLG_FILTERSPEC> specs;
    for (std::size_t i = 0; i < texts.size(); ++i)
        specs.push_back({texts[i].c_str(), patterns[i].c_str()});
    dialog->SetFileTypes(UINT(specs.size()), specs.data());
    dialog->SetFileTypeIndex(UINT(filters.indexOf(selectedFilter) + 1)); // counted from 1
    offer(dialog.p, previousName);
    // Owned by the window the user sees; before the main window shows, by none.
    const QWidget *window = parent ? parent->window() : nullptr;
    const HWND owner = window && window->isVisible() ? HWND(window->winId()) : nullptr;
    if (FAILED(dialog->Show(owner)))
        return std::nullopt; // cancelled, or the dialog could not be shown
    return chosenPath(dialog.p);
}

} // namespace

std::optional<QString> chooseFileToOpen(QWidget *parent, const QStringList &filters,
                                        const QString &selectedFilter, const QString &previousName)
{
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const std::optional<QString> chosen = show(parent, filters, selectedFilter, previousName);
    if (SUCCEEDED(com))
        CoUninitialize();
    return chosen;
}
