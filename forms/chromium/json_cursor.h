// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace orvalink {

// Reads JSON text in one pass, value by value, without building a document: the caller asks for
// what it expects where it expects it and skips the rest. Strings without escapes are handed out
// as views of the text, so most names and addresses are copied once, into the model.
//
// Any syntax error stops the reading: every later call fails, and failed() says so. Nesting is
// followed without recursion, so no depth of arrays can exhaust the stack.
class JsonCursor
{
public:
    enum class Kind { Object, Array, String, Number, Literal, End, Invalid };

    // A UTF-8 byte-order mark at the start is passed over; positions count it.
    explicit JsonCursor(QByteArrayView text);

    // The kind of the value that comes next (after white space), without taking it.
    Kind peek();
    // Takes the "{" or "[" that comes next; false when something else comes.
    bool enterObject();
    bool enterArray();
    // The next member of the object entered last: takes its key and the ":" after it, so that its
    // value comes next. False at the object's end, which is taken.
    bool nextMember(QByteArrayView& key, QByteArray& scratch);
    // Whether the array entered last has another element, which then comes next; false at its
    // end, which is taken.
    bool nextElement();
    // A string value, unescaped UTF-8: a view of the text, or of scratch when it held escapes.
    bool readString(QByteArrayView& value, QByteArray& scratch);
    // Takes the value that comes next, whatever it is.
    bool skipValue();

    bool failed() const { return m_failed; }
    // Where the reading stands: the offset of the next byte to read.
    qsizetype position() const { return m_pos; }
    // The offset of the next byte that is no white space.
    qsizetype nextTokenPosition();
    // Whether the next byte that is no white space is c.
    bool nextIs(char c);
    // Whether only white space is left.
    bool atEnd();

private:
    void skipSpace();
    bool fail();
    // Before a member or element: true when the container goes on (its "," taken where one is
    // due), false at its end (taken) or on an error.
    bool continues(char end);
    bool scanString(QByteArrayView& value, QByteArray& scratch);
    bool skipString();
    bool skipScalar();

    QByteArrayView m_text;
    qsizetype m_pos = 0;
    bool m_failed = false;
    // A container was just entered: its first member or element comes without a ",".
    bool m_justEntered = false;
    // skipValue()'s stack of the containers open and its copy of a key with escapes, kept from
    // call to call so that skipping a small object allocates nothing.
    QByteArray m_skippedEnds;
    QByteArray m_skippedKey;
};

} // namespace orvalink
