#pragma once

#include "DisplayColor.h"
#include "PalettePicture.h"

#include <QImage>
#include <QWidget>

// The colour palette `pbPalette` (257 x 47). The picture of the chosen kind
// is built when first needed after a change (setKind, rebuild) and copied on
// every paint. Only pixels that PalettePixelCounts accepts respond:
// - a press emits colorCommitted with the pixel's colour (SetBaseColor; the
//   colour as displayed, so under a colour-vision simulation the simulated
//   colour is picked);
// - a move emits hoverColor (the host previews it in the base swatch and
//   the status line without committing);
// - leaving the palette emits hoverLeft (the host restores both from the
//   base colour).
class TPaletteView : public QWidget {
    Q_OBJECT
public:
    explicit TPaletteView(QWidget* parent = nullptr);

    // Selects the kind (the `Palette` setting, 0..2) and rebuilds the picture.
    void setKind(Workspace::PaletteKind kind);
    Workspace::PaletteKind kind() const { return m_kind; }

    // The colour-vision simulation the picture is drawn with (normal vision
    // until set); rebuilds the picture.
    void setDisplayMapper(const TDisplayMapper& display);
    const TDisplayMapper& displayMapper() const { return m_display; }

    const QImage& image() const;

public slots:
    // The picture is built again, e.g. after a change of the colour-vision mode.
    void rebuild();

signals:
    void colorCommitted(TColor color);
    void hoverColor(TColor color);
    void hoverLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    std::optional<TColor> colorAt(QPoint pos) const;

    Workspace::PaletteKind m_kind = Workspace::PaletteKind::Websafe;
    TDisplayMapper m_display;
    mutable QImage m_image; // null until built
};
