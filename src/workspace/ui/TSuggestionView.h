#pragma once

#include "SuggestionPicture.h"
#include "TColorView.h"

// The sample web page `pbSug` (261 x 208) of the suggestions frame. It only
// shows the scheme; it picks no colours.
class TSuggestionView : public TColorView {
    Q_OBJECT
public:
    explicit TSuggestionView(QWidget* parent = nullptr);

    // The scheme to draw (true colours). Repaints.
    void setScheme(const Workspace::SuggestedScheme& scheme);
    const Workspace::SuggestedScheme& scheme() const { return m_state.scheme; }

    // The colour-vision simulation of the sample page. Repaints.
    void setDisplayMapper(const TDisplayMapper& display);

protected:
    void render(QPainter& p) override;
    std::optional<TColor> pickAt(QPoint) override { return std::nullopt; }

private:
    Workspace::SuggestionState m_state;
};
