#include "TWheelView.h"

TWheelView::TWheelView(QWidget* parent) : TColorView(QStringLiteral("picWheel"), QSize(262, 262), parent)
{
    m_state.size = size();
    m_state.colors.fill(clWhite);
}

void TWheelView::setColors(const TWheelColors& colors)
{
    m_state.colors = colors;
    setReferenceColor(colors[0]);
    refresh();
}

void TWheelView::setDisplayMapper(const TDisplayMapper& display)
{
    m_state.display = display;
    refresh();
}

std::optional<int> TWheelView::entryAt(QPoint pos)
{
    if (!rect().contains(pos))
        return std::nullopt;
    return Workspace::WheelEntryForPixel(pixelAt(pos), m_state.colors, m_state.display);
}

void TWheelView::render(QPainter& p)
{
    Workspace::renderWheel(p, m_state);
}

std::optional<TColor> TWheelView::pickAt(QPoint pos)
{
    const std::optional<int> entry = entryAt(pos);
    if (!entry)
        return std::nullopt;
    return m_state.colors[size_t(*entry)];
}
