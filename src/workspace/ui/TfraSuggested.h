#pragma once

#include "Suggestions.h"

#include <QList>
#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QToolButton;
class TSuggestionView;
class TSwatchBox;

// The suggestions frame `fraSuggested` (262 x 262) of the " Suggested
// Colors" tab: the sample page `pbSug`, the swatches `pbHarmony1` to
// `pbHarmony6` (30 x 29 at y = 167, x = 25, 61, 97, 133, 169, 205), the style
// list `cboTypes` under the caption "Select Suggested Color Scheme Style:"
// and the button `cmdAddAllSuggFavs`.
//
// The host calls setColors from SetBaseColor and the tab change, and
// refresh after a colour-vision change. Swatch signals are forwarded:
// colorPressed (PendingColor), colorCommitted (SetBaseColor),
// contextMenuRequested (colour pop-up menu), dragStarted / dragFinished.
// addAllRequested carries the displayed colours of the shown swatches.
//
// Role colours are kept as true colours and pass through DisplayColor once,
// where they are drawn, so a simulation never applies twice.
class TfraSuggested : public QWidget {
    Q_OBJECT
public:
    explicit TfraSuggested(QWidget* parent = nullptr);

    void setColors(const TWheelColors& colors);

    Workspace::SuggestionStyle style() const;
    void setStyle(Workspace::SuggestionStyle style);

    const Workspace::SuggestedScheme& scheme() const { return m_scheme; }
    TSuggestionView* page() const { return m_page; }
    TSwatchBox* swatch(int n) const { return m_swatches[size_t(n - 1)]; } // n = 1..6

    // The displayed colours of the enabled swatches, in swatch order.
    QList<TColor> shownSwatchColors() const;

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
    void recompute();

    TWheelColors m_colors{};
    Workspace::SuggestedScheme m_scheme;
    TSuggestionView* m_page;
    std::array<TSwatchBox*, 6> m_swatches{};
    QLabel* m_caption;
    QComboBox* m_types;
    QToolButton* m_addAll;
};
