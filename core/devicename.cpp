#include "core/devicename.h"

#include <string>

namespace {

using Text = std::u16string;

char16_t upper(char16_t c)
{
    return c >= u'a' && c <= u'z' ? char16_t(c - u'a' + u'A') : c;
}

bool startsWith(const Text &text, const Text &prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const char16_t c = text[i] == u'/' ? u'\\' : upper(text[i]);
        if (c != prefix[i])
            return false;
    }
    return true;
}

bool isReserved(const Text &name)
{
    for (const Text device : {u"CON", u"PRN", u"AUX", u"NUL", u"CONIN$", u"CONOUT$"})
        if (startsWith(name, device) && name.size() == device.size())
            return true;
    // COM1 to COM9 and LPT1 to LPT9; also the superscript digits 1 to 3.
    if (name.size() != 4 || !(startsWith(name, u"COM") || startsWith(name, u"LPT")))
        return false;
    const char16_t digit = name[3];
    return (digit >= u'1' && digit <= u'9') || digit == u'\u00B9' || digit == u'\u00B2' ||
           digit == u'\u00B3';
}

void dropTrailingDotsAndBlanks(Text &text)
{
    while (!text.empty() && (text.back() == u'.' || text.back() == u' '))
        text.pop_back();
}

// Past a \\?\, \\.\ or \??\ prefix, the names that reach a file rather than
// a device: a drive's path ("C:\roms\a.gba"), a share ("UNC\server\share\...")
// or a volume's path ("Volume{...}\a.gba"), each with a name after its root.
bool namesFileBehindPrefix(const Text &rest)
{
    const char16_t drive = rest.empty() ? u'\0' : upper(rest[0]);
    if (rest.size() > 3 && drive >= u'A' && drive <= u'Z' && rest[1] == u':' &&
        (rest[2] == u'\\' || rest[2] == u'/'))
        return true;
    if (startsWith(rest, u"UNC\\"))
        return rest.size() > 4;
    if (!startsWith(rest, u"VOLUME{"))
        return false;
    const auto rootEnd = rest.find(u"}\\");
    return rootEnd != Text::npos && rest.size() > rootEnd + 2;
}

} // namespace

bool namesWindowsDevice(const std::filesystem::path &path)
{
    const Text name = path.u16string();
    // The device namespace: nothing there is a file but the names above. Past
    // \\?\ a name is taken as it stands, so no name there is reserved.
    if (startsWith(name, u"\\\\?\\"))
        return !namesFileBehindPrefix(name.substr(4));
    if ((startsWith(name, u"\\\\.\\") || startsWith(name, u"\\??\\")) &&
        !namesFileBehindPrefix(name.substr(4)))
        return true;
    // The last part of the name, after any folder or drive ("C:NUL").
    const auto folderEnd = name.find_last_of(u"\\/");
    Text last = folderEnd == Text::npos ? name : name.substr(folderEnd + 1);
    if (folderEnd == Text::npos && last.size() >= 2 && last[1] == u':')
        last.erase(0, 2);
    dropTrailingDotsAndBlanks(last);
    // Before any extension ("NUL.txt", "con .tar.gz") or stream ("COM1:x").
    last = last.substr(0, last.find_first_of(u".:"));
    dropTrailingDotsAndBlanks(last);
    return isReserved(last);
}
