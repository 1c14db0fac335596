#include "shell/Form2.h"

#include "core/romheader.h"
#include "shell/About.h"
#include "shell/desktop.h"
#include "shell/pendingevents.h"
#include "shell/program.h"
#include "shell/windowfont.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QTreeWidget>
#include <filesystem>

namespace {

const char *const dialogFilter = "All Files (*.*)|*.*|GBA ROM Files (*.gba)|*.gba";

// "Text|pattern|Text|pattern" as the file dialog wants it: one entry per text.
QStringList filterEntries(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        entries.append(parts.at(i));
    return entries;
}

std::filesystem::path toPath(const QString &name)
{
    return std::filesystem::path(name.toStdU16String());
}

QString joinLines(const QStringList &lines)
{
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace

Form2::Form2(Desktop &desktop, Features features, QWidget *parent)
    : QMainWindow(parent), m_desktop(desktop), m_features(std::move(features))
{
    setObjectName(QStringLiteral("Form2"));
    setFont(windowFont());
    createControls();
    createMenus();
    CloseROM();                       // starts in "no ROM open"
    setWindowTitle(Program::title()); // until Form_Load
    resize(499, 348 + menuBar()->sizeHint().height());
}

void Form2::start()
{
    Form_Load();
    if (!m_ended)
        show();
}

void Form2::Form_Load()
{
    setWindowTitle(Program::versionCaption());
    LoadTreeData();
    LoadROM();
}

void Form2::LoadROM()
{
    const QStringList filters = filterEntries(QLatin1String(dialogFilter));
    if (const auto chosen = m_desktop.chooseOpenFile(this, filters, filters.at(1), m_dlgFileName))
        m_dlgFileName = QDir::toNativeSeparators(*chosen);
    CloseROM();
    if (m_dlgFileName.isEmpty())
        return;
    if (!m_rom.open(toPath(m_dlgFileName))) {
        m_desktop.showMessage(this, Program::title(),
                              tr("The ROM file could not be opened.\n\n%1\n\n%2")
                                  .arg(m_dlgFileName, QString::fromStdString(m_rom.errorString())),
                              QMessageBox::Warning);
        return;
    }
    mnuCloseROM->setEnabled(true);
    tree->setEnabled(true);
    mnuSaveROM->setEnabled(true);
    ExpandCHK->setEnabled(true);
    if (!LoadROMIName() || !LoadROMFileSize(m_dlgFileName) || !General_Info())
        return;
    setAllExpanded(true, false);
    ExpandCHK->setChecked(true);
}

void Form2::CloseROM()
{
    setWindowTitle(Program::versionCaption());
    m_rom.close();
    mnuCloseROM->setEnabled(false);
    MainInfoLBL->clear();
    mnuSaveROM->setEnabled(false);
    ExpandCHK->setEnabled(false);
    tree->setEnabled(false);
    ExpandCHK->setChecked(false);
    setAllExpanded(false, true);
}

bool Form2::LoadROMIName()
{
    std::string title;
    if (!RomHeader::readTitle(m_rom, title))
        return false;
    setWindowTitle(Program::versionCaption() + QStringLiteral(" - ") +
                   QString::fromLatin1(title.data(), qsizetype(title.size())));
    return true;
}

bool Form2::LoadROMFileSize(const QString &fileName)
{
    const auto size = RomFile::fileSize(toPath(fileName));
    if (!size)
        return false;
    ROMSizeLBL->setText(QString::number(*size));
    return true;
}

bool Form2::General_Info()
{
    std::uint8_t letter = 0;
    if (!RomHeader::readRegionLetter(m_rom, letter))
        return false;
    const QString region = QString::fromStdString(RomHeader::regionText(letter));
    MainInfoLBL->setText(joinLines({
        QStringLiteral("General ROM Information"),
        QString(),
        QStringLiteral("ROM & Location & Filename: ") + m_dlgFileName,
        QString(),
        QStringLiteral("ROM Filesize (in bytes): ") + ROMSizeLBL->text(),
        QString(),
        QStringLiteral("ROM Region: ") + region,
    }));
    if (region == QLatin1String("Japan")) {
        m_desktop.showMessage(this, Program::title(),
                              QStringLiteral("Unfortunately this program does not support any NON "
                                             "US ROM.  I will close myself now."),
                              QMessageBox::Critical);
        endProgram();
        return false;
    }
    return true;
}

void Form2::endProgram()
{
    m_rom.close();
    m_ended = true;
    m_desktop.endProgram();
}

void Form2::setAllExpanded(bool expanded, bool processEvents)
{
    for (QTreeWidgetItem *node : std::as_const(m_nodes)) {
        // A node without children shows no change; a screen reader would say
        // "expanded" of it.
        if (node->childCount() > 0)
            node->setExpanded(expanded);
        if (processEvents)
            letPendingEventsRun();
    }
}

void Form2::ExpandCHK_Click()
{
    setAllExpanded(ExpandCHK->isChecked(), false);
}

void Form2::mnuAbout_Click()
{
    About about(m_desktop, this);
    about.exec();
}

void Form2::closeEvent(QCloseEvent *event)
{
    // Form_Unload: closing the main window ends the program.
    event->accept();
    endProgram();
}

bool Form2::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == tree && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            tree_NodeClick();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
