#pragma once

#include "Mixer.h"
#include "TToolWindow.h"

#include <QImage>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QMouseEvent;
class QSlider;
class TChannelBar;
class TPaintBox;
class TStudioSession;
class TStudioViews;

// One end of the blend (`pbBase`, `pbBase2`, 149 x 50): a sunken well with a
// black frame round the colour, in true colours. Any colour drag may drop
// here: colorDropped(the colour the drag carries — the current favourite's
// for a drag out of the favourites, the picked colour for any other).
class TMixEndSwatch : public QWidget {
    Q_OBJECT
public:
    TMixEndSwatch(const QString& name, QWidget* parent);
    void setColor(TColor color);
    TColor color() const { return m_color; }
    const QImage& image();

signals:
    void colorDropped(TColor color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    TColor m_color = clWhite;
    QImage m_image;
    bool m_dirty = true;
};

// The colour mixer, "Color Mixer" (348 x 377): blends the start colour into
// the end colour in 1..58 steps, straight through RGB or round the hue circle
// either way, and shows the mixed colours in the strip `pbMixColor`. A click
// on a mixed swatch makes it the base colour, a drag carries it (to the
// favourites or any other drop target), `cmdAddAllMixedFavs` adds them all.
//
// Each end is three number boxes (`txtR`.. / `txtR2`..: digits only, three
// at most, empty reads 0, above 255 becomes 255) with their bars (`pbR`.. /
// `pbR2`..) and its swatch; the end's colour is always that of its boxes.
// Position and `Steps` come from section Mixer when the window is built.
class TfrmMixer : public TToolWindow {
    Q_OBJECT
public:
    TfrmMixer(TStudioSession& session, TStudioViews& views, const SettingsStore& settings, TColor start,
              QWidget* parent = nullptr);

    // Writes the colour into the start boxes, which makes it the start colour.
    void setStartColor(TColor color);
    void setEndColor(TColor color);
    TColor startColor() const { return m_ends[0].color; }
    TColor endColor() const { return m_ends[1].color; }

    // The mixed colours, start first and end last (steps + 2): the mixer's
    // group of the export wizard and the print window.
    const QList<TColor>& mixedColors() const { return m_mixed; }
    int steps() const;
    Tools::MixPath path() const;

    // Mixer/Top, Left and Steps, as the main window writes them at close.
    QList<QPair<SettingKey, QString>> closingSettings() const;

    // The strip's swatch under a point (-1 for none).
    int swatchAt(QPoint pos) const { return Tools::MixSwatchAt(pos, m_mixed.size()); }

signals:
    // The mixed colours changed (a colour, the steps or the path).
    void mixedColorsChanged();

private:
    struct End {
        TMixEndSwatch* swatch = nullptr;
        std::array<TChannelBar*, 3> bars{};
        std::array<QLineEdit*, 3> boxes{};
        TColor color = clWhite;
    };

    void buildEnd(int which, int left);
    void setEndFromBoxes(int which);
    void writeBoxes(int which, TColor color);
    void rebuild();
    void stepsOrPathChanged();
    void stripPressed(QMouseEvent* event);
    void stripMoved(QMouseEvent* event);
    void stripReleased(QMouseEvent* event);
    void addAllToFavorites();

    TStudioSession& m_session;
    TStudioViews& m_views;
    std::array<End, 2> m_ends;
    TPaintBox* pbMixColor = nullptr;
    QLabel* lblSteps = nullptr;
    QSlider* m_steps = nullptr;
    QComboBox* cboPath = nullptr;
    QList<TColor> m_mixed;
    bool m_updating = false;
    bool m_stripPressed = false;
    QPoint m_pressPos;
};
