#include "bench/safe_file_name.h"

#include <array>

namespace orvalink {

namespace {

bool isForbidden(char16_t c)
{
    switch (c) {
    case u'/':
    case u'\\':
    case u':':
    case u'*':
    case u'?':
    case u'"':
    case u'<':
    case u'>':
    case u'|':
        return true;
    default:
        return false;
    }
}

bool isControl(char16_t c)
{
    return c < 0x20 || c == 0x7F;
}

int utf8Length(char16_t c)
{
    if (c < 0x80)
        return 1;
    if (c < 0x800)
        return 2;
    return 3;
}

// Windows refuses these as a name, with or without an extension, in any case.
bool isReservedDeviceName(const QString& name)
{
    static const std::array<QLatin1StringView, 6> kPlain = {
        QLatin1StringView("CON"), QLatin1StringView("PRN"),    QLatin1StringView("AUX"),
        QLatin1StringView("NUL"), QLatin1StringView("CONIN$"), QLatin1StringView("CONOUT$")};
    const qsizetype dot = name.indexOf(u'.');
    const QString stem = (dot < 0 ? name : name.left(dot)).trimmed().toUpper();
    for (QLatin1StringView reserved : kPlain) {
        if (stem == reserved)
            return true;
    }
    if (stem.size() == 4 &&
        (stem.startsWith(QLatin1StringView("COM")) || stem.startsWith(QLatin1StringView("LPT")))) {
        const char16_t digit = stem.at(3).unicode();
        return (digit >= u'0' && digit <= u'9') || digit == u'\u00B9' || digit == u'\u00B2' ||
               digit == u'\u00B3';
    }
    return false;
}

// The name without forbidden and control characters, cut to the given limits, without
// trailing dots and spaces.
QString cleanAndCut(const QString& name, int unitsLeft, int bytesLeft)
{
    QString base;
    base.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name.at(i).unicode();
        if (isControl(c))
            continue;
        const bool pair = QChar::isHighSurrogate(c) && i + 1 < name.size() &&
                          QChar::isLowSurrogate(name.at(i + 1).unicode());
        const int units = pair ? 2 : 1;
        // A lone surrogate cannot be written as UTF-8; it becomes U+FFFD (three bytes).
        const int bytes = pair ? 4 : QChar::isSurrogate(c) ? 3 : utf8Length(c);
        if (units > unitsLeft || bytes > bytesLeft)
            break;
        unitsLeft -= units;
        bytesLeft -= bytes;
        if (pair) {
            base.append(name.at(i));
            base.append(name.at(i + 1));
            ++i;
        } else if (QChar::isSurrogate(c)) {
            base.append(QChar(QChar::ReplacementCharacter));
        } else {
            base.append(isForbidden(c) ? QChar(u'-') : QChar(c));
        }
    }
    while (!base.isEmpty() && (base.endsWith(u'.') || base.endsWith(u' ')))
        base.chop(1);
    return base;
}

} // namespace

QString safeFileName(const QString& name, int number, QStringView extension)
{
    const QString suffix =
        (number > 1 ? QStringLiteral(" (%1)").arg(number) : QString()) + extension.toString();
    const int units = kMaxFileNameUnits - int(suffix.size());
    const int bytes = kMaxFileNameBytes - int(suffix.toUtf8().size());

    QString base = cleanAndCut(name, units, bytes);
    if (base.isEmpty())
        return QStringLiteral("Untitled") + suffix;
    if (isReservedDeviceName(base)) {
        // The mark goes on the stem: Windows reserves "CON.txt" as well as "CON".
        base = cleanAndCut(name, units - 1, bytes - 1);
        const qsizetype dot = base.indexOf(u'.');
        base.insert(dot < 0 ? base.size() : dot, u'_');
    }
    return base + suffix;
}

QString fileNameKey(const QString& fileName)
{
    return fileName.normalized(QString::NormalizationForm_C).toCaseFolded();
}

} // namespace orvalink
