#include "TfraSuggested.h"

#include "TSuggestionView.h"

using Workspace::SuggestionStyle;

TfraSuggested::TfraSuggested(QWidget* parent)
    : TSwatchFrame({"fraSuggested", "Select Suggested Color Scheme Style:", 250, "cmdAddAllSuggFavs",
                    "Add all Suggested Colors to Favorites", captionsOf(Workspace::kSuggestionStyles)},
                   parent)
    , m_page(new TSuggestionView(this))
{
    setPicture(m_page, {QPoint(25, 167), QPoint(61, 167), QPoint(97, 167), QPoint(133, 167), QPoint(169, 167),
                        QPoint(205, 167)},
               false);
    recompute();
}

SuggestionStyle TfraSuggested::style() const
{
    return Workspace::SuggestionFromIndex(typeIndex());
}

void TfraSuggested::setStyle(SuggestionStyle style)
{
    setTypeIndex(int(style));
}

void TfraSuggested::applyPictureDisplay(const TDisplayMapper& display)
{
    m_page->setDisplayMapper(display);
}

void TfraSuggested::recompute()
{
    m_scheme = Workspace::ComputeSuggestion(style(), colors());
    m_page->setScheme(m_scheme);
    const QList<TColor> list = Workspace::SuggestionSwatchColors(m_scheme);
    for (int n = 0; n < swatchCount(); ++n)
        setSwatchColor(n + 1, n < list.size() ? std::optional<TColor>(list[n]) : std::nullopt);
}
