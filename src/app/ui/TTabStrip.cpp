#include "TTabStrip.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace {

constexpr int kPadX = 3, kPadY = 2, kBorder = 1, kLowered = 2, kOverlap = 1;
const QColor kOutline(0xA0, 0xA0, 0xA0);
const QColor kFace(0xE4, 0xE4, 0xE4);
const QColor kCurrentFace(0xF0, 0xF0, 0xF0);

} // namespace

TTabStrip::TTabStrip(QWidget* parent)
    : QTabBar(parent)
{
    setDrawBase(false);
}

QSize TTabStrip::tabSizeHint(int index) const
{
    const QString caption = tabText(index);
    if (const auto it = m_sizes.constFind(caption); it != m_sizes.cend())
        return *it;
    const QFontMetrics metrics = fontMetrics();
    const QSize text = metrics.size(Qt::TextShowMnemonic, caption);
    const QSize size(text.width() + 2 * (kPadX + kBorder) - kOverlap, metrics.height() + 2 * kPadY + kBorder + kLowered);
    m_sizes.insert(caption, size);
    return size;
}

void TTabStrip::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        m_sizes.clear();
    QTabBar::changeEvent(event);
}

void TTabStrip::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int current = currentIndex();
    // The current tab last, so its outline lies over its neighbours'.
    QList<int> order;
    for (int i = 0; i < count(); ++i)
        if (i != current)
            order.append(i);
    if (current >= 0)
        order.append(current);
    for (const int i : order) {
        const bool isCurrent = i == current;
        const QRect tab = tabRect(i);
        // The box: the tab's rectangle one pixel wider (the overlap), less the
        // lowering of a tab that is not the current one.
        const QRect box = tab.adjusted(0, isCurrent ? 0 : kLowered, kOverlap, 0);
        p.fillRect(box, isCurrent ? kCurrentFace : kFace);
        p.fillRect(QRect(box.left(), box.top(), box.width(), kBorder), kOutline);
        p.fillRect(QRect(box.left(), box.top(), kBorder, box.height()), kOutline);
        p.fillRect(QRect(box.right(), box.top(), kBorder, box.height()), kOutline);
        const QRect text = box.adjusted(kBorder + kPadX, kBorder + kPadY, -(kBorder + kPadX), -kPadY);
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        p.drawText(text, Qt::AlignCenter | Qt::TextShowMnemonic, tabText(i));
        if (isCurrent && hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = text;
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
        }
    }
}
