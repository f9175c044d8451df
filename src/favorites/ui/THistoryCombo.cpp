#include "THistoryCombo.h"

#include "ColorText.h"
#include "TColorHistory.h"
#include "paint/GdiPaint.h"

#include <QPainter>
#include <QSignalBlocker>

THistoryCombo::THistoryCombo(TColorHistory* history, QWidget* parent)
    : QComboBox(parent)
    , m_history(history)
{
    setObjectName(QStringLiteral("cboHistory"));
    setFixedWidth(100);
    setMaxVisibleItems(8);
    // Setting the size builds the drop-down list at once; the style's small
    // icon size is usually 16 already, and the list is then built when the
    // drop-down first opens.
    if (iconSize() != QSize(16, 16))
        setIconSize(QSize(16, 16));
    connect(m_history, &TColorHistory::changed, this, &THistoryCombo::rebuild);
    connect(this, &QComboBox::activated, m_history, &TColorHistory::Choose);
    rebuild();
}

QImage THistoryCombo::swatchImage(TColor color)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    GdiPaint::Rectangle(p, 1, 1, 15, 15, clBlack, color);
    return image;
}

// Entries only ever grow at the end or are cut back, so the common case
// (one colour recorded) appends a single item.
void THistoryCombo::rebuild()
{
    const QSignalBlocker blocker(this);
    const QList<TColor>& entries = m_history->entries();
    int keep = 0;
    while (keep < count() && keep < entries.size()
           && itemData(keep).toUInt() == ColorValue(entries[keep]))
        ++keep;
    while (count() > keep)
        removeItem(count() - 1);
    for (qsizetype i = keep; i < entries.size(); ++i)
        addItem(QIcon(QPixmap::fromImage(swatchImage(entries[i]))), ColorText::HashHexText(entries[i]),
                QVariant::fromValue(ColorValue(entries[i])));
    setCurrentIndex(m_history->position());
}
