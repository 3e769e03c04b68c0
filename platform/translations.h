// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace orvalink {

// The program's texts in the user's language, and Qt's own (the standard buttons of message
// boxes, the file dialogs) where Qt's catalogue for it is installed. The English texts in the
// code are the source texts: a language without a catalogue, and the C locale, keep them.
//
// Every text a user reads is translated where it is built, in the core as in the windows:
// QCoreApplication::translate() with the context of the file's subject (a UserMessage carries
// its lines translated already), tr() in QObject classes, and QT_TRANSLATE_NOOP in tables that
// are translated where a caption is set. Tests load no catalogue, so they compare the English
// texts. Stored values (INI keys and values, preset names, option values, command and option
// names, file headers, JSON keys) are never translated.
class ProgramTranslations
{
public:
    // Installs the catalogues for the locale's languages into the running application, from
    // the program's folder of catalogues (see translationsFolder()) and from Qt's.
    explicit ProgramTranslations(const QString& folder, const QLocale& locale = QLocale());
    ~ProgramTranslations();
    ProgramTranslations(const ProgramTranslations&) = delete;
    ProgramTranslations& operator=(const ProgramTranslations&) = delete;

    // Whether the program's own catalogue was found for the locale.
    bool loaded() const { return m_programLoaded; }

private:
    QTranslator m_program;
    QTranslator m_qt;
    bool m_programLoaded = false;
    bool m_qtLoaded = false;
};

// The folder of the program's catalogues for a program in programFolder: the installed one
// (share/orvalink/translations beside the program's bin folder) or, in a build tree, the
// build's "translations" folder beside the program's own folder.
QString translationsFolder(const QString& programFolder);

} // namespace orvalink
