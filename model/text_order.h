// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>
#include <algorithm>
#include <numeric>
#include <utility>
#include <vector>

namespace orvalink {

// Names are ordered "without regard to case" the same way everywhere (tree siblings, directory
// listings, link lists): both texts lower-cased, then compared code unit by code unit. No locale
// collation takes part, so row numbers and written files are the same on every machine.
inline QString caseBlindKey(const QString& text)
{
    return text.toLower();
}
// The same for a text no one else holds, lowered in place rather than into a copy.
inline QString caseBlindKey(QString&& text)
{
    return std::move(text).toLower();
}

// The case-blind keys of a list of texts, each computed once and all kept in one buffer: sorting
// a folder of many names then costs no allocation per name, nor any per comparison. Each key is
// lowered in place, character by character; that equals caseBlindKey() of its text for every
// character but U+0130 (capital I with dot above), whose lower case is two characters, so a text
// holding it is lowered by caseBlindKey() itself.
class CaseBlindKeys
{
public:
    void reserve(size_t count) { m_spans.reserve(count); }

    void add(QStringView text)
    {
        const qsizetype start = m_units.size();
        m_units.resize(start + text.size());
        if (!lowerInto(text, m_units.data() + start)) {
            m_units.truncate(start);
            m_units += caseBlindKey(text.toString());
        }
        m_spans.emplace_back(start, m_units.size() - start);
    }

    size_t size() const { return m_spans.size(); }

    QStringView operator[](size_t position) const
    {
        const auto [start, length] = m_spans[position];
        return QStringView(m_units).sliced(start, length);
    }

    // Positions 0..size()-1 ordered by their keys; equal keys keep their original order.
    std::vector<int> order() const
    {
        std::vector<int> positions(m_spans.size());
        std::iota(positions.begin(), positions.end(), 0);
        std::stable_sort(positions.begin(), positions.end(), [this](int a, int b) {
            return (*this)[static_cast<size_t>(a)] < (*this)[static_cast<size_t>(b)];
        });
        return positions;
    }

private:
    // Writes text lowered to out, which has room for as many units: ASCII without tables, other
    // characters (a surrogate pair as one) by their simple lower-case mapping. False, with out
    // written in part, at a U+0130, whose lower case takes two units.
    static bool lowerInto(QStringView text, QChar* out)
    {
        const qsizetype size = text.size();
        for (qsizetype i = 0; i < size; ++i) {
            const char16_t unit = text[i].unicode();
            if (unit < 0x80) {
                out[i] = QChar(unit >= u'A' && unit <= u'Z' ? unit + (u'a' - u'A') : unit);
            } else if (QChar::isHighSurrogate(unit) && i + 1 < size &&
                       text[i + 1].isLowSurrogate()) {
                const char32_t lower =
                    QChar::toLower(QChar::surrogateToUcs4(unit, text[i + 1].unicode()));
                out[i] = QChar(QChar::highSurrogate(lower));
                out[++i] = QChar(QChar::lowSurrogate(lower));
            } else if (unit == 0x130) {
                return false;
            } else {
                out[i] = QChar(QChar::toLower(unit));
            }
        }
        return true;
    }

    QString m_units;
    std::vector<std::pair<qsizetype, qsizetype>> m_spans;
};

// Positions 0..texts.size()-1 ordered by their texts without regard to case; equal keys keep
// their original order.
inline std::vector<int> caseBlindOrder(const std::vector<QString>& texts)
{
    CaseBlindKeys keys;
    keys.reserve(texts.size());
    for (const QString& text : texts)
        keys.add(text);
    return keys.order();
}

} // namespace orvalink
