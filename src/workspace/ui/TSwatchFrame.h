#pragma once

#include "DisplayColor.h"
#include "WheelColors.h"

#include <QList>
#include <QStringList>
#include <QPoint>
#include <QWidget>

#include <optional>
#include <vector>

class QComboBox;
class TColorView;
class TSwatchBox;

// The common part of the harmonies and suggestions frames (262 x 262): a
// picture at the top with swatches `pbHarmony1`.. on it, the caption
// `lblTypes` and the type list `cboTypes` under it, and the "add all" button
// beside the list.
//
// The host calls setColors from SetBaseColor and the tab change,
// setDisplayMapper on a change of the colour-vision mode (the picture and
// the swatches follow it), and refresh to recompute. Colour-view signals of
// the picture (when it picks colours) and of the swatches are forwarded:
// colorPressed (PendingColor), colorCommitted (SetBaseColor; a release on the
// base colour commits nothing), contextMenuRequested (colour pop-up menu),
// dragStarted / dragFinished. addAllRequested carries the displayed colours
// of the swatches that show one, in swatch order, for AddColorsToFavorites.
class TSwatchFrame : public QWidget {
    Q_OBJECT
public:
    void setColors(const TWheelColors& colors);
    const TWheelColors& colors() const { return m_colors; }

    void setDisplayMapper(const TDisplayMapper& display);
    const TDisplayMapper& displayMapper() const { return m_display; }

    TSwatchBox* swatch(int n) const { return m_swatches[size_t(n - 1)]; } // n = 1..swatchCount()
    int swatchCount() const { return int(m_swatches.size()); }

    // The colours a press on each swatch showing one would pick (the
    // displayed colours), in swatch order.
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

protected:
    // What tells the two frames apart.
    struct Layout {
        const char* objectName;
        const char* caption;      // above the type list
        int captionWidth;
        const char* addAllName;   // objectName of the "add all" button
        const char* addAllHint;
        QStringList types;        // the items of cboTypes
    };
    TSwatchFrame(const Layout& layout, QWidget* parent);

    // The list texts of a table of types, each entry with a `caption`.
    template <class Table>
    static QStringList captionsOf(const Table& table)
    {
        QStringList out;
        for (const auto& entry : table)
            out.append(QString::fromLatin1(entry.caption));
        return out;
    }

    // Places the picture (a child of this frame) at (0, 0) and the swatches (30 x 29) on it at the
    // given positions; call once from the constructor, then recompute().
    // forwardPicture: the picture's own colour picks are forwarded too.
    void setPicture(TColorView* picture, const QList<QPoint>& swatchPositions, bool forwardPicture);

    int typeIndex() const;
    void setTypeIndex(int index);
    // Shows colour (or nothing, disabling the swatch) on swatch n (1-based).
    void setSwatchColor(int n, std::optional<TColor> color);

    // Draws the picture and fills the swatches for the current colours,
    // type and display mapper.
    virtual void recompute() = 0;
    // Hands the display mapper to the picture.
    virtual void applyPictureDisplay(const TDisplayMapper& display) = 0;

private:
    TWheelColors m_colors{};
    TDisplayMapper m_display;
    std::vector<TSwatchBox*> m_swatches;
    QComboBox* m_types;
};
