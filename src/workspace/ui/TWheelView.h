#pragma once

#include "TColorView.h"
#include "WheelPicture.h"

// The colour wheel `picWheel` (262 x 262): the 24 wheel colours as twelve
// hue wedges and two rings of shade spokes, drawn through the display mapper.
// Pointing at a wedge or spoke shows the hand cursor; the colour under the
// mouse is mapped back to the first entry that shows it. Signals as for
// every TColorView: colorPressed (PendingColor), colorCommitted (release
// without drag on a colour other than entry 0: SetBaseColor),
// contextMenuRequested (right button: the colour pop-up menu), dragStarted /
// dragFinished.
class TWheelView : public TColorView {
    Q_OBJECT
public:
    explicit TWheelView(QWidget* parent = nullptr);

    // The wheel colours to show; entry 0 is the base colour. Repaints.
    void setColors(const TWheelColors& colors);
    const TWheelColors& colors() const { return m_state.colors; }

    // The colour-vision simulation of the picture (normal vision until set).
    // Repaints; the hit test follows it.
    void setDisplayMapper(const TDisplayMapper& display);
    const TDisplayMapper& displayMapper() const { return m_state.display; }

    // The entry shown at a point of the view, if any.
    std::optional<int> entryAt(QPoint pos);

protected:
    void render(QPainter& p) override;
    std::optional<TColor> pickAt(QPoint pos) override;

private:
    Workspace::WheelState m_state;
};
