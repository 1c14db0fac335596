#pragma once

#include "version.h"

#include <QString>

// Texts every window builds from the program's version and title.
namespace Program {

inline QString title()
{
    return QString::fromLatin1(Version::title);
}

// "Velmora Editor (v0.028a)": the minor number is not shown.
inline QString versionCaption()
{
    return QStringLiteral("%1 (v%2.0%3a)").arg(title()).arg(Version::major).arg(Version::revision);
}

// "0.28a", as the About window shows it.
inline QString shortVersion()
{
    return QStringLiteral("%1.%2a").arg(Version::major).arg(Version::revision);
}

inline QString siteAddress()
{
    return QStringLiteral("http://velmora-editor.example.org/");
}

} // namespace Program
