#pragma once

#include <QString>

class QLineEdit;

// The width at which box shows text whole, without scrolling, in its font and
// style: a loaded "-2147483648" must not lose its first digit out of sight.
int widthShowing(const QLineEdit *box, const QString &text);

// The widest texts a field can hold.
namespace WidestText {
inline const QString byte = QStringLiteral("255");
inline const QString int16 = QStringLiteral("-32768");
inline const QString int32 = QStringLiteral("-2147483648");
} // namespace WidestText
