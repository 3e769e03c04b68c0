// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringView>

namespace orvalink {

// The longest link name in a shortcut's file name, in characters, before its number and ".URL".
inline constexpr int kMaxLinkNameCharacters = 100;
// The longest file name, number and extension included, in bytes of UTF-8: Linux takes 255. A
// name within it is also within the 255 UTF-16 units of Windows and macOS, as no character takes
// fewer bytes of UTF-8 than units of UTF-16.
inline constexpr int kMaxFileNameBytes = 255;

#ifdef Q_OS_WIN
inline constexpr bool kAvoidDeviceNames = true;
#else
inline constexpr bool kAvoidDeviceNames = false;
#endif

// The name with each of / \ : * ? < > | and the double quote replaced by "-". Nothing else
// changes: the name is Unicode already.
QString CleanFileName(const QString& name);

// How safeFileName() makes a name.
struct FileNameRules
{
    // Cut the name to this many characters (code points); 0 for no cut.
    int maxCharacters = 0;
    // Mark the device names Windows reserves (CON, PRN, AUX, NUL, COM0..COM9, LPT0..LPT9, also
    // with an extension). Other systems take them as ordinary names.
    bool avoidDeviceNames = kAvoidDeviceNames;
};

// The name under which a folder or link is written: one path component that every file system
// we write to accepts and that names nothing but a new entry of its folder.
// - CleanFileName() first; then every control character (U+0000..U+001F, U+007F) becomes "-" as
//   well, and a lone surrogate, which no file system can store, becomes U+FFFD.
// - The cut to rules.maxCharacters counts code points and ends at the end of a whole character
//   as the user sees it: a surrogate pair, or a letter with its combining marks, stays whole.
// - Trailing dots and spaces go (Windows drops them itself, so "a." and "a" would be one file);
//   a name left empty, which includes "." and "..", becomes "Untitled".
// - With rules.avoidDeviceNames a reserved device name gets "_" after its stem: "CON_",
//   "nul_.txt".
// - number > 1 appends " (number)"; extension (".URL" or "") comes last. The whole name stays
//   within kMaxFileNameBytes; the name is cut further (as above) to make room.
QString safeFileName(const QString& name, int number, QStringView extension,
                     const FileNameRules& rules = {});

// The names given out in one folder during one export. Two entries whose names differ only in
// case would be one file where the file system ignores case, as Windows' do; the later one is
// numbered " (2)", " (3)", ... instead.
class FolderNames
{
public:
    // The safe name (see safeFileName) for name that no earlier call for this folder has given
    // out, compared without regard to case; it counts as given out from now on.
    QString claim(const QString& name, QStringView extension, const FileNameRules& rules);

private:
    QSet<QString> m_taken;
    // For each unnumbered name, the number to try next: a folder of a thousand "Untitled" links
    // does not try every number from 2 again for each.
    QHash<QString, int> m_nextNumber;
};

} // namespace orvalink
