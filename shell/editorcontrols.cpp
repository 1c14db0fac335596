#include "shell/editorcontrols.h"

#include "core/fieldcheck.h"
#include "core/numbertext.h"
#include "shell/SpeaksCurrent.h"
#include "shell/TypingLimit.h"
#include "shell/boxwidth.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace EditorControls {

QPushButton *createButton(QWidget *parent, const QString &caption, const char *name)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(caption);
    button->setAutoDefault(false);
    return button;
}

QListWidget *createRecordList(QWidget *parent, const char *name, const QString &accessibleName)
{
    auto *list = new SpeaksCurrent<QListWidget>(parent);
    list->setObjectName(QLatin1String(name));
    list->setAccessibleName(accessibleName);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true); // hundreds of entries of one height
    return list;
}

QLineEdit *createNumberBox(QWidget *parent, const char *name, const QString &accessibleName,
                           int typingLimit)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(accessibleName);
    if (typingLimit > 0)
        new TypingLimit(typingLimit, box);
    return box;
}

QLabel *labelFor(QWidget *control, const QString &text)
{
    auto *label = new QLabel(text, control->parentWidget());
    label->setBuddy(control);
    return label;
}

void setWidthFor(QLineEdit *box, const QString &widest, int designTwips)
{
    box->setFixedWidth(std::max(twips(designTwips), widthShowing(box, widest)));
}

void showReadOnly(QLineEdit *box)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, QColor(192, 192, 192));
    palette.setColor(QPalette::Text, Qt::black);
    box->setPalette(palette);
}

void uncheckAll(QButtonGroup *group)
{
    group->setExclusive(false);
    for (QAbstractButton *option : group->buttons())
        option->setChecked(false);
    group->setExclusive(true);
}

QString caption(const RecordField &field)
{
    return QString::fromLatin1(field.name) + QLatin1Char(':');
}

void showNumber(QLineEdit *box, std::int64_t value)
{
    TypingLimit::showText(box, QString::fromStdString(NumberText::fromValue(value)));
}

std::int64_t take(FieldCheck &check, const QLineEdit *box, std::int64_t min, std::int64_t max,
                  const QString &label)
{
    const QString name = label.isEmpty() ? box->accessibleName() : label;
    return check.take(name.toStdString(), box->text().toStdString(), min, max);
}

} // namespace EditorControls
