#pragma once

#include "Harmonies.h"

#include <QList>
#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QToolButton;
class THarmonyWheelView;
class TSwatchBox;

// The harmonies frame `fraHarmonies` (262 x 262) of the " Color Harmonies"
// tab: the harmony wheel `pbHarmWheel`, the swatches `pbHarmony1` to
// `pbHarmony4` (30 x 29 at x = 218, y = 39, 75, 111, 147), the type list
// `cboTypes` under the caption "Select Harmony to display:" and the button
// `cmdAddAllFavs`.
//
// The host calls setColors from SetBaseColor and the tab change, and
// refresh after a colour-vision change. The wheel and swatch signals are
// forwarded: colorPressed (PendingColor), colorCommitted (SetBaseColor),
// contextMenuRequested (colour pop-up menu), dragStarted / dragFinished.
// addAllRequested carries the colours of the visible swatches as they are
// displayed, for AddColorsToFavorites.
class TfraHarmonies : public QWidget {
    Q_OBJECT
public:
    explicit TfraHarmonies(QWidget* parent = nullptr);

    // Recomputes the harmony for the given wheel colours and repaints.
    void setColors(const TWheelColors& colors);

    Workspace::HarmonyType type() const;
    void setType(Workspace::HarmonyType type);

    THarmonyWheelView* wheel() const { return m_wheel; }
    TSwatchBox* swatch(int n) const { return m_swatches[size_t(n - 1)]; } // n = 1..4

    // The displayed colours of the visible swatches, in swatch order.
    QList<TColor> visibleSwatchColors() const;

public slots:
    void refresh();

signals:
    void colorPressed(TColor color);
    void colorCommitted(TColor color);
    void contextMenuRequested(TColor color, QPoint globalPos);
    void dragStarted(TColor color);
    void dragFinished();
    void addAllRequested(const QList<TColor>& colors);

private:
    void cboTypesChange();
    void recompute();

    TWheelColors m_colors{};
    THarmonyWheelView* m_wheel;
    std::array<TSwatchBox*, 4> m_swatches{};
    QLabel* m_caption;
    QComboBox* m_types;
    QToolButton* m_addAll;
};
