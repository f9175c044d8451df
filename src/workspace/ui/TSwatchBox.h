#pragma once

#include "DisplayColor.h"
#include "TColorView.h"

// One colour swatch: the harmony and suggestion swatches (`pbHarmony1`...,
// 30 x 29, drawn like DrawSwatch in the displayed colour) and the
// variation boxes (`pbColors1`..`pbColors16`, 45 x 45, true colours). A
// press picks the colour of the swatch's pixel (5, 5). A swatch without a
// colour is disabled, takes no mouse input and paints nothing, so whatever
// lies under it shows. Signals as for every TColorView.
class TSwatchBox : public TColorView {
    Q_OBJECT
public:
    enum class Style { Swatch, VariationBox };

    TSwatchBox(const QString& objectName, QSize size, Style style, QWidget* parent = nullptr);

    // The true colour shown, or none. Repaints.
    void setColor(std::optional<TColor> color);
    std::optional<TColor> color() const { return m_color; }

    // The colour-vision simulation of a Swatch-style box (repaints it); a
    // variation box keeps showing the true colour whatever is set here.
    void setDisplayMapper(const TDisplayMapper& display);

    // The colour a press picks (pixel (5, 5)); none while no colour is shown.
    std::optional<TColor> pickedColor();

protected:
    void render(QPainter& p) override;
    std::optional<TColor> pickAt(QPoint pos) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Style m_style;
    std::optional<TColor> m_color;
    TDisplayMapper m_display;
};
