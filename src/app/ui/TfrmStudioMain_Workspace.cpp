// The matching colours: the tab set with the wheel (or swatch boxes), the
// harmonies and the suggested schemes, the wheel style, the matching-colours
// menu and the palette.
#include "TfrmStudioMain.h"

#include "ColorText.h"
#include "TFavoritesPanel.h"
#include "TFavoritesView.h"
#include "TPaletteView.h"
#include "TStudioSession.h"
#include "TTabStrip.h"
#include "TWheelView.h"
#include "TfraBoxes.h"
#include "TfraHarmonies.h"
#include "TfraSuggested.h"
#include "paint/GdiPaint.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QToolButton>

namespace {
constexpr QPoint kViewOrigin{162, 80};
}

template <class View>
void TfrmStudioMain::connectColorView(View* view)
{
    TStudioSession& s = *m_session;
    connect(view, &View::colorPressed, &s, &TStudioSession::setPendingColor);
    connect(view, &View::colorCommitted, &s, &TStudioSession::SetBaseColor);
    connect(view, &View::contextMenuRequested, this, &TfrmStudioMain::showColorPopup);
    connect(view, &View::dragFinished, this, [this] {
        repaintFavorites();
        m_session->resetPendingColor();
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
    m_actions.fill(mnuMatchPop, {"mnuRYB", "mnuRGB", "-"});
    QMenu* style = mnuMatchPop->addMenu(QStringLiteral("Color Wheel Style"));
    style->setObjectName(QStringLiteral("mnuMPStyle"));
    m_matchStyleMenu = style->menuAction();
    m_actions.fill(style, {"mnuMPColorWheel", "mnuMPColorSwatches"});

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
    connect(pbPalette, &TPaletteView::colorCommitted, m_session, &TStudioSession::SetBaseColor);
    connect(pbPalette, &TPaletteView::hoverColor, this, &TfrmStudioMain::pbPaletteHover);
    connect(pbPalette, &TPaletteView::hoverLeft, this, &TfrmStudioMain::refreshStatus);
}

void TfrmStudioMain::refreshDerivedView()
{
    // Only the view on show is brought up to date; the tab change updates the others.
    const TWheelColors& colors = m_session->WheelColors();
    if (picWheel->isVisibleTo(m_client)) {
        picWheel->setColors(colors);
        picWheel->setReferenceColor(colors[0]);
    }
    if (fraBoxes && fraBoxes->isVisibleTo(m_client))
        fraBoxes->setColors(colors);
    if (fraHarmonies && fraHarmonies->isVisibleTo(m_client))
        fraHarmonies->setColors(colors);
    if (fraSuggested && fraSuggested->isVisibleTo(m_client))
        fraSuggested->setColors(colors);
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
        if constexpr (requires { &Frame::setDisplayMapper; })
            frame->setDisplayMapper(m_session->display());
        if constexpr (requires { &Frame::addAllRequested; })
            connect(frame, &Frame::addAllRequested, this, [this](const QList<TColor>& c) { m_favPanel->addColorBatch(c); });
    }
    frame->setVisible(shown);
}

void TfrmStudioMain::tabDisplayChange(int index)
{
    const bool wheelStyle = wheelStyleShown();
    picWheel->setVisible(index == 0 && wheelStyle);
    showView(fraBoxes, index == 0 && !wheelStyle);
    showView(fraHarmonies, index == 1);
    showView(fraSuggested, index == 2);
    refreshDerivedView(); // a view built just now gets its colours here
}

bool TfrmStudioMain::wheelStyleShown() const
{
    return m_actions[QStringLiteral("mnuMPColorWheel1")]->isChecked();
}

void TfrmStudioMain::setWheelStyle(bool wheel)
{
    m_actions[wheel ? QStringLiteral("mnuMPColorWheel") : QStringLiteral("mnuMPColorSwatches")]->setChecked(true);
    m_actions[wheel ? QStringLiteral("mnuMPColorWheel1") : QStringLiteral("mnuMPColorSwatches1")]->setChecked(true);
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
    m_statusPanels[0]->setText(ColorText::StatusRgbText(color));
    m_statusPanels[1]->setText(ColorText::StatusHexText(color));
    m_session->setWorkingColor(color);
}
