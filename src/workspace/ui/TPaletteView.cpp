#include "TPaletteView.h"

#include "paint/QtColor.h"

#include <QMouseEvent>
#include <QPainter>

TPaletteView::TPaletteView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pbPalette"));
    setFixedSize(Workspace::kPaletteSize);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, true);
}

void TPaletteView::setKind(Workspace::PaletteKind kind)
{
    m_kind = kind;
    rebuild();
}

void TPaletteView::setDisplayMapper(const TDisplayMapper& display)
{
    m_display = display;
    rebuild();
}

void TPaletteView::rebuild()
{
    m_image = QImage();
    update();
}

const QImage& TPaletteView::image() const
{
    if (m_image.isNull())
        m_image = Workspace::BuildPalettePicture(m_kind, size(), m_display);
    return m_image;
}

std::optional<TColor> TPaletteView::colorAt(QPoint pos) const
{
    const QImage& picture = image();
    if (!Workspace::PalettePixelCounts(picture, pos))
        return std::nullopt;
    return FromQRgb(picture.pixel(pos));
}

void TPaletteView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, image());
}

void TPaletteView::mousePressEvent(QMouseEvent* event)
{
    if (const auto c = colorAt(event->position().toPoint()))
        emit colorCommitted(*c);
}

void TPaletteView::mouseMoveEvent(QMouseEvent* event)
{
    if (const auto c = colorAt(event->position().toPoint()))
        emit hoverColor(*c);
}

void TPaletteView::leaveEvent(QEvent* event)
{
    emit hoverLeft();
    QWidget::leaveEvent(event);
}
