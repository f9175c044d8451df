#include "TSuggestionView.h"

TSuggestionView::TSuggestionView(QWidget* parent) : TColorView(QStringLiteral("pbSug"), QSize(261, 208), parent)
{
    m_state.size = size();
}

void TSuggestionView::setScheme(const Workspace::SuggestedScheme& scheme)
{
    m_state.scheme = scheme;
    refresh();
}

void TSuggestionView::setDisplayMapper(const TDisplayMapper& display)
{
    m_state.display = display;
    refresh();
}

void TSuggestionView::render(QPainter& p)
{
    Workspace::renderSuggestion(p, m_state);
}
