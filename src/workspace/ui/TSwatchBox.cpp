#include "TSwatchBox.h"

#include "VariationBoxes.h"
#include "WorkspacePaint.h"
#include "paint/Swatch.h"

TSwatchBox::TSwatchBox(const QString& objectName, QSize size, Style style, QWidget* parent)
    : TColorView(objectName, size, parent), m_style(style)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setEnabled(false);
}

void TSwatchBox::setColor(std::optional<TColor> color)
{
    m_color = color;
    setEnabled(color.has_value());
    refresh();
}

void TSwatchBox::setDisplayMapper(const TDisplayMapper& display)
{
    m_display = display;
    if (m_style == Style::Swatch)
        refresh();
}

std::optional<TColor> TSwatchBox::pickedColor()
{
    if (!m_color)
        return std::nullopt;
    return pixelAt(QPoint(5, 5));
}

void TSwatchBox::render(QPainter& p)
{
    if (!m_color) {
        Workspace::PaintHatchedBackground(p, size());
        return;
    }
    if (m_style == Style::VariationBox)
        Workspace::renderVariationBox(p, size(), *m_color);
    else
        HSLUtils::DrawSwatch(p, m_display(*m_color), 0, 0, width(), height());
}

std::optional<TColor> TSwatchBox::pickAt(QPoint pos)
{
    if (!rect().contains(pos))
        return std::nullopt;
    return pickedColor();
}

void TSwatchBox::paintEvent(QPaintEvent* event)
{
    if (m_color)
        TColorView::paintEvent(event);
}
