#include "TPaintBox.h"

#include <QMouseEvent>
#include "paint/DevicePicture.h"
#include <QPainter>

TPaintBox::TPaintBox(const QString& name, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void TPaintBox::renderNow()
{
    if (!DevicePicture::Fits(m_image, size(), devicePixelRatioF()))
        m_image = DevicePicture::Make(size(), devicePixelRatioF());
    m_image.fill(Qt::white);
    if (m_renderer) {
        QPainter p(&m_image);
        m_renderer(p, size());
    }
    m_dirty = false;
    update();
}

QRgb TPaintBox::pixelAt(QPoint p) const
{
    return DevicePicture::PixelAt(m_image, p);
}

void TPaintBox::paintEvent(QPaintEvent*)
{
    if (m_dirty || !DevicePicture::Fits(m_image, size(), devicePixelRatioF()))
        renderNow();
    QPainter p(this);
    p.drawImage(0, 0, m_image);
}

void TPaintBox::mousePressEvent(QMouseEvent* event) { emit mousePressed(event); }
void TPaintBox::mouseMoveEvent(QMouseEvent* event) { emit mouseMoved(event); }
void TPaintBox::mouseReleaseEvent(QMouseEvent* event) { emit mouseReleased(event); }
void TPaintBox::leaveEvent(QEvent*) { emit mouseLeft(); }
