#pragma once

#include <QDialog>
#include <QStringList>
#include <memory>
#include <vector>

namespace Bench {

// The controls of a window as plain Qt kinds with their texts and entries, so a
// bare dialog with the same kinds and numbers of controls can be built from it:
// the floor of opening that window, without the editor's own work.
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
    QStringList entries;
    std::vector<Control> children;
};

Control describe(const QWidget &window);
int countControls(const Control &control);
std::unique_ptr<QDialog> buildBare(const Control &window);

} // namespace Bench
