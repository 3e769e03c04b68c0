// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>

namespace orvalink {

// Where the new lists go in the text of an old bookmark file, found by following its lists: the
// "<DL>" and "</DL>" tags in any case, outside comments, tags (each ending with its line at the
// latest, as the reader takes them) and the text of elements such as <script> and <title>, which
// is never markup.
struct MergePoint
{
    enum class Kind {
        // The top-level list ends at position, where its end tag starts: the new lists go just
        // before it, and the end tag and everything after it stay as they are.
        ListEnd,
        // The text ends with openLists lists still open, as a file cut off does: all of it is
        // kept, the open lists other than the top-level one are closed, and the new lists go
        // into the top-level one, which is then closed.
        ListsOpen,
        // The text ends inside a tag, a comment or such an element: nothing can be added to it
        // without guessing what was lost.
        EndsInsideMarkup,
        // There is no list to add to.
        NoList,
    };

    Kind kind = Kind::NoList;
    qsizetype position = 0;
    int openLists = 0;
};

MergePoint findMergePoint(QByteArrayView text);

} // namespace orvalink
