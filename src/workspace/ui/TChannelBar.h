#pragma once

#include "BaseColumnPicture.h"

#include <QAbstractSlider>
#include <QImage>

// One bar of the base column (`pbR`, `pbG`, `pbB`, `pbS`, `pbL`, 107 x 15):
// a slider over 0..255 or 0..100 that draws itself as a gradient with a
// marker triangle. It owns the arithmetic between pixels and values
// (BaseColumn::ValueAtPixel) and the marker: while the mouse drags it, the
// marker stays on the pointer's column; otherwise it shows the value.
//
// A left press or a move with the button held sets the slider position
// (sliderMoved); the release emits sliderReleased, which commits. The
// host sets value and gradient from the number boxes (setState); the wheel
// is left to the window (it scrolls the favourites) and the bar takes no
// keyboard focus.
class TChannelBar : public QAbstractSlider {
    Q_OBJECT
public:
    TChannelBar(const QString& name, BaseColumn::Bar bar, QWidget* parent = nullptr);

    BaseColumn::Bar bar() const { return m_bar; }
    // The bar's value (its own box) and the colour of the three R/G/B boxes
    // that its gradient is drawn from. Repaints.
    void setState(int value, TColor boxes);
    void setDisplayMapper(const TDisplayMapper& display);

    // The picture as last drawn, and one pixel of it.
    const QImage& image();
    QRgb pixelAt(QPoint pos);
    // The column the marker's tip stands on.
    int markerColumn() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void sliderChange(SliderChange change) override;

private:
    void dragTo(int x);
    void render();

    BaseColumn::Bar m_bar;
    TColor m_boxes = clBlack;
    TDisplayMapper m_display;
    int m_dragMarker = -1; // the pointer's column while dragging, else -1
    QImage m_image;
    bool m_dirty = true;
};
