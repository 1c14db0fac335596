#include "monsters/Form4.h"

#include "shell/TypingLimit.h"
#include "shell/boxwidth.h"
#include "shell/desktop.h"
#include "shell/fieldcheck.h"
#include "shell/numbertext.h"
#include "shell/romfile.h"
#include "shell/windowfont.h"
#include "version.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace {

constexpr int byteCap = 255;
constexpr int wordCap = 65535;

// Twips to pixels at 96 dots per inch, where the window's sizes come from.
constexpr int px(int twips)
{
    return twips / 15;
}

QString numberText(std::int64_t value)
{
    return QString::fromStdString(NumberText::fromValue(value));
}

// The change rule of the capped boxes: a number above the cap becomes the cap.
// Anything else, an empty text or one that is no number included, is left
// alone until "Apply" checks it.
void capAt(QLineEdit *box, int cap)
{
    if (NumberText::isAbove(box->text().toStdString(), cap))
        box->setText(numberText(cap));
}

void paintGrey(QLineEdit *box)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, QColor(192, 192, 192));
    palette.setColor(QPalette::Text, Qt::black);
    box->setPalette(palette);
}

} // namespace

Form4::Form4(RomFile &rom, Desktop &desktop, QWidget *parent)
    : EditorDialog(parent), m_rom(rom), m_desktop(desktop)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Monster Stats Editor"));
    setFont(windowFont());
    createControls();
    arrangeControls();
    connectControls();
    Form_Load();
    MonsterLST->setFocus();
}

void Form4::open(QWidget *parent, RomFile &rom, Desktop &desktop)
{
    Form4 window(rom, desktop, parent);
    window.exec();
}

// ---- Controls ----

void Form4::createControls()
{
    MonsterLST = new QListWidget(this);
    MonsterLST->setObjectName(QStringLiteral("MonsterLST"));
    MonsterLST->setAccessibleName(QStringLiteral("Monster list"));
    MonsterLST->setSelectionMode(QAbstractItemView::SingleSelection);
    MonsterLST->setUniformItemSizes(true);
    // Wide enough for the longest entry beside a scroll bar, never narrower than designed.
    const int entryWidth =
        MonsterLST->fontMetrics().horizontalAdvance(QStringLiteral("Monster #: 252"));
    MonsterLST->setFixedWidth(
        std::max(px(1455), entryWidth + 2 * MonsterLST->frameWidth() +
                               MonsterLST->verticalScrollBar()->sizeHint().width() + 8));
    MonsterLST->setMinimumHeight(px(3570));

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setAccessibleName(QStringLiteral("Monster stats"));

    pbar = new QProgressBar(this);
    pbar->setObjectName(QStringLiteral("pbar"));
    pbar->setAccessibleName(QStringLiteral("Loading the monster list"));
    pbar->setRange(0, 255);
    pbar->setTextVisible(false);
    pbar->setFixedHeight(px(285));
    QSizePolicy keepPlace = pbar->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true); // the buttons keep their place once it is hidden
    pbar->setSizePolicy(keepPlace);

    ApplyCMD = createButton(QStringLiteral("Apply"), "ApplyCMD");
    CancelCMD = createButton(QStringLiteral("Cancel"), "CancelCMD");
    for (QPushButton *button : {ApplyCMD, CancelCMD})
        button->setMinimumWidth(px(1485));
    ApplyCMD->setEnabled(false); // until a monster is selected
}

QLineEdit *Form4::addBox(QGridLayout *grid, int row, int column, const QString &name,
                         const QString &label, int typingLimit)
{
    auto *box = new QLineEdit(Frame1);
    box->setObjectName(name);
    box->setAccessibleName(label);
    if (typingLimit > 0)
        new TypingLimit(typingLimit, box);
    // Room for the longest value a field can hold, never narrower than designed.
    box->setFixedWidth(std::max(px(1005), widthShowing(box, WidestText::int32)));
    auto *caption = new QLabel(label, Frame1);
    caption->setBuddy(box);
    caption->setMinimumWidth(px(1125));
    grid->addWidget(caption, row, column);
    grid->addWidget(box, row, column + 1);
    return box;
}

QLineEdit *Form4::addUnknownBox(QGridLayout *grid, int row, const QString &name,
                                const RecordField &field)
{
    QLineEdit *box = addBox(grid, row, 3, name, QStringLiteral("Unknown:"), 0);
    box->setReadOnly(true);
    box->setAccessibleDescription(
        QStringLiteral("Unknown field at record offset %1, read-only").arg(field.at));
    paintGrey(box);
    return box;
}

void Form4::arrangeControls()
{
    namespace F = MonsterField;
    auto *grid = new QGridLayout(Frame1);
    grid->setContentsMargins(px(90), px(180), px(90), px(90));
    grid->setHorizontalSpacing(px(1260 - 90 - 1125));
    grid->setVerticalSpacing(1);
    grid->setColumnMinimumWidth(2, 4); // a little air between the two columns
    grid->setColumnStretch(5, 1);
    grid->setRowStretch(10, 1);

    NameTXT = addBox(grid, 0, 0, QStringLiteral("NameTXT"), QStringLiteral("Name:"), 0);
    NameTXT->setMaxLength(12); // never filled: the record holds no name
    NameTXT->setEnabled(false);
    paintGrey(NameTXT);
    HPTXT = addBox(grid, 1, 0, QStringLiteral("HPTXT"), QStringLiteral("HP:"), 8);
    EXPTXT = addBox(grid, 2, 0, QStringLiteral("EXPTXT"), QStringLiteral("EXP:"), 8);
    VeskTXT = addBox(grid, 3, 0, QStringLiteral("VeskTXT"), QStringLiteral("Vesk:"), 5);
    STRTXT = addBox(grid, 4, 0, QStringLiteral("STRTXT"), QStringLiteral("STR:"), 3);
    DEFTXT = addBox(grid, 5, 0, QStringLiteral("DEFTXT"), QStringLiteral("DEF:"), 3);
    MAGPowerTXT =
        addBox(grid, 6, 0, QStringLiteral("MAGPowerTXT"), QStringLiteral("MAG Power:"), 3);
    MAGDEFTXT = addBox(grid, 7, 0, QStringLiteral("MAGDEFTXT"), QStringLiteral("MAG DEF:"), 3);

    UNK01TXT = addUnknownBox(grid, 0, QStringLiteral("UNK01TXT"), F::UNK01);
    UNK02TXT = addUnknownBox(grid, 1, QStringLiteral("UNK02TXT"), F::UNK02);
    UNK03TXT = addUnknownBox(grid, 2, QStringLiteral("UNK03TXT"), F::UNK03);
    UNK04TXT = addUnknownBox(grid, 3, QStringLiteral("UNK04TXT"), F::UNK04);
    UNK05TXT = addUnknownBox(grid, 4, QStringLiteral("UNK05TXT"), F::UNK05);
    UNK06TXT = addUnknownBox(grid, 5, QStringLiteral("UNK06TXT"), F::UNK06);
    UNK07TXT = addUnknownBox(grid, 6, QStringLiteral("UNK07TXT"), F::UNK07);
    UNK09TXT = addUnknownBox(grid, 7, QStringLiteral("UNK09TXT"), F::UNK09);
    UNK10TXT = addUnknownBox(grid, 8, QStringLiteral("UNK10TXT"), F::UNK10);
    UNK11TXT = addUnknownBox(grid, 9, QStringLiteral("UNK11TXT"), F::UNK11);

    auto *top = new QHBoxLayout;
    top->setSpacing(px(1620 - 90 - 1455));
    top->addWidget(MonsterLST);
    top->addWidget(Frame1, 1);

    auto *bottom = new QHBoxLayout;
    bottom->setSpacing(px(4500 - 90 - 4305));
    bottom->addWidget(pbar, 1);
    bottom->addWidget(ApplyCMD);
    bottom->addWidget(CancelCMD);

    auto *window = new QVBoxLayout(this);
    window->setContentsMargins(px(90), px(90), px(90), px(90));
    window->setSpacing(px(3720 - 3645));
    window->addLayout(top, 1);
    window->addLayout(bottom);

    // The list, the boxes one can type into, the read-only boxes, then the buttons.
    QWidget *const order[] = {MonsterLST, NameTXT,     HPTXT,     EXPTXT,   VeskTXT,  STRTXT,
                              DEFTXT,     MAGPowerTXT, MAGDEFTXT, UNK01TXT, UNK02TXT, UNK03TXT,
                              UNK04TXT,   UNK05TXT,    UNK06TXT,  UNK07TXT, UNK09TXT, UNK10TXT,
                              UNK11TXT,   ApplyCMD,    CancelCMD};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    resize(sizeHint().expandedTo(QSize(px(7590), px(4110))));
}

void Form4::connectControls()
{
    connect(MonsterLST, &QListWidget::itemSelectionChanged, this, &Form4::MonsterLST_Click);
    watchRecordList(
        MonsterLST, [this] { return selectedMonster(); }, [this] { MonsterLST_Click(); });
    connect(STRTXT, &QLineEdit::textChanged, this, &Form4::STRTXT_Change);
    connect(DEFTXT, &QLineEdit::textChanged, this, &Form4::DEFTXT_Change);
    connect(MAGPowerTXT, &QLineEdit::textChanged, this, &Form4::MAGPowerTXT_Change);
    connect(MAGDEFTXT, &QLineEdit::textChanged, this, &Form4::MAGDEFTXT_Change);
    connect(EXPTXT, &QLineEdit::textChanged, this, &Form4::EXPTXT_Change);
    connect(VeskTXT, &QLineEdit::textChanged, this, &Form4::VeskTXT_Change);
    connect(ApplyCMD, &QPushButton::clicked, this, &Form4::ApplyCMD_Click);
    connect(CancelCMD, &QPushButton::clicked, this, &Form4::CancelCMD_Click);
}

int Form4::selectedMonster() const
{
    const auto rows = MonsterLST->selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void Form4::warn(const QString &text)
{
    m_desktop.showMessage(this, QString::fromUtf8(Version::title), text, QMessageBox::Warning);
}

// ---- Records ----

void Form4::SaveMonsterData()
{
    const int n = selectedMonster();
    if (n < 0 || !m_snapshot.isTaken())
        return;
    // Every field is converted before the first byte is written.
    FieldCheck check;
    const auto take = [&check](QLineEdit *box, std::int64_t min, std::int64_t max) {
        return check.take(box->accessibleName().toStdString(), box->text().toStdString(), min, max);
    };
    MonsterStats stats;
    stats.hp = std::int32_t(take(HPTXT, std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max()));
    // -32768..-1 wrap to their 16-bit two's complement.
    stats.exp = std::uint16_t(take(EXPTXT, MonsterStats::wordMin, MonsterStats::wordMax));
    stats.vesk = std::uint16_t(take(VeskTXT, MonsterStats::wordMin, MonsterStats::wordMax));
    stats.str = std::uint8_t(take(STRTXT, 0, byteCap));
    stats.def = std::uint8_t(take(DEFTXT, 0, byteCap));
    stats.magDef = std::uint8_t(take(MAGDEFTXT, 0, byteCap));
    stats.magPower = std::uint8_t(take(MAGPowerTXT, 0, byteCap));
    if (!check.ok()) {
        warn(QString::fromStdString(check.message()));
        return;
    }
    const ApplyResult result = applyWrites(m_rom, m_snapshot, recordWrites(n, stats));
    if (!result.ok())
        warn(QString::fromStdString(result.message));
}

void Form4::LoadMonsterData()
{
    const int n = selectedMonster();
    const auto record = readRecord<MonsterRecord>(m_rom, n, m_snapshot);
    if (!record) {
        clearRecord(ApplyCMD);
        warn(QStringLiteral("Monster %1 could not be read from the ROM file.\n\n%2")
                 .arg(QString::number(n), QString::fromStdString(m_rom.errorString())));
        return;
    }
    m_record = *record;
    const MonsterStats &s = m_record.stats;
    TypingLimit::showText(HPTXT, numberText(s.hp));
    TypingLimit::showText(STRTXT, numberText(s.str));
    TypingLimit::showText(DEFTXT, numberText(s.def));
    TypingLimit::showText(MAGPowerTXT, numberText(s.magPower));
    TypingLimit::showText(MAGDEFTXT, numberText(s.magDef));
    UNK01TXT->setText(numberText(m_record.unk01));
    UNK02TXT->setText(numberText(m_record.unk02));
    UNK03TXT->setText(numberText(m_record.unk03));
    UNK04TXT->setText(numberText(m_record.unk04));
    UNK05TXT->setText(numberText(m_record.unk05));
    UNK06TXT->setText(numberText(m_record.unk06));
    UNK07TXT->setText(numberText(m_record.unk07));
    UNK09TXT->setText(numberText(m_record.unk09));
    UNK10TXT->setText(numberText(m_record.unk10));
    UNK11TXT->setText(numberText(m_record.unk11));
    LoadEXP();
    LoadVesk();
    ApplyCMD->setEnabled(true);
}

void Form4::LoadEXP()
{
    TypingLimit::showText(EXPTXT, numberText(m_record.stats.exp));
}

void Form4::LoadVesk()
{
    TypingLimit::showText(VeskTXT, numberText(m_record.stats.vesk));
}

void Form4::LoadMonsters()
{
    MonsterLST->clear();
    pbar->show();
    for (int n = 0; n < MonsterRecord::table.count; ++n) {
        MonsterLST->addItem(QStringLiteral("Monster #: %1").arg(n));
        pbar->setValue(n);
        // Let the bar paint; input waits, so no other window acts in the middle of the fill.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    pbar->hide();
}

// ---- Handlers ----

void Form4::Form_Load()
{
    LoadMonsters();
}

void Form4::MonsterLST_Click()
{
    if (selectedMonster() >= 0) {
        LoadMonsterData();
        return;
    }
    // The selection was cleared (Ctrl+click): nothing to write to any more.
    m_snapshot = RecordSnapshot();
    clearRecord(ApplyCMD);
}

void Form4::STRTXT_Change()
{
    capAt(STRTXT, byteCap);
}

void Form4::DEFTXT_Change()
{
    capAt(DEFTXT, byteCap);
}

void Form4::MAGPowerTXT_Change()
{
    capAt(MAGPowerTXT, byteCap);
}

void Form4::MAGDEFTXT_Change()
{
    capAt(MAGDEFTXT, byteCap);
}

void Form4::EXPTXT_Change()
{
    capAt(EXPTXT, wordCap);
}

void Form4::VeskTXT_Change()
{
    capAt(VeskTXT, wordCap);
}

void Form4::ApplyCMD_Click()
{
    SaveMonsterData();
}

void Form4::CancelCMD_Click()
{
    reject();
}
