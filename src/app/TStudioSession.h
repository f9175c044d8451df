#pragma once

#include "DisplayColor.h"
#include "TColor.h"
#include "WheelColors.h"

#include <QObject>

class TColorHistory;
class TFavoritesList;
class TSchemeDocument;

// The state of one studio session, apart from any window: the base colour
// and the colours derived from it, the picked colour, the wheel kind, the
// snap and colour-vision modes, the favourites with their selection and
// modified flag, the history, the open scheme (file name, preview colours)
// and the steps of the lighten/darken/saturate/desaturate commands.
//
// Windows paint this state and forward input; they follow the signals below
// instead of keeping copies. Stored colours are always true colours.
//
// SetBaseColor(c), in this order (the no-change shortcut first):
//  1. returns at once when c is WheelColors()[0], the session is shown and
//     the history is not applying a step;
//  2. records c in the history unless a step is being applied, and clears
//     the history's navigating flag;
//  3. WorkingColor = c, then baseColorCommitted(c): the editors show c;
//  4. WheelColors recomputed (RYB or RGB), then wheelColorsChanged: the
//     visible derived view repaints;
//  5. PendingColor = c;
//  6. WorkingColor settles on WheelColors()[0] (workingColorChanged when that
//     differs), then baseColorSet(c): the status line and the navigation.
// It never marks the scheme modified.
class TStudioSession : public QObject {
    Q_OBJECT
public:
    explicit TStudioSession(QObject* parent = nullptr);
    ~TStudioSession() override;

    // --- base colour ---------------------------------------------------
    void SetBaseColor(TColor color);
    // The no-change shortcut of SetBaseColor applies only while the main
    // window is shown; before that every colour is applied.
    void setShown(bool shown) { m_shown = shown; }

    // The colour in the base swatch and the editors; an editor changes it at
    // once, and it becomes the base colour only when committed.
    TColor WorkingColor() const { return m_working; }
    void setWorkingColor(TColor color);
    // Back to the committed base colour, after a preview (palette hover) or
    // the wheel's regeneration moved it.
    void settleWorkingColor();

    // The colour a press on a colour view picked up and a drag carries.
    TColor PendingColor() const { return m_pending; }
    void setPendingColor(TColor color) { m_pending = color; }
    // After a drag or drop: the picked colour falls back to the base colour.
    void resetPendingColor() { m_pending = m_wheel[0]; }

    const TWheelColors& WheelColors() const { return m_wheel; }
    TColor baseColor() const { return m_wheel[0]; }

    // The traditional (RYB) or computer (RGB) wheel. A change regenerates
    // the wheel from the base colour without recording it in the history.
    bool rybMode() const { return m_ryb; }
    void setRybMode(bool ryb);

    // 0 websafe (multiples of 51), 1 WebSmart (multiples of 17); any other
    // value is taken as 0.
    int WebSnapMode() const { return m_snapMode; }
    void setWebSnapMode(int mode);

    // The colour-vision simulation of the main window's views, 0..8 (see
    // ColorVision::Mode); any other value is normal vision.
    int visionMode() const { return m_display.mode(); }
    const TDisplayMapper& display() const { return m_display; }
    void setVisionMode(int mode);

    // Steps in percent of lighten/darken and saturate/desaturate.
    int lightStep() const { return m_lightStep; }
    int saturationStep() const { return m_satStep; }
    void setSteps(int lightStep, int saturationStep);
    // Moves the working colour's saturation and lightness by the given
    // percentages (each result kept within 0..1) and commits it.
    void adjustBase(int saturationPercent, int lightnessPercent);

    // --- favourites, history and the open scheme -------------------------
    TFavoritesList& favorites() const { return *m_favorites; }
    TColorHistory& history() const { return *m_history; }
    TSchemeDocument& document() const { return *m_document; }
    bool isModified() const;

signals:
    // Step 3 of SetBaseColor: the editors show the new base colour.
    void baseColorCommitted(TColor color);
    // The working colour changed in some other way (an editor, a preview,
    // settling on the base colour): the base swatch repaints.
    void workingColorChanged(TColor color);
    void wheelColorsChanged(const TWheelColors& colors);
    // The end of SetBaseColor.
    void baseColorSet(TColor color);
    void rybModeChanged(bool ryb);
    void webSnapModeChanged(int mode);
    void visionModeChanged(const TDisplayMapper& display);

private:
    TFavoritesList* m_favorites;
    TColorHistory* m_history;
    TSchemeDocument* m_document;
    TColor m_working = MakeColor(255, 102, 0);
    TColor m_pending = MakeColor(255, 102, 0);
    TWheelColors m_wheel{};
    TDisplayMapper m_display;
    bool m_ryb = true;
    bool m_shown = false;
    int m_snapMode = 0;
    int m_lightStep = 5;
    int m_satStep = 5;
};
