#pragma once

#include "HarmonyPicture.h"
#include "TColorView.h"

// The harmony wheel `pbHarmWheel` (262 x 208) of the harmonies frame. It
// shares the wheel's mouse rules: a pixel showing one of the 24 entries
// (in practice the opaque member sectors and, for Monochromatic, the centre
// shades, since the faded ring is blended with the background) can be
// pressed, committed and dragged. Signals as for every TColorView.
class THarmonyWheelView : public TColorView {
    Q_OBJECT
public:
    explicit THarmonyWheelView(QWidget* parent = nullptr);

    // The wheel colours and the harmony to draw. Repaints.
    void setState(const TWheelColors& colors, Workspace::HarmonyType type);
    const Workspace::HarmonyWheelState& state() const { return m_state; }

    // The colour-vision simulation of the picture and its hit test. Repaints.
    void setDisplayMapper(const TDisplayMapper& display);

protected:
    void render(QPainter& p) override;
    std::optional<TColor> pickAt(QPoint pos) override;

private:
    Workspace::HarmonyWheelState m_state;
};
