#include "catalogue/ItemBox.h"

#include "catalogue/itemcatalogue.h"

#include <QAbstractItemView>
#include <QStringList>

namespace {

const QStringList &catalogueLabels()
{
    static const QStringList labels = [] {
        QStringList list;
        list.reserve(ItemCatalogue::count);
        for (int position = 0; position < ItemCatalogue::count; ++position)
            list.append(QString::fromStdString(ItemCatalogue::label(position)));
        return list;
    }();
    return labels;
}

} // namespace

ItemBox::ItemBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
    setMaxVisibleItems(16);
    addItems(catalogueLabels());
    setCurrentIndex(-1);
    // The dropped-down list is wide enough for the longest label.
    view()->setMinimumWidth(view()->sizeHintForColumn(0) + 24);
    connect(this, &QComboBox::activated, this, &ItemBox::forgetUnlisted);
}

void ItemBox::setItemId(int id)
{
    const auto position = ItemCatalogue::positionForId(id);
    m_unlisted.reset();
    if (position) {
        setPlaceholderText(QString());
        setToolTip(QString());
        setCurrentIndex(*position);
        return;
    }
    m_unlisted = id;
    const QString hex = QString::number(quint16(id), 16).toUpper();
    const QString text = QStringLiteral("(stored id 0x%1: not in the list)").arg(hex);
    setPlaceholderText(text);
    setToolTip(text);
    setCurrentIndex(-1);
}

int ItemBox::itemId() const
{
    if (currentIndex() >= 0)
        return ItemCatalogue::idForPosition(currentIndex());
    return m_unlisted.value_or(-1);
}

void ItemBox::forgetUnlisted()
{
    m_unlisted.reset();
    setPlaceholderText(QString());
    setToolTip(QString());
}
