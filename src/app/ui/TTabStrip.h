#pragma once

#include <QHash>
#include <QTabBar>

// The view tabs above the wheel (`tabDisplay`), drawn in code: flat grey
// tabs with a 1-pixel #A0A0A0 outline open at the bottom, 3 pixels of
// padding beside the caption and 2 above and below it; the tabs overlap by
// one pixel, and the current one is lighter (#F0F0F0 against #E4E4E4) and
// stands 2 pixels taller. The same look through a style sheet made laying
// out the three tabs the costliest step of showing the main window.
//
// QTabBar lays its tabs out again on nearly every change (each tab added,
// each property set, each resize) and asks for every tab's size each time;
// a caption is measured once per font and remembered.
class TTabStrip : public QTabBar {
    Q_OBJECT
public:
    explicit TTabStrip(QWidget* parent = nullptr);

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    mutable QHash<QString, QSize> m_sizes; // caption -> tab size in the current font
};
