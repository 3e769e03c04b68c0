// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/combo_helpers.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QWidget>
#include <algorithm>

namespace orvalink {

void SetComboDropWidth(QComboBox& combo)
{
    qsizetype longest = 0;
    for (int i = 0; i < combo.count(); ++i)
        longest = std::max(longest, combo.itemText(i).size());
    const int width = int(std::max<qsizetype>(longest - 2, 0)) * AverageCharWidth(combo);
    // The drop-down is never narrower than the combo itself, whatever its minimum width.
    combo.view()->setMinimumWidth(width);
}

int AverageCharWidth(const QWidget& widget)
{
    static const QString kAlphabet =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return QFontMetrics(widget.font()).horizontalAdvance(kAlphabet) / 52;
}

} // namespace orvalink
