#pragma once

#include <QColor>
#include <QList>

class QDialog;
class QPixmap;
class QPushButton;
class QWidget;

// The frame both wizards share: the dialog itself (modal, fixed at 432 x 296,
// Tahoma 8 points), the sunken side
// picture `imgSide` (12, 12, 128 x 228) showing `side` (126 x 226), the
// rule above the buttons, "< Back" `cmdBack`, "Next >" `cmdNext` (the
// default button) and "Cancel" `cmdCancel`, and `pageCount` pages
// `pnlPage1`.. at (144, 8), 282 x 240, which the wizard fills.
struct WizardFrame {
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdCancel = nullptr;
    QList<QWidget*> pages;
};

WizardFrame BuildWizardFrame(QDialog* dialog, const QPixmap& side, int pageCount);

// The decorative side picture (126 x 226): a vertical gradient from top
// through middle to bottom, with six squares of 44 x 44 in two columns, square
// i in the hue firstHue + i * hueStep (degrees) at the given HSV saturation
// and value 250.
struct WizardSideColors {
    QColor top, middle, bottom;
    int firstHue, hueStep, saturation;
};
QPixmap WizardSidePicture(const WizardSideColors& colors);
