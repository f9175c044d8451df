#pragma once

#include "TColor.h"

#include <QComboBox>
#include <QImage>

class TColorHistory;

// cboHistory: the base-colour history as a drop-down list of "#RRGGBB"
// captions with 16 x 16 swatches, the entry at the history position
// selected. Picking an entry calls TColorHistory::Choose, which asks for the
// colour to be applied (TColorHistory::applyRequested). 100 pixels wide,
// 8 entries visible when open; place it at (492, 5).
class THistoryCombo : public QComboBox {
    Q_OBJECT
public:
    explicit THistoryCombo(TColorHistory* history, QWidget* parent = nullptr);

    // A 14 x 14 square (1, 1)-(15, 15) of the colour outlined in black; the
    // rest of the 16 x 16 image is transparent.
    static QImage swatchImage(TColor color);

private:
    void rebuild();

    TColorHistory* m_history;
};
