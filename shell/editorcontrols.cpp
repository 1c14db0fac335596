#include "shell/editorcontrols.h"

#include "core/numbertext.h"
#include "shell/TypingLimit.h"
#include "shell/boxwidth.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>

namespace EditorControls {

QString caption(const RecordField &field)
{
    return QString::fromLatin1(field.name) + QLatin1Char(':');
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

QLineEdit *nameBox(QWidget *parent, int typingLimit)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QStringLiteral("NameTXT"));
    box->setAccessibleName(QStringLiteral("Name:"));
    box->setMaxLength(typingLimit);
    box->setEnabled(false);
    showReadOnly(box);
    return box;
}

void uncheckAll(QButtonGroup *group)
{
    group->setExclusive(false);
    for (QAbstractButton *option : group->buttons())
        option->setChecked(false);
    group->setExclusive(true);
}

void showNumber(QLineEdit *box, std::int64_t value)
{
    TypingLimit::showText(box, QString::fromStdString(NumberText::fromValue(value)));
}

} // namespace EditorControls
