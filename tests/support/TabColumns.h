#pragma once

#include "TTabStopDelegate.h"

#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QListWidget>
#include <QRect>
#include <QScrollBar>
#include <QTest>
#include <QtGlobal>

// Where a list row's text is drawn: the first and last columns holding ink
// (pixels unlike the row's commonest colour) and the first column of the
// last word, the ink after the last gap of at least `gap` blank columns.
struct RowInk {
    int first = -1;
    int lastWordStart = -1;
    int last = -1;
};

inline RowInk rowInk(const QImage& img, const QRect& row, int gap = 4)
{
    QHash<QRgb, int> counts;
    for (int y = row.top() + 1; y < row.bottom(); ++y)
        for (int x = row.left(); x <= row.right(); ++x)
            ++counts[img.pixel(x, y)];
    QRgb background = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            background = it.key();
        }
    auto inked = [&](int x) {
        for (int y = row.top() + 1; y < row.bottom(); ++y) {
            const QRgb p = img.pixel(x, y);
            if (qAbs(qRed(p) - qRed(background)) + qAbs(qGreen(p) - qGreen(background))
                    + qAbs(qBlue(p) - qBlue(background)) > 90)
                return true;
        }
        return false;
    };
    RowInk ink;
    int blank = 0;
    for (int x = row.left(); x <= row.right(); ++x) {
        if (!inked(x)) {
            ++blank;
            continue;
        }
        if (ink.first < 0)
            ink.first = x;
        if (ink.lastWordStart < 0 || blank >= gap)
            ink.lastWordStart = x;
        ink.last = x;
        blank = 0;
    }
    return ink;
}

// The row `row` of a wizard's type list drawn by TTabStopDelegate with
// `tabWidth` dialog units: "name<TABs>code", the code at stop `stopIndex`
// after the name, in the layout and in the pixels drawn (give or take the
// side bearings of the first letters), whole inside a list that does not
// scroll sideways. Check QTest::currentTestFailed() after it.
inline void verifyTabColumn(QListWidget* list, int row, const QString& name, const QString& code, int tabWidth,
                            int stopIndex)
{
    const auto* delegate = dynamic_cast<const TTabStopDelegate*>(list->itemDelegate());
    QVERIFY(delegate);
    QCOMPARE(delegate->tabWidth(), tabWidth);
    const QFontMetrics fm(list->font());
    const int stop = TTabStopDelegate::tabStopPixels(tabWidth, TTabStopDelegate::averageCharWidth(fm));
    const QList<TTabStopDelegate::Run> runs = delegate->layout(list->item(row)->text(), fm);
    QCOMPARE(runs.size(), 2);
    QCOMPARE(runs[0].text, name);
    QCOMPARE(runs[0].x, 0);
    QCOMPARE(runs[1].text, code);
    QCOMPARE(runs[1].x, stopIndex * stop);
    QVERIFY(fm.horizontalAdvance(name) < runs[1].x);

    list->scrollToItem(list->item(row));
    QVERIFY(!list->horizontalScrollBar()->isVisible());
    const QImage img = list->viewport()->grab().toImage();
    const QRect itemRect = list->visualItemRect(list->item(row)).intersected(img.rect());
    const RowInk ink = rowInk(img, itemRect);
    QVERIFY(ink.first >= itemRect.left());
    QVERIFY2(qAbs(ink.lastWordStart - ink.first - runs[1].x) <= 2,
             qPrintable(QStringLiteral("code ink at %1, name ink at %2, stop at %3")
                            .arg(ink.lastWordStart).arg(ink.first).arg(runs[1].x)));
    const int codeInk = ink.last - ink.lastWordStart + 1;
    QVERIFY2(codeInk >= fm.horizontalAdvance(code) - 3 && codeInk <= fm.horizontalAdvance(code) + 2,
             qPrintable(QStringLiteral("code ink %1 pixels wide").arg(codeInk)));
}
