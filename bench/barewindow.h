#pragma once

#include <QDialog>
#include <QStringListModel>
#include <memory>
#include <vector>

namespace Bench {

// The controls of a window as plain Qt kinds with their texts and entries, so a
// bare dialog with the same kinds and numbers of controls can be built from it:
// the floor of opening that window, without the editor's own work. Filled the
// cheapest way Qt offers: boxes with the same entries share one model made
// beforehand and are not measured against them; lists have uniform rows; every
// control is placed where the window's is, without a layout.
struct Control
{
    enum class Kind
    {
        Widget,
        Frame,
        Group,
        Label,
        Line,
        Combo,
        List,
        Button,
        Check,
        Option,
        Progress
    };
    Kind kind = Kind::Widget;
    QString text;
    QRect geometry;
    QStringList entries;
    std::shared_ptr<QStringListModel> model; // a box's entries
    std::vector<Control> children;
};

Control describe(const QWidget &window);
int countControls(const Control &control);
std::unique_ptr<QDialog> buildBare(const Control &window);

} // namespace Bench
