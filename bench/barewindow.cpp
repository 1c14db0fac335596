#include "bench/barewindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

namespace Bench {

namespace {

using Kind = Control::Kind;

Control describeOne(const QWidget &widget);

void describeChildren(const QWidget &widget, Control &control)
{
    for (QObject *child : widget.children()) {
        const auto *childWidget = qobject_cast<QWidget *>(child);
        if (childWidget && !childWidget->isWindow())
            control.children.push_back(describeOne(*childWidget));
    }
}

// One model for all boxes with the same entries, as the window's boxes share one.
void shareModels(Control &control, std::vector<std::shared_ptr<QStringListModel>> &models)
{
    if (control.kind == Kind::Combo) {
        for (const auto &model : models)
            if (model->stringList() == control.entries)
                control.model = model;
        if (!control.model)
            control.model =
                models.emplace_back(std::make_shared<QStringListModel>(control.entries));
    }
    for (Control &child : control.children)
        shareModels(child, models);
}

// The most specific Qt kind first: a list, a label and a group are frames too.
Control describeOne(const QWidget &widget)
{
    Control control;
    control.geometry = widget.geometry();
    if (const auto *box = qobject_cast<const QComboBox *>(&widget)) {
        control.kind = Kind::Combo;
        for (int i = 0; i < box->count(); ++i)
            control.entries << box->itemText(i);
    } else if (const auto *list = qobject_cast<const QListWidget *>(&widget)) {
        control.kind = Kind::List;
        for (int i = 0; i < list->count(); ++i)
            control.entries << list->item(i)->text();
    } else if (const auto *label = qobject_cast<const QLabel *>(&widget)) {
        control.kind = Kind::Label;
        control.text = label->text();
    } else if (const auto *line = qobject_cast<const QLineEdit *>(&widget)) {
        control.kind = Kind::Line;
        control.text = line->text();
    } else if (const auto *check = qobject_cast<const QCheckBox *>(&widget)) {
        control.kind = Kind::Check;
        control.text = check->text();
    } else if (const auto *option = qobject_cast<const QRadioButton *>(&widget)) {
        control.kind = Kind::Option;
        control.text = option->text();
    } else if (const auto *button = qobject_cast<const QPushButton *>(&widget)) {
        control.kind = Kind::Button;
        control.text = button->text();
    } else if (qobject_cast<const QProgressBar *>(&widget)) {
        control.kind = Kind::Progress;
    } else {
        if (const auto *group = qobject_cast<const QGroupBox *>(&widget)) {
            control.kind = Kind::Group;
            control.text = group->title();
        } else if (qobject_cast<const QFrame *>(&widget)) {
            control.kind = Kind::Frame;
        }
        describeChildren(widget, control);
    }
    return control;
}

QWidget *buildOne(const Control &control, QWidget *parent);

// Where the window's control is, without a layout.
void build(const Control &control, QWidget *parent)
{
    buildOne(control, parent)->setGeometry(control.geometry);
}

QWidget *buildOne(const Control &control, QWidget *parent)
{
    switch (control.kind) {
    case Kind::Label:
        return new QLabel(control.text, parent);
    case Kind::Line:
        return new QLineEdit(control.text, parent);
    case Kind::Check:
        return new QCheckBox(control.text, parent);
    case Kind::Option:
        return new QRadioButton(control.text, parent);
    case Kind::Button:
        return new QPushButton(control.text, parent);
    case Kind::Progress:
        return new QProgressBar(parent);
    case Kind::Combo: {
        auto *box = new QComboBox(parent);
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setModel(control.model.get());
        return box;
    }
    case Kind::List: {
        auto *list = new QListWidget(parent);
        list->setUniformItemSizes(true);
        list->addItems(control.entries);
        return list;
    }
    case Kind::Widget:
    case Kind::Frame:
    case Kind::Group:
        break;
    }
    QWidget *container = control.kind == Kind::Group   ? new QGroupBox(control.text, parent)
                         : control.kind == Kind::Frame ? new QFrame(parent)
                                                       : new QWidget(parent);
    for (const Control &child : control.children)
        build(child, container);
    return container;
}

} // namespace

Control describe(const QWidget &window)
{
    Control control;
    control.geometry = window.geometry();
    describeChildren(window, control);
    std::vector<std::shared_ptr<QStringListModel>> models;
    shareModels(control, models);
    return control;
}

int countControls(const Control &control)
{
    int count = 0;
    for (const Control &child : control.children)
        count += 1 + countControls(child);
    return count;
}

std::unique_ptr<QDialog> buildBare(const Control &window)
{
    auto dialog = std::make_unique<QDialog>();
    for (const Control &child : window.children)
        build(child, dialog.get());
    dialog->resize(window.geometry.size());
    return dialog;
}

} // namespace Bench
