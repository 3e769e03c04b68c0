// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bench/corpus_random.h"

#include <QByteArray>
#include <QString>

namespace orvalink {

// The words of the corpus. Titles and folder names mix the scripts real bookmark collections
// hold (Latin with accents, Greek, Cyrillic, Chinese, Japanese, Korean, Arabic, Hebrew, Thai,
// Devanagari, emoji) with the characters that need escaping in HTML (& < > " ') and those a file
// name cannot hold (/ : ? * |). URLs are ASCII, as browsers export them.

QString makeLinkTitle(CorpusRandom& random);
QString makeFolderName(CorpusRandom& random);
// A sentence for a link's description.
QString makeDescription(CorpusRandom& random);

// The host name of host number `host`; the same number always gives the same name.
QByteArray makeHostName(quint64 host);
// A URL on the given host: http or https (a few ftp), a path, sometimes a query or a fragment,
// sometimes percent-encoded UTF-8. It holds no '"', ';', space or control character.
QByteArray makeUrl(CorpusRandom& random, const QByteArray& host);
// A favicon of host number `host` as a data: URI of a PNG, about `length` bytes long.
QByteArray makeIconData(quint64 host, int length);

} // namespace orvalink
