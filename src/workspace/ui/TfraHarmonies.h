#pragma once

#include "Harmonies.h"
#include "TSwatchFrame.h"

class THarmonyWheelView;

// The harmonies frame `fraHarmonies` (262 x 262) of the " Color Harmonies"
// tab: the harmony wheel `pbHarmWheel`, the swatches `pbHarmony1` to
// `pbHarmony4` (30 x 29 at x = 218, y = 39, 75, 111, 147), the type list
// `cboTypes` under the caption "Select Harmony to display:" and the button
// `cmdAddAllFavs` ("Add all Harmonies to Favorites"). The selected type
// decides the members drawn on the wheel and which swatches show (the
// others are hidden). Host calls and signals: see TSwatchFrame; the harmony
// wheel's picks are forwarded as well.
class TfraHarmonies : public TSwatchFrame {
    Q_OBJECT
public:
    explicit TfraHarmonies(QWidget* parent = nullptr);

    Workspace::HarmonyType type() const;
    void setType(Workspace::HarmonyType type);

    THarmonyWheelView* wheel() const { return m_wheel; }

    // The displayed colours of the visible swatches, in swatch order.
    QList<TColor> visibleSwatchColors() const { return shownSwatchColors(); }

protected:
    void recompute() override;
    void applyPictureDisplay(const TDisplayMapper& display) override;

private:
    THarmonyWheelView* m_wheel;
};
