#pragma once

#include "WheelColors.h"

#include <QWidget>

#include <array>

class TSwatchBox;

// The variation boxes `fraBoxes` (262 x 261), the "Color Swatches" style of
// the wheel tab: the background `pbBG` with the sixteen boxes `pbColors1` to
// `pbColors16` (45 x 45 on the 4 x 4 grid). The boxes show true colours, so
// a colour-vision simulation does not apply to them.
//
// The host calls setColors from SetBaseColor while the boxes are visible.
// Box signals are forwarded: colorPressed (PendingColor), colorCommitted
// (SetBaseColor; a release on the base colour commits nothing),
// contextMenuRequested (colour pop-up menu), dragStarted / dragFinished.
class TfraBoxes : public QWidget {
    Q_OBJECT
public:
    explicit TfraBoxes(QWidget* parent = nullptr);

    void setColors(const TWheelColors& colors);
    TSwatchBox* box(int n) const { return m_boxes[size_t(n - 1)]; } // n = 1..16

public slots:
    void refresh();

signals:
    void colorPressed(TColor color);
    void colorCommitted(TColor color);
    void contextMenuRequested(TColor color, QPoint globalPos);
    void dragStarted(TColor color);
    void dragFinished();

private:
    TWheelColors m_colors{};
    QWidget* m_background;
    std::array<TSwatchBox*, 16> m_boxes{};
};
