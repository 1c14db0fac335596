#pragma once

#include <QFont>

// The windows' typeface, Tahoma 8.25 pt; Qt falls back to a close sans-serif
// where Tahoma is not installed.
inline QFont windowFont()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    return font;
}

// The credit notices use Verdana.
inline QFont creditFont()
{
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    return font;
}
