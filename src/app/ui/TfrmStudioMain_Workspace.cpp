// The matching colours: the tab set with the wheel (or swatch boxes), the
// harmonies and the suggested schemes, the wheel mode and style, the
// matching-colours menu and the palette.
#include "TfrmStudioMain.h"

#include "HSLUtils.h"
#include "TColorHistory.h"
#include "TFavoritesPanel.h"
#include "TFavoritesView.h"
#include "TPaintBox.h"
#include "TTabStrip.h"
#include "TPaletteView.h"
#include "TWheelView.h"
#include "TfraBoxes.h"
#include "TfraHarmonies.h"
#include "TfraSuggested.h"
#include "paint/GdiPaint.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QTabBar>
#include <QToolButton>

namespace {
constexpr QPoint kViewOrigin{162, 80};
}

template <class View>
void TfrmStudioMain::connectColorView(View* view)
{
    connect(view, &View::colorPressed, this, [this](TColor c) { m_pendingColor = c; });
    connect(view, &View::colorCommitted, this, &TfrmStudioMain::SetBaseColor);
    connect(view, &View::contextMenuRequested, this, &TfrmStudioMain::showColorPopup);
    connect(view, &View::dragFinished, this, [this] {
        m_favPanel->view()->refresh();
        m_pendingColor = m_wheelColors[0];
    });
}

void TfrmStudioMain::buildCentre()
{
    tabDisplay = new TTabStrip(m_client);
    tabDisplay->setObjectName(QStringLiteral("tabDisplay"));
    // Font and layout properties first: each one set after the tabs would
    // lay all of them out again.
    QFont tabFont = font();
    tabFont.setPixelSize(10);
    tabDisplay->setFont(tabFont);
    tabDisplay->setExpanding(false);
    tabDisplay->setUsesScrollButtons(false);
    tabDisplay->setElideMode(Qt::ElideNone);
    tabDisplay->setGeometry(162, 56, 244, 22);
    tabDisplay->addTab(QStringLiteral(" Color Wheel "));
    tabDisplay->addTab(QStringLiteral(" Color Harmonies"));
    tabDisplay->addTab(QStringLiteral(" Suggested Colors"));
    connect(tabDisplay, &QTabBar::currentChanged, this, &TfrmStudioMain::tabDisplayChange);

    picWheel = new TWheelView(m_client);
    picWheel->move(kViewOrigin);
    connectColorView(picWheel);
    // The swatch boxes, the harmonies and the suggestions are built when
    // first shown (showView); the window opens on one view only.

    // The matching-colours menu and its button beside the tabs.
    mnuMatchPop = new QMenu(this);
    mnuMatchPop->setObjectName(QStringLiteral("mnuMatchPop"));
    mnuRYB = makeAction(QStringLiteral("mnuRYB"), QStringLiteral("Traditional Color Wheel (RYB)"));
    mnuRGB = makeAction(QStringLiteral("mnuRGB"), QStringLiteral("Computer Color Wheel (RGB)"));
    for (QAction* a : {mnuRYB, mnuRGB}) {
        a->setCheckable(true);
        mnuMatchPop->addAction(a);
    }
    mnuRYB->setChecked(true);
    connect(mnuRYB, &QAction::triggered, this, [this] { mnuRYBClick(true); });
    connect(mnuRGB, &QAction::triggered, this, [this] { mnuRYBClick(false); });
    mnuMatchPop->addSeparator();
    QMenu* style = mnuMatchPop->addMenu(QStringLiteral("Color Wheel Style"));
    style->setObjectName(QStringLiteral("mnuMPStyle"));
    m_matchStyleMenu = style->menuAction();
    mnuMPColorWheel = makeAction(QStringLiteral("mnuMPColorWheel"), QStringLiteral("Color Wheel"));
    mnuMPColorSwatches = makeAction(QStringLiteral("mnuMPColorSwatches"), QStringLiteral("Color Swatches"));
    for (QAction* a : {mnuMPColorWheel, mnuMPColorSwatches}) {
        a->setCheckable(true);
        style->addAction(a);
    }
    mnuMPColorWheel->setChecked(true);
    connect(mnuMPColorWheel, &QAction::triggered, this, &TfrmStudioMain::mnuMPColorWheelClick);
    connect(mnuMPColorSwatches, &QAction::triggered, this, &TfrmStudioMain::mnuMPColorSwatchesClick);

    cmdMatchDrop = new QToolButton(m_client);
    cmdMatchDrop->setObjectName(QStringLiteral("cmdMatchDrop"));
    cmdMatchDrop->setGeometry(406, 58, 18, 18);
    cmdMatchDrop->setAutoRaise(true);
    cmdMatchDrop->setFocusPolicy(Qt::NoFocus);
    {
        QPixmap pm(18, 18);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing, true);
        GdiPaint::DrawGlyph(p, GdiPaint::Glyph::TriangleDown, 2, 2, 14, clBlack);
        p.end();
        cmdMatchDrop->setIcon(QIcon(pm));
    }
    connect(cmdMatchDrop, &QToolButton::clicked, this, &TfrmStudioMain::cmdMatchDropMouseUp);

    pbPalette = new TPaletteView(m_client);
    pbPalette->move(164, 346);
    connect(pbPalette, &TPaletteView::colorCommitted, this, &TfrmStudioMain::SetBaseColor);
    connect(pbPalette, &TPaletteView::hoverColor, this, &TfrmStudioMain::pbPaletteHover);
    connect(pbPalette, &TPaletteView::hoverLeft, this, &TfrmStudioMain::refreshStatus);
}

bool TfrmStudioMain::rybMode() const
{
    return mnuRYB1->isChecked();
}

void TfrmStudioMain::refreshDerivedView()
{
    // Only the view on show is brought up to date; the tab change updates the others.
    if (picWheel->isVisibleTo(m_client)) {
        picWheel->setColors(m_wheelColors);
        picWheel->setReferenceColor(m_wheelColors[0]);
    }
    if (fraBoxes && fraBoxes->isVisibleTo(m_client))
        fraBoxes->setColors(m_wheelColors);
    if (fraHarmonies && fraHarmonies->isVisibleTo(m_client))
        fraHarmonies->setColors(m_wheelColors);
    if (fraSuggested && fraSuggested->isVisibleTo(m_client))
        fraSuggested->setColors(m_wheelColors);
}

template <class Frame>
void TfrmStudioMain::showView(Frame*& frame, bool shown)
{
    if (!frame) {
        if (!shown)
            return;
        frame = new Frame(m_client);
        frame->move(kViewOrigin);
        // Where it would stand had it been built with the wheel: under the
        // controls built after it, and straight after the tabs in the focus order.
        frame->stackUnder(cmdMatchDrop);
        QList<QWidget*> stops; // the frame itself takes no focus; its controls do
        for (QWidget* w = frame->nextInFocusChain(); frame->isAncestorOf(w); w = w->nextInFocusChain())
            if (w->focusPolicy() != Qt::NoFocus)
                stops.append(w);
        QWidget* previous = tabDisplay;
        for (QWidget* stop : stops) {
            QWidget::setTabOrder(previous, stop);
            previous = stop;
        }
        connectColorView(frame);
        if constexpr (requires { &Frame::addAllRequested; })
            connect(frame, &Frame::addAllRequested, this, [this](const QList<TColor>& c) { m_favPanel->addColorBatch(c); });
    }
    frame->setVisible(shown);
}

void TfrmStudioMain::tabDisplayChange(int index)
{
    const bool wheelStyle = mnuMPColorWheel1->isChecked();
    picWheel->setVisible(index == 0 && wheelStyle);
    showView(fraBoxes, index == 0 && !wheelStyle);
    showView(fraHarmonies, index == 1);
    showView(fraSuggested, index == 2);
    refreshDerivedView(); // a view built just now gets its colours here
}

void TfrmStudioMain::mnuRYBClick(bool ryb)
{
    mnuRYB->setChecked(ryb);
    mnuRYB1->setChecked(ryb);
    mnuRGB->setChecked(!ryb);
    mnuRGB1->setChecked(!ryb);
    // Re-applied without a history record, regenerated in the new mode.
    m_history->setNavigating(true);
    SetBaseColor(m_wheelColors[0]);
    m_history->setNavigating(false);
}

void TfrmStudioMain::mnuMPColorWheelClick()
{
    mnuMPColorWheel->setChecked(true);
    mnuMPColorWheel1->setChecked(true);
    mnuMPColorSwatches->setChecked(false);
    mnuMPColorSwatches1->setChecked(false);
    tabDisplayChange(tabDisplay->currentIndex());
}

void TfrmStudioMain::mnuMPColorSwatchesClick()
{
    mnuMPColorWheel->setChecked(false);
    mnuMPColorWheel1->setChecked(false);
    mnuMPColorSwatches->setChecked(true);
    mnuMPColorSwatches1->setChecked(true);
    tabDisplayChange(tabDisplay->currentIndex());
}

void TfrmStudioMain::cmdMatchDropMouseUp()
{
    m_matchStyleMenu->setVisible(tabDisplay->currentIndex() == 0);
    cmdMatchDrop->setDown(true);
    mnuMatchPop->exec(cmdMatchDrop->mapToGlobal(QPoint(0, cmdMatchDrop->height())));
    cmdMatchDrop->setDown(false);
}

void TfrmStudioMain::pbPaletteHover(TColor color)
{
    // A preview only: the history and the derived views are not touched.
    m_statusPanels[0]->setText(QStringLiteral("  RGB: %1.%2.%3").arg(RedOf(color)).arg(GreenOf(color)).arg(BlueOf(color)));
    m_statusPanels[1]->setText(QStringLiteral("  HEX: #") + HSLUtils::ColorToHex(color));
    m_workingColor = color;
    pbBase->renderNow();
}
