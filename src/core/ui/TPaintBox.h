#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

// A fixed-size custom view. Every paint renders into an off-screen image of
// the box's size, which is then copied to the screen in one piece; reads of
// "the colour under the mouse" come from that image, so what is hit-tested
// is exactly what was painted. Mouse input is forwarded as signals.
class TPaintBox : public QWidget {
    Q_OBJECT
public:
    using Renderer = std::function<void(QPainter&, const QSize&)>;

    explicit TPaintBox(const QString& name, QWidget* parent = nullptr);

    void setRenderer(Renderer renderer) { m_renderer = std::move(renderer); }

    // Renders now (synchronously) and schedules the copy to the screen.
    void renderNow();
    const QImage& image() const { return m_image; }
    QRgb pixelAt(QPoint p) const;

signals:
    void mousePressed(QMouseEvent* event);
    void mouseMoved(QMouseEvent* event);
    void mouseReleased(QMouseEvent* event);
    void mouseLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    Renderer m_renderer;
    QImage m_image;
    bool m_dirty = true;
};
