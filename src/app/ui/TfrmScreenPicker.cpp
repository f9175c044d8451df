#include "TfrmScreenPicker.h"

#include "ScreenPicker.h"
#include "paint/GdiPaint.h"
#include "paint/QtColor.h"
#include "paint/SystemColors.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

using namespace ScreenPicker;

namespace {

// The panel's frames and the separator between zoom and colour.
class TPickerPanel : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        using namespace SystemColors;
        GdiPaint::FillRect(p, 0, 0, kPanelSize, kPanelSize, BtnFace);
        GdiPaint::FrameRect(p, 0, 0, kPanelSize, kPanelSize, BtnShadow);
        GdiPaint::FrameRect(p, 1, 1, kPanelSize - 1, kPanelSize - 1, clWhite);
        GdiPaint::Rectangle(p, 0, 69, kPanelSize, 72, clWhite, BtnShadow);
    }
};

} // namespace

TfrmScreenPicker::TfrmScreenPicker(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::BypassWindowManagerHint)
{
    setObjectName(QStringLiteral("TfrmScreenPicker"));
    setCursor(Qt::CrossCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    pnlColor = new TPickerPanel(this);
    pnlColor->setObjectName(QStringLiteral("pnlColor"));
    pnlColor->setGeometry(kPanelMargin, kPanelMargin, kPanelSize, kPanelSize);
    imgZoom = new QLabel(pnlColor);
    imgZoom->setObjectName(QStringLiteral("imgZoom"));
    imgZoom->setGeometry(2, 2, kZoomWidth, kZoomHeight);
    imgColor = new QLabel(pnlColor);
    imgColor->setObjectName(QStringLiteral("imgColor"));
    imgColor->setGeometry(2, 72, kZoomWidth, 39);
    imgColor->setAutoFillBackground(true);
    tmrZoom = new QTimer(this);
    tmrZoom->setObjectName(QStringLiteral("tmrZoom"));
    tmrZoom->setInterval(3);
    connect(tmrZoom, &QTimer::timeout, this, [this] { tick(QCursor::pos()); });
}

QImage TfrmScreenPicker::GrabDesktop(QRect& desktop)
{
    QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary)
        return {};
    desktop = primary->virtualGeometry();
    QImage snapshot(desktop.size(), QImage::Format_RGB32);
    snapshot.fill(Qt::black);
    QPainter p(&snapshot);
    // Each screen on its own: its grab is in its own device pixels, drawn
    // into its logical place.
    for (QScreen* screen : primary->virtualSiblings()) {
        const QRect g = screen->geometry();
        const QPixmap shot = screen->grabWindow(0, 0, 0, g.width(), g.height());
        if (shot.isNull())
            continue;
        p.drawPixmap(QRect(g.topLeft() - desktop.topLeft(), g.size()), shot);
    }
    return snapshot;
}

void TfrmScreenPicker::start(const QImage& snapshot, const QRect& desktop)
{
    m_snapshot = snapshot.convertToFormat(QImage::Format_RGB32);
    m_desktop = desktop;
    setGeometry(desktop);
    pnlColor->move(kPanelMargin, kPanelMargin);
    m_lastPointer = {-1, -1};
    show();
    raise();
    activateWindow();
    grabKeyboard();
    tmrZoom->start();
    tick(QCursor::pos());
}

int TfrmScreenPicker::panelLeft() const { return pnlColor->x(); }

void TfrmScreenPicker::tick(QPoint global)
{
    const QPoint local = global - m_desktop.topLeft();
    if (pnlColor->geometry().contains(local)) {
        pnlColor->move(PanelLeftAfterHover(pnlColor->x(), m_desktop.width()), kPanelMargin);
        return;
    }
    if (local == m_lastPointer)
        return;
    m_lastPointer = local;
    imgZoom->setPixmap(QPixmap::fromImage(MagnifierPicture(m_snapshot, local)));
    QPalette pal = imgColor->palette();
    pal.setColor(QPalette::Window, ToQColor(SnapshotColor(m_snapshot, local)));
    imgColor->setPalette(pal);
}

void TfrmScreenPicker::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.drawImage(event->rect().topLeft(), m_snapshot, event->rect());
}

void TfrmScreenPicker::mousePressEvent(QMouseEvent* event)
{
    const TColor color = SnapshotColor(m_snapshot, event->position().toPoint());
    finish();
    emit picked(color);
}

void TfrmScreenPicker::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        finish();
        emit cancelled();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TfrmScreenPicker::finish()
{
    tmrZoom->stop();
    releaseKeyboard();
    hide();
}
