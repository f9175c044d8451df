#include "TColorView.h"

#include "paint/ColorMime.h"
#include "paint/DevicePicture.h"
#include "paint/QtColor.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int kDragThreshold = 10;
} // namespace

TColorView::TColorView(const QString& objectName, QSize size, QWidget* parent)
    : QWidget(parent), m_image(size, QImage::Format_RGB32)
{
    setObjectName(objectName);
    setFixedSize(size);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, true);
}

void TColorView::setDragRunner(DragRunner runner)
{
    ColorMime::SetDragRunner(std::move(runner));
}

const QImage& TColorView::image()
{
    ensureRendered();
    return m_image;
}

TColor TColorView::pixelAt(QPoint pos)
{
    ensureRendered();
    if (!QRect(QPoint(), size()).contains(pos))
        return clBlack;
    return FromQRgb(DevicePicture::PixelAt(m_image, pos));
}

void TColorView::refresh()
{
    m_dirty = true;
    update();
}

void TColorView::ensureRendered()
{
    if (!DevicePicture::Fits(m_image, size(), devicePixelRatioF())) {
        m_image = DevicePicture::Make(size(), devicePixelRatioF());
        m_dirty = true;
    }
    if (!m_dirty)
        return;
    m_dirty = false;
    QPainter p(&m_image);
    render(p);
}

void TColorView::paintEvent(QPaintEvent*)
{
    ensureRendered();
    QPainter p(this);
    p.drawImage(0, 0, m_image);
}

void TColorView::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    const std::optional<TColor> color = pickAt(pos);
    if (!color)
        return;
    m_pending = *color;
    emit colorPressed(*color);
    if (event->button() == Qt::RightButton) {
        m_mouseHeld = false;
        unsetCursor();
        emit contextMenuRequested(*color, event->globalPosition().toPoint());
        return;
    }
    if (event->button() == Qt::LeftButton) {
        m_mouseHeld = true;
        m_pressPos = pos;
    }
}

void TColorView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (pickAt(pos))
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
    if (m_mouseHeld && (event->buttons() & Qt::LeftButton)
        && (pos - m_pressPos).manhattanLength() > kDragThreshold) {
        m_mouseHeld = false;
        startDrag();
    }
}

void TColorView::mouseReleaseEvent(QMouseEvent* event)
{
    const bool commit = event->button() == Qt::LeftButton && m_mouseHeld && !(event->buttons() & Qt::LeftButton)
                        && m_pending != m_reference;
    m_mouseHeld = false;
    if (commit)
        emit colorCommitted(m_pending);
}

void TColorView::leaveEvent(QEvent* event)
{
    unsetCursor();
    QWidget::leaveEvent(event);
}

void TColorView::startDrag()
{
    const TColor color = m_pending;
    emit dragStarted(color);
    ColorMime::ExecDrag(this, ColorMime::Make(color, QStringLiteral("wheel")), color, Qt::CopyAction | Qt::MoveAction);
    emit dragFinished();
}
