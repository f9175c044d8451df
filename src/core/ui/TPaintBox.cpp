#include "TPaintBox.h"

#include <QMouseEvent>
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
    if (m_image.size() != size())
        m_image = QImage(size(), QImage::Format_RGB32);
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
    if (!m_image.rect().contains(p))
        return 0;
    return m_image.pixel(p);
}

void TPaintBox::paintEvent(QPaintEvent*)
{
    if (m_dirty || m_image.size() != size())
        renderNow();
    QPainter p(this);
    p.drawImage(0, 0, m_image);
}

void TPaintBox::mousePressEvent(QMouseEvent* event) { emit mousePressed(event); }
void TPaintBox::mouseMoveEvent(QMouseEvent* event) { emit mouseMoved(event); }
void TPaintBox::mouseReleaseEvent(QMouseEvent* event) { emit mouseReleased(event); }
void TPaintBox::leaveEvent(QEvent*) { emit mouseLeft(); }
