#include "TTabStopDelegate.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

TTabStopDelegate::TTabStopDelegate(int tabWidth, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_tabWidth(tabWidth)
{
}

int TTabStopDelegate::averageCharWidth(const QFontMetrics& fm)
{
    return fm.averageCharWidth();
}

int TTabStopDelegate::tabStopPixels(int dialogUnits, int averageCharWidth)
{
    const int quarters = dialogUnits * averageCharWidth;
    int pixels = quarters / 4;
    const int rest = quarters % 4;
    if (rest > 2 || (rest == 2 && pixels % 2 != 0))
        ++pixels;
    return std::max(pixels, 1);
}

QList<TTabStopDelegate::Run> TTabStopDelegate::layout(const QString& text, int stopPixels,
                                                            const std::function<int(const QString&)>& width)
{
    const int stop = std::max(stopPixels, 1);
    QList<Run> runs;
    int x = 0;
    qsizetype start = 0;
    for (;;) {
        const qsizetype tab = text.indexOf(QLatin1Char('\t'), start);
        const QString piece = text.mid(start, tab < 0 ? -1 : tab - start);
        if (!piece.isEmpty()) {
            runs.append({x, piece});
            x += width(piece);
        }
        if (tab < 0)
            return runs;
        // A pen standing on a stop still moves on to the next one.
        x = (x / stop + 1) * stop;
        start = tab + 1;
    }
}

QList<TTabStopDelegate::Run> TTabStopDelegate::layout(const QString& text, const QFontMetrics& fm) const
{
    return layout(text, tabStopPixels(m_tabWidth, averageCharWidth(fm)),
                  [&fm](const QString& piece) { return fm.horizontalAdvance(piece); });
}

void TTabStopDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem o = option;
    initStyleOption(&o, index);
    const QString text = o.text;
    const QWidget* widget = o.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();

    // Background, selection and focus as the style draws them, without text.
    o.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &o, painter, widget);
    o.text = text;

    // The text area as the style would place the text, less the margin it
    // keeps on either side.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &o, widget).adjusted(margin, 0, -margin, 0);
    const QPalette::ColorGroup group = !(o.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (o.state & QStyle::State_Active) ? QPalette::Normal
                                                                           : QPalette::Inactive;
    const QFontMetrics fm(o.font);
    painter->save();
    painter->setFont(o.font);
    painter->setPen(o.palette.color(group, (o.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text));
    painter->setClipRect(o.rect);
    for (const Run& run : layout(text, fm)) {
        const QRect r(QPoint(area.left() + run.x, area.top()), QPoint(o.rect.right(), area.bottom()));
        painter->drawText(r, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, run.text);
    }
    painter->restore();
}

QSize TTabStopDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    // The style's height; the width of the text with its tabs expanded.
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    QStyleOptionViewItem o = option;
    initStyleOption(&o, index);
    const QFontMetrics fm(o.font);
    const QList<Run> runs = layout(o.text, fm);
    const QWidget* widget = o.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const int textWidth = runs.isEmpty() ? 0 : runs.last().x + fm.horizontalAdvance(runs.last().text);
    size.setWidth(textWidth + 2 * margin);
    return size;
}
