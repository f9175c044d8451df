#pragma once

#include "TColor.h"

#include <QImage>
#include <QWidget>

class QLabel;
class QTimer;

// The screen colour picker: a borderless window over the whole virtual
// desktop showing a frozen snapshot of it (`imgDesktop`, cross-hair cursor),
// with a floating panel (`pnlColor`: the magnifier `imgZoom` and the colour
// under the pointer `imgColor`) that jumps between the top corners when the
// pointer comes onto it. A press picks the snapshot's pixel (picked), Escape
// leaves without a colour (cancelled); either way the window hides.
//
// The magnifier and the colour are read from the snapshot, which is what the
// screen shows while the picker covers it. `tmrZoom` follows the pointer.
class TfrmScreenPicker : public QWidget {
    Q_OBJECT
public:
    explicit TfrmScreenPicker(QWidget* parent = nullptr);

    // Covers `desktop` (the virtual desktop in global coordinates) with
    // `snapshot` (its picture, one pixel a logical pixel) and shows.
    void start(const QImage& snapshot, const QRect& desktop);
    const QImage& snapshot() const { return m_snapshot; }

    // One magnifier tick for a pointer at `global` (the timer passes the
    // cursor's position).
    void tick(QPoint global);
    int panelLeft() const;

    // A snapshot of the whole virtual desktop from the screens (X11), or a
    // null image where the platform does not let a program read the screen.
    static QImage GrabDesktop(QRect& desktop);

signals:
    void picked(TColor color);
    void cancelled();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void finish();

    QImage m_snapshot;
    QRect m_desktop;
    QWidget* pnlColor = nullptr;
    QLabel* imgZoom = nullptr;
    QLabel* imgColor = nullptr;
    QTimer* tmrZoom = nullptr;
    QPoint m_lastPointer{-1, -1};
};
