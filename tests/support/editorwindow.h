#pragma once

#include "shell/romfile.h"
#include "tests/support/fakedesktop.h"
#include "tests/support/romimage.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTest>

// An editor window, shown, over a ROM file of its own that is open before the
// window loads its first record.
template <class Window> struct EditorWindow
{
    explicit EditorWindow(const std::vector<std::uint8_t> &image) : original(image), file(image)
    {
        window.show();
    }
    template <class T = QLineEdit> T *get(const QString &name) const
    {
        return window.template findChild<T *>(name);
    }
    void select(int row) const { window.template findChild<QListWidget *>()->setCurrentRow(row); }
    void apply() const { QTest::mouseClick(get<QWidget>("ApplyCMD"), Qt::LeftButton); }
    void type(const QString &name, const QString &text) const // as the user types it
    {
        get(name)->clear();
        QTest::keyClicks(get(name), text);
    }

    std::vector<std::uint8_t> original;
    TempRom file;
    RomFile rom;
    bool opened = rom.open(file.path());
    FakeDesktop desktop;
    Window window{rom, desktop};
};
