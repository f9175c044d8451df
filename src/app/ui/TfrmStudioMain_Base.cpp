// The base colour and its editors: SetBaseColor, the R/G/B/S/L bars and
// number boxes, the hex box, the base swatch, the websafe status line,
// lighten/darken/saturate/desaturate and the random colour.
#include "TfrmStudioMain.h"

#include "BaseEditorsRender.h"
#include "DisplayColor.h"
#include "HSLUtils.h"
#include "Rounding.h"
#include "TColorHistory.h"
#include "TFavoritesPanel.h"
#include "TPaintBox.h"
#include "WheelColors.h"
#include "paint/ColorMime.h"
#include "paint/QtColor.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDrag>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScopedValueRollback>
#include <QToolButton>

#include <algorithm>
#include <cmath>

using namespace HSLUtils;

void TfrmStudioMain::SetBaseColor(TColor color)
{
    color = ColorFromValue(ColorValue(color) & 0xFFFFFF);
    if (color == m_wheelColors[0] && isVisible() && !m_history->isNavigating())
        return;
    m_history->baseColorSet(color); // records unless a history step is applied; clears the flag

    const QString hex = ColorToHex(color);
    if (txtHex->text() != hex)
        txtHex->setText(hex); // its change handler refreshes every editor
    else if (m_workingColor != color) {
        // The box already holds the text (the user typed it): refresh from the boxes.
        txtHexChange();
    }

    generateWheelColors();
    refreshDerivedView();
    m_pendingColor = color;
    refreshStatus();
    updateNavigationEnabling();
}

void TfrmStudioMain::generateWheelColors()
{
    m_wheelColors = Workspace::GenerateWheelColors(m_workingColor, rybMode());
}

void TfrmStudioMain::refreshStatus()
{
    if (m_wheelColors[0] != m_workingColor) {
        m_workingColor = m_wheelColors[0];
        pbBase->renderNow();
    }
    m_statusPanels[0]->setText(QStringLiteral("  RGB: %1.%2.%3")
                                   .arg(m_rgbBoxes[0]->text(), m_rgbBoxes[1]->text(), m_rgbBoxes[2]->text()));
    m_statusPanels[1]->setText(QStringLiteral("  HEX: #") + ColorToHex(m_workingColor));
}

void TfrmStudioMain::updateNavigationEnabling()
{
    tbBack->setEnabled(m_history->backEnabled());
    mnuEditUndo->setEnabled(m_history->backEnabled());
    tbForward->setEnabled(m_history->forwardEnabled());
    mnuEditRedo->setEnabled(m_history->forwardEnabled());
}

void TfrmStudioMain::setBoxText(QLineEdit* box, const QString& text)
{
    if (box->text() != text)
        box->setText(text);
}

int TfrmStudioMain::boxValue(const QLineEdit* box) const
{
    bool ok = false;
    const int v = box->text().trimmed().toInt(&ok);
    return ok ? v : 0;
}

TColor TfrmStudioMain::colorFromRgbBoxes() const
{
    return MakeColor(std::clamp(boxValue(m_rgbBoxes[0]), 0, 255), std::clamp(boxValue(m_rgbBoxes[1]), 0, 255),
                     std::clamp(boxValue(m_rgbBoxes[2]), 0, 255));
}

void TfrmStudioMain::repaintBars()
{
    for (TPaintBox* bar : m_rgbBars)
        bar->renderNow();
    for (TPaintBox* bar : m_slBars)
        bar->renderNow();
}

void TfrmStudioMain::clampTypedValue(QLineEdit* box, int max)
{
    // While typing: an emptied box becomes 0, a value above max becomes max,
    // selected so that the next digit replaces it.
    QScopedValueRollback guard(m_updating, true);
    const QString t = box->text().trimmed();
    if (t.isEmpty()) {
        box->setText(QStringLiteral("0"));
        box->setSelection(0, 1);
    } else if (t.toInt() > max) {
        box->setText(QString::number(max));
        box->setSelection(0, 3);
    }
}

void TfrmStudioMain::txtRChange(QLineEdit* box)
{
    if (m_updating)
        return;
    clampTypedValue(box, 255);
    m_workingColor = colorFromRgbBoxes();
    pbBase->renderNow();
    {
        QScopedValueRollback guard(m_updating, true);
        setBoxText(txtHex, ColorToHex(m_workingColor));
    }
    updateWebsafeStatus();
    for (TPaintBox* bar : m_rgbBars)
        bar->renderNow();
    double h, s, l;
    RGBToHSL(m_workingColor, h, s, l);
    {
        QScopedValueRollback guard(m_updating, true);
        setBoxText(m_slBoxes[0], QString::number(RoundToEven(s * 100.0L)));
        setBoxText(m_slBoxes[1], QString::number(RoundToEven(l * 100.0L)));
    }
    for (TPaintBox* bar : m_slBars)
        bar->renderNow();
}

void TfrmStudioMain::txtSChange(QLineEdit* box)
{
    if (m_updating)
        return;
    clampTypedValue(box, 100);
    double h, s, l;
    RGBToHSL(m_workingColor, h, s, l);
    const double value = boxValue(box) / 100.0L;
    if (box == m_slBoxes[0])
        m_workingColor = HSLToRGB(h, value, l);
    else
        m_workingColor = HSLToRGB(h, s, value);
    pbBase->renderNow();
    {
        QScopedValueRollback guard(m_updating, true);
        setBoxText(txtHex, ColorToHex(m_workingColor));
        setBoxText(m_rgbBoxes[0], QString::number(RedOf(m_workingColor)));
        setBoxText(m_rgbBoxes[1], QString::number(GreenOf(m_workingColor)));
        setBoxText(m_rgbBoxes[2], QString::number(BlueOf(m_workingColor)));
    }
    updateWebsafeStatus();
    repaintBars();
}

void TfrmStudioMain::txtHexChange()
{
    // Shown in upper case whatever was typed or pasted.
    const QString text = txtHex->text();
    if (text != text.toUpper()) {
        const int cursor = txtHex->cursorPosition();
        QScopedValueRollback guard(m_updating, true);
        txtHex->setText(text.toUpper());
        txtHex->setCursorPosition(cursor);
    }
    if (m_updating || txtHex->text().size() != 6)
        return;
    // Each pair as a hexadecimal number; a pair that is not one reads as 0.
    const QString t = txtHex->text();
    {
        QScopedValueRollback guard(m_updating, true);
        for (int i = 0; i < 3; ++i) {
            bool ok = false;
            const int v = t.mid(2 * i, 2).toInt(&ok, 16);
            setBoxText(m_rgbBoxes[i], QString::number(ok ? v : 0));
        }
    }
    m_rgbMarker[0] = m_rgbMarker[1] = m_rgbMarker[2] = -1;
    txtRChange(m_rgbBoxes[0]);
}

bool TfrmStudioMain::txtRKeyPress(QLineEdit* box, QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        SetBaseColor(m_workingColor);
        return true;
    }
    if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut))
        return true; // typed digits only
    const QString text = event->text();
    if (text.isEmpty() || event->key() == Qt::Key_Backspace)
        return false;
    const QChar c = text.at(0);
    if (c.isPrint() || c.unicode() < 32)
        return !(c >= u'0' && c <= u'9') && !(event->modifiers() & Qt::ControlModifier && event->matches(QKeySequence::Copy));
    (void)box;
    return false;
}

bool TfrmStudioMain::txtHexKeyPress(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        SetBaseColor(m_workingColor);
        return true;
    }
    const QString text = event->text();
    if (text.isEmpty() || event->key() == Qt::Key_Backspace)
        return false;
    const QChar c = text.at(0);
    const bool hexDigit = (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
    return !hexDigit;
}

bool TfrmStudioMain::txtHexKeyDown(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        QString t = QGuiApplication::clipboard()->text().trimmed();
        if (t.startsWith(u'#'))
            t.remove(0, 1);
        txtHex->setText(t.left(6));
        return true;
    }
    if (event->matches(QKeySequence::Copy)) {
        if (txtHex->hasSelectedText())
            QGuiApplication::clipboard()->setText(txtHex->selectedText());
        return true;
    }
    return false;
}

void TfrmStudioMain::txtHexKeyUp(QKeyEvent*)
{
    if (txtHex->text().size() == 6) {
        pbBase->renderNow();
        SetBaseColor(m_workingColor);
    }
}

void TfrmStudioMain::txtRExit()
{
    SetBaseColor(m_workingColor);
}

bool TfrmStudioMain::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == txtHex) {
        if (type == QEvent::KeyPress) {
            auto* ke = static_cast<QKeyEvent*>(event);
            if (txtHexKeyDown(ke))
                return true;
            return txtHexKeyPress(ke);
        }
        if (type == QEvent::KeyRelease) {
            txtHexKeyUp(static_cast<QKeyEvent*>(event));
            return false;
        }
        if (type == QEvent::FocusOut)
            return false;
    }
    for (QLineEdit* box : m_rgbBoxes)
        if (watched == box || watched == m_slBoxes[0] || watched == m_slBoxes[1]) {
            if (type == QEvent::KeyPress)
                return txtRKeyPress(static_cast<QLineEdit*>(watched), static_cast<QKeyEvent*>(event));
            if (type == QEvent::FocusOut)
                txtRExit();
            return false;
        }
    if (watched == cmdDummy && type == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        m_favPanel->deleteSelectedAsking();
        return true;
    }
    if (watched == pbBase && (type == QEvent::DragEnter || type == QEvent::DragMove)) {
        auto* de = static_cast<QDropEvent*>(event);
        if (ColorMime::ColorOf(de->mimeData())) {
            de->acceptProposedAction();
            return true;
        }
    }
    if (watched == pbBase && type == QEvent::Drop) {
        // A favourite dragged here becomes the base colour; any other drag
        // commits the colour it carries.
        auto* de = static_cast<QDropEvent*>(event);
        if (const auto c = ColorMime::ColorOf(de->mimeData())) {
            de->acceptProposedAction();
            SetBaseColor(*c);
        }
        return true;
    }
    if ((watched == imgnotwebsafe && imgnotwebsafe->isVisible()) || (watched == lblWebsafe && lblWebsafe->cursor().shape() == Qt::PointingHandCursor)) {
        if (type == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            if (watched == lblWebsafe)
                lblWebsafeClick();
            else
                tbWebsafeClick();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmStudioMain::pbRMouseDown(int channel, QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_mouseHeld = true;
    pbRMouseMove(channel, event);
}

void TfrmStudioMain::pbRMouseMove(int channel, QMouseEvent* event)
{
    if (!m_mouseHeld)
        return;
    const int x = std::clamp(int(event->position().x()), 2, 104);
    m_rgbMarker[channel] = x;
    m_rgbBoxes[channel]->setText(QString::number(int(std::floor((x - 2) * 2.5L))));
    m_rgbBars[channel]->renderNow();
}

void TfrmStudioMain::pbSMouseDown(int which, QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_mouseHeld = true;
    pbSMouseMove(which, event);
}

void TfrmStudioMain::pbSMouseMove(int which, QMouseEvent* event)
{
    if (!m_mouseHeld)
        return;
    const int x = std::clamp(int(event->position().x()), 3, 103);
    m_slMarker[which] = x;
    m_slBoxes[which]->setText(QString::number(x - 3));
    m_slBars[which]->renderNow();
}

void TfrmStudioMain::pbRMouseUp(QMouseEvent*)
{
    const bool held = m_mouseHeld;
    m_mouseHeld = false;
    m_rgbMarker[0] = m_rgbMarker[1] = m_rgbMarker[2] = -1;
    m_slMarker[0] = m_slMarker[1] = -1;
    if (held)
        SetBaseColor(m_workingColor);
    repaintBars();
}

void TfrmStudioMain::pbBaseMouseDown(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        m_mouseHeld = false;
        showColorPopup(m_workingColor, event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    m_pendingColor = FromQRgb(pbBase->pixelAt(QPoint(5, 5)));
    m_mouseHeld = true;
    m_baseDragStart = event->position().toPoint();
}

void TfrmStudioMain::pbBaseMouseMove(QMouseEvent* event)
{
    if (!m_mouseHeld || (event->position().toPoint() - m_baseDragStart).manhattanLength() <= 10)
        return;
    m_mouseHeld = false;
    m_pendingColor = m_workingColor;
    auto* drag = new QDrag(pbBase);
    drag->setMimeData(ColorMime::Make(m_pendingColor, QStringLiteral("base")));
    drag->exec(Qt::CopyAction);
    m_pendingColor = m_wheelColors[0];
}

void TfrmStudioMain::pbBaseMouseUp(QMouseEvent*)
{
    m_mouseHeld = false;
}

void TfrmStudioMain::updateWebsafeStatus()
{
    const bool onGrid = SnapWebColor(m_workingColor, m_webSnapMode) == m_workingColor;
    const bool smart = m_webSnapMode == 1;
    const QString word = smart ? QStringLiteral("WebSmart") : QStringLiteral("websafe");
    imgwebsafe->setVisible(onGrid);
    imgnotwebsafe->setVisible(!onGrid);
    imgwebsafe->setToolTip(QStringLiteral("This color is %1.").arg(word));
    imgnotwebsafe->setToolTip(QStringLiteral("This color is not %1.\n\rClick here to convert to nearest %1 match.").arg(word));
    lblWebsafe->setText(onGrid ? QStringLiteral("Base color is %1.").arg(word)
                               : QStringLiteral("Base color is not %1.").arg(word));
    int iconLeft;
    if (onGrid)
        iconLeft = smart ? 18 : 23;
    else
        iconLeft = smart ? 8 : 13;
    const int top = 268;
    imgwebsafe->move(iconLeft, top);
    imgnotwebsafe->move(iconLeft, top);
    lblWebsafe->setGeometry(iconLeft + 19, top - 1, 150, 15);
    lblWebsafe->setCursor(onGrid ? Qt::ArrowCursor : Qt::PointingHandCursor);
    imgnotwebsafe->setCursor(Qt::PointingHandCursor);
}

void TfrmStudioMain::tbWebsafeClick()
{
    SetBaseColor(SnapWebColor(colorFromRgbBoxes(), m_webSnapMode));
}

void TfrmStudioMain::lblWebsafeClick()
{
    if (lblWebsafe->cursor().shape() == Qt::PointingHandCursor)
        tbWebsafeClick();
}

void TfrmStudioMain::applyWebsafeWording()
{
    const bool smart = m_webSnapMode == 1;
    const QString make = smart ? QStringLiteral("Make WebSmart") : QStringLiteral("Make Websafe");
    tbBaseWebsafe->setToolTip(make);
    if (auto* fav = findChild<QToolButton*>(QStringLiteral("tbFavWebsafe")))
        fav->setToolTip(make);
    mnuEditWebsafe->setText(smart ? QStringLiteral("Make &WebSmart") : QStringLiteral("Make &Websafe"));
}

void TfrmStudioMain::mnuAdjustWebsafeSnapSmartClick(int mode)
{
    if (mode == m_webSnapMode) {
        // Clicking the checked item changes nothing (and keeps it checked).
        mnuAdjustWebsafeSnapSafe->setChecked(mode == 0);
        mnuAdjustWebsafeSnapSmart->setChecked(mode == 1);
        return;
    }
    m_settings.writeInt(SettingKey::WebsafeMode, mode);
    m_webSnapMode = mode;
    mnuAdjustWebsafeSnapSafe->setChecked(mode == 0);
    mnuAdjustWebsafeSnapSmart->setChecked(mode == 1);
    applyWebsafeWording();
    m_favPanel->setSnapMode(mode);
    updateWebsafeStatus();
}

void TfrmStudioMain::adjustBase(int saturationPercent, int lightnessPercent)
{
    // One press moves saturation or lightness by its step, within 0..1.
    double h, s, l;
    RGBToHSL(m_workingColor, h, s, l);
    s = double(std::clamp(s + saturationPercent / 100.0L, 0.0L, 1.0L));
    l = double(std::clamp(l + lightnessPercent / 100.0L, 0.0L, 1.0L));
    SetBaseColor(HSLToRGB(h, s, l));
}

void TfrmStudioMain::tbLightenClick() { adjustBase(0, m_lightStep); }
void TfrmStudioMain::tbDarkenClick() { adjustBase(0, -m_lightStep); }
void TfrmStudioMain::tbSaturateClick() { adjustBase(m_satStep, 0); }
void TfrmStudioMain::tbDesaturateClick() { adjustBase(-m_satStep, 0); }

void TfrmStudioMain::cmdRandomizeClick()
{
    QRandomGenerator rng(quint32(QDateTime::currentMSecsSinceEpoch()));
    const int r = int(rng.bounded(256)), g = int(rng.bounded(256)), b = int(rng.bounded(256));
    SetBaseColor(MakeColor(r, g, b));
}
