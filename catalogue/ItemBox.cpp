#include "catalogue/ItemBox.h"

#include "catalogue/itemcatalogue.h"

#include <QAbstractItemView>
#include <QAbstractListModel>
#include <QAccessible>
#include <QCoreApplication>
#include <QHash>
#include <QPointer>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QVector>

#include <cmath>

namespace {

// The catalogue's labels as a read-only list. Every item box shows the same
// one, so a window with several boxes fills them without copying 325 labels each.
class CatalogueModel final : public QAbstractListModel
{
public:
    explicit CatalogueModel(QObject *parent) : QAbstractListModel(parent)
    {
        m_labels.reserve(ItemCatalogue::count);
        for (int position = 0; position < ItemCatalogue::count; ++position)
            m_labels.append(QString::fromStdString(ItemCatalogue::label(position)));
    }

    int rowCount(const QModelIndex &parent) const override
    {
        return parent.isValid() ? 0 : int(m_labels.size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_labels.size())
            return {};
        if (role == Qt::DisplayRole || role == Qt::EditRole || role == Qt::AccessibleTextRole)
            return m_labels.at(index.row());
        return {};
    }

    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren
                               : Qt::NoItemFlags;
    }

private:
    QVector<QString> m_labels;
};

CatalogueModel *catalogueModel()
{
    static QPointer<CatalogueModel> model;
    if (!model)
        model = new CatalogueModel(QCoreApplication::instance());
    return model;
}

// The width of the longest label in a font, measured once per font.
int longestLabelWidth(const QFont &font)
{
    static QHash<QString, int> widths;
    const QString key = font.key();
    if (const auto known = widths.constFind(key); known != widths.constEnd())
        return *known;
    const QFontMetrics metrics(font);
    const QAbstractItemModel *labels = catalogueModel();
    int widest = 0;
    for (int row = 0; row < labels->rowCount(); ++row)
        widest =
            std::max(widest, metrics.boundingRect(labels->index(row, 0).data().toString()).width());
    widths.insert(key, widest);
    return widest;
}

QString unlistedText(const QString &hexDigits)
{
    return QStringLiteral("(stored id 0x%1: not in the list)").arg(hexDigits);
}

// The longest placeholder: four of the font's widest hexadecimal digit.
int widestUnlistedWidth(const QFont &font)
{
    const QFontMetrics metrics(font);
    QChar widest = QLatin1Char('0');
    for (const QChar digit : QStringLiteral("0123456789ABCDEF")) {
        if (metrics.horizontalAdvance(digit) > metrics.horizontalAdvance(widest))
            widest = digit;
    }
    return metrics.boundingRect(unlistedText(QString(4, widest))).width();
}

} // namespace

ItemBox::ItemBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
    setMaxVisibleItems(16);
    setModel(catalogueModel());
    setCurrentIndex(-1);
    connect(this, &QComboBox::activated, this, &ItemBox::forgetUnlisted);
    // Emptied from outside (no entry, no placeholder), it holds no stored id either.
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0 && placeholderText().isEmpty())
            m_unlisted.reset();
    });
}

void ItemBox::setItemId(int id)
{
    const QString placeholderBefore = placeholderText();
    const bool noneBefore = currentIndex() < 0;
    const auto position = ItemCatalogue::positionForId(id);
    m_unlisted.reset();
    QString text;
    if (!position) {
        m_unlisted = id;
        text = unlistedText(QString::number(quint16(id), 16).toUpper());
    }
    const int index = position.value_or(-1);
    if (index >= 0) // first: without a placeholder, a box showing nothing takes entry 0
        setCurrentIndex(index);
    setPlaceholderText(text);
    setToolTip(text);
    setCurrentIndex(index);
    // A change of the current entry says so itself; a new placeholder does not.
    if (noneBefore && currentIndex() < 0 && text != placeholderBefore) {
        QAccessibleValueChangeEvent event(this, text);
        QAccessible::updateAccessibility(&event);
    }
}

int ItemBox::itemId() const
{
    if (currentIndex() >= 0)
        return ItemCatalogue::idForPosition(currentIndex());
    return m_unlisted.value_or(-1);
}

QSize ItemBox::sizeHint() const
{
    // Wide enough for every label and every placeholder, so the window keeps
    // its size whichever record loads.
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const int textWidth = std::max(longestLabelWidth(font()), widestUnlistedWidth(font()));
    const int textHeight = std::max(int(std::ceil(QFontMetricsF(font()).height())), 14) + 2;
    return style()->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(textWidth, textHeight),
                                     this);
}

QSize ItemBox::minimumSizeHint() const
{
    return sizeHint();
}

void ItemBox::showPopup()
{
    // The dropped-down list is wide enough for the longest label, in whatever
    // font and style the box has by now, even where the box itself is narrower.
    QAbstractItemView *list = view();
    list->setMinimumWidth(list->sizeHintForColumn(0) +
                          list->verticalScrollBar()->sizeHint().width() + 2 * list->frameWidth());
    QComboBox::showPopup();
}

void ItemBox::paintEvent(QPaintEvent *)
{
    // As QComboBox paints itself, but a placeholder too long for the box ends
    // in "..." (the tool tip holds it whole).
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() < 0 && !placeholderText().isEmpty()) {
        const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                    QStyle::SC_ComboBoxEditField, this);
        option.palette.setBrush(QPalette::ButtonText, option.palette.placeholderText());
        option.currentText =
            fontMetrics().elidedText(placeholderText(), Qt::ElideRight, field.width());
    }
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

void ItemBox::forgetUnlisted()
{
    m_unlisted.reset();
    setPlaceholderText(QString());
    setToolTip(QString());
}
