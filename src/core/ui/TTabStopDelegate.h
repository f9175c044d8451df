#pragma once

#include <QList>
#include <QString>
#include <QStyledItemDelegate>

#include <functional>

class QFontMetrics;

// Draws list items with tabs ("Website\t\t\t\t\tURL") as a
// Windows list box with one tab width does: every '\t' moves the pen to the
// next multiple of the tab width, counted from the start of the item's text,
// and the text between two tabs is drawn where the pen then stands. So the
// type codes line up in a second column whatever the font.
//
// The tab width is in dialog units: four of them make one average character
// width of the list's font (see averageCharWidth()).
class TTabStopDelegate : public QStyledItemDelegate {
public:
    TTabStopDelegate(int tabWidth, QObject* parent);

    int tabWidth() const { return m_tabWidth; }

    // One piece of an item's text and where it starts, in pixels from the
    // start of the text.
    struct Run {
        int x = 0;
        QString text;
        bool operator==(const Run&) const = default;
    };

    // The average character width the dialog units are counted in: the
    // font's own average glyph width, QFontMetrics::averageCharWidth(). The
    // platform's rule for dialog base units (the width of "A".."Z" and
    // "a".."z" over 52) gives a pixel more with DejaVu Sans, the usual stand-in
    // for Tahoma, and that pushes the codes out of the 266-pixel list.
    static int averageCharWidth(const QFontMetrics& fm);
    // A tab width in dialog units as pixels: dialogUnits * averageCharWidth / 4,
    // rounded to the nearest pixel, ties to even; never less than 1.
    static int tabStopPixels(int dialogUnits, int averageCharWidth);
    // The runs of `text`: the pieces between tabs, empty ones left out, each
    // at the pen position the tabs before it leave. `width` measures a piece.
    static QList<Run> layout(const QString& text, int stopPixels, const std::function<int(const QString&)>& width);
    // layout() with this delegate's tab width in the font `fm`.
    QList<Run> layout(const QString& text, const QFontMetrics& fm) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int m_tabWidth;
};
