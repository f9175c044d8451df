#pragma once

#include "Suggestions.h"
#include "TSwatchFrame.h"

class TSuggestionView;

// The suggestions frame `fraSuggested` (262 x 262) of the " Suggested
// Colors" tab: the sample page `pbSug`, the swatches `pbHarmony1` to
// `pbHarmony6` (30 x 29 at y = 167, x = 25, 61, 97, 133, 169, 205), the style
// list `cboTypes` under the caption "Select Suggested Color Scheme Style:"
// and the button `cmdAddAllSuggFavs` ("Add all Suggested Colors to
// Favorites"). Host calls and signals: see TSwatchFrame; the sample page
// picks nothing.
//
// Role colours are kept as true colours and pass through the display mapper
// once, where they are drawn, so a simulation never applies twice.
class TfraSuggested : public TSwatchFrame {
    Q_OBJECT
public:
    explicit TfraSuggested(QWidget* parent = nullptr);

    Workspace::SuggestionStyle style() const;
    void setStyle(Workspace::SuggestionStyle style);

    const Workspace::SuggestedScheme& scheme() const { return m_scheme; }
    TSuggestionView* page() const { return m_page; }

protected:
    void recompute() override;
    void applyPictureDisplay(const TDisplayMapper& display) override;

private:
    Workspace::SuggestedScheme m_scheme;
    TSuggestionView* m_page;
};
