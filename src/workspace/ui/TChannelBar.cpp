#include "TChannelBar.h"

#include <QMouseEvent>
#include "paint/DevicePicture.h"
#include <QPainter>

using BaseColumn::Bar;

TChannelBar::TChannelBar(const QString& name, Bar bar, QWidget* parent)
    : QAbstractSlider(parent)
    , m_bar(bar)
{
    setObjectName(name);
    setOrientation(Qt::Horizontal);
    setRange(0, BaseColumn::MaxValue(bar));
    setTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void TChannelBar::setState(int value, TColor boxes)
{
    const QSignalBlocker quiet(this);
    m_boxes = boxes;
    setValue(value);
    m_dirty = true;
    update();
}

void TChannelBar::setDisplayMapper(const TDisplayMapper& display)
{
    m_display = display;
    m_dirty = true;
    update();
}

int TChannelBar::markerColumn() const
{
    return m_dragMarker >= 0 ? m_dragMarker : BaseColumn::MarkerForValue(m_bar, value());
}

void TChannelBar::render()
{
    if (!DevicePicture::Fits(m_image, size(), devicePixelRatioF()))
        m_image = DevicePicture::Make(size(), devicePixelRatioF());
    m_image.fill(Qt::white);
    QPainter p(&m_image);
    BaseColumn::RenderBar(p, size(), m_bar, m_boxes, markerColumn(), m_display);
    m_dirty = false;
}

const QImage& TChannelBar::image()
{
    if (m_dirty || !DevicePicture::Fits(m_image, size(), devicePixelRatioF()))
        render();
    return m_image;
}

QRgb TChannelBar::pixelAt(QPoint pos)
{
    const QImage& img = image();
    return DevicePicture::PixelAt(img, pos);
}

void TChannelBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, image());
}

void TChannelBar::sliderChange(SliderChange change)
{
    QAbstractSlider::sliderChange(change);
    m_dirty = true;
    update();
}

void TChannelBar::dragTo(int x)
{
    m_dragMarker = BaseColumn::MarkerAtPixel(m_bar, x);
    setSliderPosition(BaseColumn::ValueAtPixel(m_bar, x));
    m_dirty = true;
    repaint();
}

void TChannelBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    setSliderDown(true);
    dragTo(int(event->position().x()));
}

void TChannelBar::mouseMoveEvent(QMouseEvent* event)
{
    if (isSliderDown())
        dragTo(int(event->position().x()));
}

void TChannelBar::mouseReleaseEvent(QMouseEvent*)
{
    const bool held = isSliderDown();
    m_dragMarker = -1;
    m_dirty = true;
    if (held)
        setSliderDown(false); // sliderReleased: the host commits
    update();
}

void TChannelBar::wheelEvent(QWheelEvent* event)
{
    event->ignore();
}
