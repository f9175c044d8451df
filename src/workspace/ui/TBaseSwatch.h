#pragma once

#include "DisplayColor.h"
#include "TColor.h"

#include <QImage>
#include <QWidget>

// The base swatch `pbBase` (149 x 50): the working colour, a drag source and
// a drop target.
// - A left press picks the colour under pixel (5, 5) (colorPressed; the host
//   makes it the picked colour); a right press asks for the colour pop-up
//   menu instead (contextMenuRequested).
// - Moving more than 10 pixels with the button held drags the working colour
//   (ColorMime, source "base"): dragStarted before, dragFinished after.
// - Any colour drag may be dropped here: colorDropped(colour) (the host
//   makes it the base colour).
class TBaseSwatch : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDragThreshold = 10;

    explicit TBaseSwatch(QWidget* parent = nullptr);

    TColor color() const { return m_color; }
    void setColor(TColor color);
    void setDisplayMapper(const TDisplayMapper& display);

    const QImage& image();
    QRgb pixelAt(QPoint pos);

signals:
    void colorPressed(TColor color);
    void contextMenuRequested(TColor color, QPoint globalPos);
    void dragStarted(TColor color);
    void dragFinished();
    void colorDropped(TColor color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    TColor m_color = clWhite;
    TDisplayMapper m_display;
    QImage m_image;
    bool m_dirty = true;
    bool m_held = false;
    QPoint m_pressPos;
};
