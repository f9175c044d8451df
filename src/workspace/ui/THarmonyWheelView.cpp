#include "THarmonyWheelView.h"

#include "WheelPicture.h"

THarmonyWheelView::THarmonyWheelView(QWidget* parent)
    : TColorView(QStringLiteral("pbHarmWheel"), QSize(262, 208), parent)
{
    m_state.size = size();
    m_state.colors.fill(clWhite);
}

void THarmonyWheelView::setState(const TWheelColors& colors, Workspace::HarmonyType type)
{
    m_state.colors = colors;
    m_state.type = type;
    setReferenceColor(colors[0]);
    refresh();
}

void THarmonyWheelView::setDisplayMapper(const TDisplayMapper& display)
{
    m_state.display = display;
    refresh();
}

void THarmonyWheelView::render(QPainter& p)
{
    Workspace::renderHarmonyWheel(p, m_state);
}

std::optional<TColor> THarmonyWheelView::pickAt(QPoint pos)
{
    if (!rect().contains(pos))
        return std::nullopt;
    const std::optional<int> entry = Workspace::WheelEntryForPixel(pixelAt(pos), m_state.colors, m_state.display);
    if (!entry)
        return std::nullopt;
    return m_state.colors[size_t(*entry)];
}
