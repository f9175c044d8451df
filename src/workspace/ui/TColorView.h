#pragma once

#include "TColor.h"
#include "paint/ColorMime.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <optional>

class QMimeData;

// A fixed-size colour view of the workspace. It renders into an off-screen
// image of its own size, copies that image on every paint, and reads the
// colour under the mouse from it, so what is hit-tested is what was drawn.
//
// Mouse behaviour, shared by the wheel, the harmony wheel and every swatch:
// - a press (left or right button) on a pickable point emits colorPressed
//   with its colour (the host makes it PendingColor); a right press then
//   emits contextMenuRequested instead of holding the mouse;
// - moving more than 10 pixels with the left button held starts a drag of
//   that colour (ColorMime, source "wheel"): dragStarted, then dragFinished
//   when the drag is over (the host resets PendingColor to the base colour);
// - a left release without a drag emits colorCommitted (SetBaseColor),
//   unless the colour is the reference colour set with setReferenceColor.
// The hand cursor shows over every pickable point.
class TColorView : public QWidget {
    Q_OBJECT
public:
    TColorView(const QString& objectName, QSize size, QWidget* parent = nullptr);

    // The current picture (rendered on demand) and one pixel of it.
    const QImage& image();
    TColor pixelAt(QPoint pos);

    // A release on this colour commits nothing (the host's base colour).
    void setReferenceColor(std::optional<TColor> color) { m_reference = color; }

    // Runs a drag; replaceable so tests can observe drags without a drag
    // loop. The default runs QDrag::exec. Takes ownership of the data.
    using DragRunner = ColorMime::DragRunner;
    static void setDragRunner(DragRunner runner);

public slots:
    // Renders the picture again from the view's state and repaints; call
    // after a change of the colour-vision mode.
    void refresh();

signals:
    void colorPressed(TColor color);
    void colorCommitted(TColor color);
    void contextMenuRequested(TColor color, QPoint globalPos);
    void dragStarted(TColor color);
    void dragFinished();

protected:
    // Draws the whole picture of the view's size.
    virtual void render(QPainter& p) = 0;
    // The colour a press at pos picks, if any.
    virtual std::optional<TColor> pickAt(QPoint pos) = 0;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void ensureRendered();
    void startDrag();

    QImage m_image;
    bool m_dirty = true;
    bool m_mouseHeld = false;
    QPoint m_pressPos;
    TColor m_pending{};
    std::optional<TColor> m_reference;
};
