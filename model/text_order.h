// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <algorithm>
#include <utility>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

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
    // Room for count keys of units code units in all.
    void reserve(size_t count, qsizetype units = 0)
    {
        m_spans.reserve(count);
        m_units.reserve(units);
    }

    void add(QStringView text)
    {
        const qsizetype start = m_units.size();
        m_units.resize(start + text.size());
        if (!lowerInto(text, reinterpret_cast<char16_t*>(m_units.data()) + start)) {
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
        // Most comparisons are settled by the first four code units, compared as one number;
        // only keys that share them are compared in full, and equal keys by position.
        struct Ranked
        {
            quint64 prefix;
            int position;
        };
        std::vector<Ranked> ranked;
        ranked.reserve(m_spans.size());
        for (size_t position = 0; position < m_spans.size(); ++position)
            ranked.push_back({prefixOf((*this)[position]), static_cast<int>(position)});
        std::sort(ranked.begin(), ranked.end(), [this](const Ranked& a, const Ranked& b) {
            if (a.prefix != b.prefix)
                return a.prefix < b.prefix;
            const int compared = (*this)[static_cast<size_t>(a.position)].compare(
                (*this)[static_cast<size_t>(b.position)]);
            return compared != 0 ? compared < 0 : a.position < b.position;
        });
        std::vector<int> positions;
        positions.reserve(ranked.size());
        for (const Ranked& entry : ranked)
            positions.push_back(entry.position);
        return positions;
    }

private:
    // The first four code units, the first in the highest bits; a shorter key is padded with
    // zeros, which orders it before every longer key it begins.
    static quint64 prefixOf(QStringView key)
    {
        quint64 prefix = 0;
        for (qsizetype i = 0; i < 4; ++i)
            prefix = (prefix << 16) | (i < key.size() ? key[i].unicode() : 0u);
        return prefix;
    }

    // Writes text lowered to out, which has room for as many units: ASCII without tables, eight
    // units at a time where it can, other characters (a surrogate pair as one) by their simple
    // lower-case mapping. False, with out written in part, at a U+0130, whose lower case takes
    // two units.
    static bool lowerInto(QStringView text, char16_t* out)
    {
        const char16_t* in = text.utf16();
        const qsizetype size = text.size();
        qsizetype i = 0;
        while (i < size) {
            if (size - i >= 8 && lowerAscii8(in + i, out + i)) {
                i += 8;
                continue;
            }
            const char16_t unit = in[i];
            if (unit < 0x80) {
                out[i] = lowerAscii(unit);
            } else if (isCaseless(unit)) {
                out[i] = unit;
            } else if (QChar::isHighSurrogate(unit) && i + 1 < size &&
                       QChar::isLowSurrogate(in[i + 1])) {
                const char32_t lower = QChar::toLower(QChar::surrogateToUcs4(unit, in[i + 1]));
                out[i] = QChar::highSurrogate(lower);
                out[++i] = QChar::lowSurrogate(lower);
            } else if (unit == 0x130) {
                return false;
            } else {
                out[i] = QChar::toLower(unit);
            }
            ++i;
        }
        return true;
    }

    static char16_t lowerAscii(char16_t unit)
    {
        return unit >= u'A' && unit <= u'Z' ? char16_t(unit + (u'a' - u'A')) : unit;
    }

    // Blocks of scripts without case, which the names of many languages are written in: Hebrew
    // to Myanmar, the CJK ideographs with kana and Yi, and the Hangul syllables.
    static bool isCaseless(char16_t unit)
    {
        return (unit >= 0x0590 && unit < 0x10A0) || (unit >= 0x2E80 && unit < 0xA640) ||
               (unit >= 0xAC00 && unit < 0xD800);
    }

    // Lowers the eight units at in into out when they are all ASCII; false, with nothing
    // written, when they are not.
    static bool lowerAscii8(const char16_t* in, char16_t* out)
    {
#ifdef __SSE2__
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
        const __m128i nonAscii = _mm_and_si128(units, _mm_set1_epi16(static_cast<short>(0xFF80)));
        if (_mm_movemask_epi8(_mm_cmpeq_epi16(nonAscii, _mm_setzero_si128())) != 0xFFFF)
            return false;
        const __m128i upper = _mm_and_si128(_mm_cmpgt_epi16(units, _mm_set1_epi16(u'A' - 1)),
                                            _mm_cmplt_epi16(units, _mm_set1_epi16(u'Z' + 1)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out),
                         _mm_add_epi16(units, _mm_and_si128(upper, _mm_set1_epi16(0x20))));
        return true;
#else
        for (int i = 0; i < 8; ++i) {
            if (in[i] >= 0x80)
                return false;
        }
        for (int i = 0; i < 8; ++i)
            out[i] = lowerAscii(in[i]);
        return true;
#endif
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
