#include "TBaseSwatch.h"

#include "BaseColumnPicture.h"
#include "paint/DevicePicture.h"
#include "paint/ColorMime.h"
#include "paint/QtColor.h"

#include <QDrag>
#include <QDropEvent>
#include <QMouseEvent>
#include <QPainter>

TBaseSwatch::TBaseSwatch(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pbBase"));
    setFixedSize(149, 50);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setAcceptDrops(true);
}

void TBaseSwatch::setColor(TColor color)
{
    m_color = color;
    m_dirty = true;
    update();
}

void TBaseSwatch::setDisplayMapper(const TDisplayMapper& display)
{
    m_display = display;
    m_dirty = true;
    update();
}

const QImage& TBaseSwatch::image()
{
    if (m_dirty || !DevicePicture::Fits(m_image, size(), devicePixelRatioF())) {
        m_image = DevicePicture::Make(size(), devicePixelRatioF());
        QPainter p(&m_image);
        BaseColumn::RenderBaseSwatch(p, size(), m_color, m_display);
        m_dirty = false;
    }
    return m_image;
}

QRgb TBaseSwatch::pixelAt(QPoint pos)
{
    const QImage& img = image();
    return DevicePicture::PixelAt(img, pos);
}

void TBaseSwatch::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, image());
}

void TBaseSwatch::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        m_held = false;
        emit contextMenuRequested(m_color, event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    emit colorPressed(FromQRgb(pixelAt(QPoint(5, 5))));
    m_held = true;
    m_pressPos = event->position().toPoint();
}

void TBaseSwatch::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_held || (event->position().toPoint() - m_pressPos).manhattanLength() <= kDragThreshold)
        return;
    m_held = false;
    emit dragStarted(m_color);
    auto* drag = new QDrag(this);
    drag->setMimeData(ColorMime::Make(m_color, QStringLiteral("base")));
    drag->exec(Qt::CopyAction);
    emit dragFinished();
}

void TBaseSwatch::mouseReleaseEvent(QMouseEvent*)
{
    m_held = false;
}

void TBaseSwatch::dragEnterEvent(QDragEnterEvent* event)
{
    ColorMime::AcceptColorDrag(event);
}

void TBaseSwatch::dragMoveEvent(QDragMoveEvent* event)
{
    ColorMime::AcceptColorDrag(event);
}

// A favourite dragged here becomes the base colour; any other drag commits
// the colour it carries.
void TBaseSwatch::dropEvent(QDropEvent* event)
{
    if (const auto c = ColorMime::ColorOf(event->mimeData())) {
        event->acceptProposedAction();
        emit colorDropped(*c);
    }
}
