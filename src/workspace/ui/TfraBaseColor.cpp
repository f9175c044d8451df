#include "TfraBaseColor.h"

#include "HSLUtils.h"
#include "Rounding.h"
#include "TBaseSwatch.h"
#include "TChannelBar.h"
#include "paint/StudioIcons.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpressionValidator>
#include <QScopedValueRollback>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

using namespace HSLUtils;
using BaseColumn::Bar;

namespace {

constexpr int kStatusTop = 212; // the websafe status line

bool isUndoOrRedo(const QKeyEvent* event)
{
    return event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)
        || event->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
}

bool isFocusMove(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
}

} // namespace

TfraBaseColor::TfraBaseColor(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("fraBaseColor"));
    setFixedSize(162, 264);
    move(kOrigin);

    pbBase = new TBaseSwatch(this);
    pbBase->move(8, 6);
    connect(pbBase, &TBaseSwatch::colorPressed, this, &TfraBaseColor::colorPressed);
    connect(pbBase, &TBaseSwatch::contextMenuRequested, this, &TfraBaseColor::contextMenuRequested);
    connect(pbBase, &TBaseSwatch::dragStarted, this, &TfraBaseColor::dragStarted);
    connect(pbBase, &TBaseSwatch::dragFinished, this, &TfraBaseColor::dragFinished);
    connect(pbBase, &TBaseSwatch::colorDropped, this, &TfraBaseColor::colorDropped);

    auto* digits3 = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), this);
    static const char* const names[5][3] = {
        {"pbR", "txtR", "R"}, {"pbG", "txtG", "G"}, {"pbB", "txtB", "B"}, {"pbS", "txtS", "S"}, {"pbL", "txtL", "L"}};
    for (int i = 0; i < 5; ++i) {
        const Bar bar = Bar(i);
        const int y = i < 3 ? 68 + 21 * i : 136 + 21 * (i - 3);
        auto* label = new QLabel(QLatin1String(names[i][2]), this);
        label->setGeometry(8, y, 12, 15);
        auto* slider = new TChannelBar(QLatin1String(names[i][0]), bar, this);
        slider->setGeometry(19, y, 107, 15);
        auto* box = new QLineEdit(BaseColumn::IsChannel(bar) ? QStringLiteral("255") : QStringLiteral("100"), this);
        box->setObjectName(QLatin1String(names[i][1]));
        box->setGeometry(131, y - 2, 28, 18);
        box->setMaxLength(3);
        box->setValidator(digits3);
        box->installEventFilter(this);
        m_bars[size_t(i)] = slider;
        m_boxes[size_t(i)] = box;
        connect(slider, &TChannelBar::sliderMoved, box, [box](int v) { box->setText(QString::number(v)); });
        connect(slider, &TChannelBar::sliderReleased, this, &TfraBaseColor::pbRMouseUp);
        if (i < 3)
            connect(box, &QLineEdit::textChanged, this, [this, box] {
                if (!m_updating)
                    clampTypedValue(box, 255);
                txtRChange();
            });
        else
            connect(box, &QLineEdit::textChanged, this, [this, i] { txtSChange(i - 3); });
    }

    auto* hash = new QLabel(QStringLiteral("#"), this);
    hash->setObjectName(QStringLiteral("lblHash"));
    hash->setGeometry(8, 186, 10, 16);
    txtHex = new QLineEdit(this);
    txtHex->setObjectName(QStringLiteral("txtHex"));
    txtHex->setGeometry(19, 184, 60, 19);
    txtHex->setMaxLength(6);
    txtHex->installEventFilter(this);
    connect(txtHex, &QLineEdit::textChanged, this, &TfraBaseColor::txtHexChange);

    imgwebsafe = new QLabel(this);
    imgwebsafe->setObjectName(QStringLiteral("imgwebsafe"));
    imgwebsafe->setPixmap(StudioIcons::WebsafeMark(true));
    imgnotwebsafe = new QLabel(this);
    imgnotwebsafe->setObjectName(QStringLiteral("imgnotwebsafe"));
    imgnotwebsafe->setPixmap(StudioIcons::WebsafeMark(false));
    imgnotwebsafe->installEventFilter(this);
    lblWebsafe = new QLabel(this);
    lblWebsafe->setObjectName(QStringLiteral("lblWebsafe"));
    lblWebsafe->installEventFilter(this);
    for (QLabel* l : {imgwebsafe, imgnotwebsafe})
        l->resize(12, 13);

    auto* adjust = new QToolBar(this);
    adjust->setObjectName(QStringLiteral("tlbAdjust"));
    adjust->setGeometry(19, 234, 110, 26);
    adjust->setIconSize(QSize(16, 16));
    struct Button { const char* name; const char* hint; int saturation; int lightness; };
    static constexpr Button buttons[] = {{"tbLighten", "Lighten", 0, 1},
                                         {"tbDarken", "Darken", 0, -1},
                                         {"tbSaturate", "Saturate", 1, 0},
                                         {"tbDesaturate", "Desaturate", -1, 0}};
    for (const Button& b : buttons) {
        auto* tb = new QToolButton(adjust);
        tb->setObjectName(QLatin1String(b.name));
        tb->setIcon(StudioIcons::Icon(tb->objectName()));
        tb->setToolTip(QLatin1String(b.hint));
        tb->setAutoRaise(true);
        tb->setFocusPolicy(Qt::NoFocus);
        connect(tb, &QToolButton::clicked, this, [this, b] { emit adjustRequested(b.saturation, b.lightness); });
        adjust->addWidget(tb);
    }
}

void TfraBaseColor::showCommittedColor(TColor color)
{
    {
        QScopedValueRollback guard(m_updating, true);
        txtHex->setText(ColorToHex(color));
        m_boxes[0]->setText(QString::number(RedOf(color)));
        m_boxes[1]->setText(QString::number(GreenOf(color)));
        m_boxes[2]->setText(QString::number(BlueOf(color)));
    }
    m_working = color;
    pbBase->setColor(color);
    writeHslBoxes();
    updateWebsafeStatus();
    repaintBars();
}

void TfraBaseColor::setWorkingColor(TColor color)
{
    if (color == m_working && pbBase->color() == color)
        return;
    m_working = color;
    pbBase->setColor(color);
}

void TfraBaseColor::setSnapMode(int mode)
{
    m_snapMode = mode;
    updateWebsafeStatus();
}

void TfraBaseColor::setDisplayMapper(const TDisplayMapper& display)
{
    pbBase->setDisplayMapper(display);
    for (TChannelBar* bar : m_bars)
        bar->setDisplayMapper(display);
}

int TfraBaseColor::boxValue(const QLineEdit* box) const
{
    bool ok = false;
    const int v = box->text().trimmed().toInt(&ok);
    return ok ? v : 0;
}

TColor TfraBaseColor::boxColor() const
{
    return MakeColor(std::clamp(boxValue(m_boxes[0]), 0, 255), std::clamp(boxValue(m_boxes[1]), 0, 255),
                     std::clamp(boxValue(m_boxes[2]), 0, 255));
}

QString TfraBaseColor::channelText(int i) const { return m_boxes[size_t(i)]->text(); }

QString TfraBaseColor::hexText() const { return txtHex->text(); }

void TfraBaseColor::repaintBars()
{
    const TColor boxes = boxColor();
    for (int i = 0; i < 5; ++i)
        m_bars[size_t(i)]->setState(boxValue(m_boxes[size_t(i)]), boxes);
}

void TfraBaseColor::writeHslBoxes()
{
    double h, s, l;
    RGBToHSL(m_working, h, s, l);
    QScopedValueRollback guard(m_updating, true);
    m_boxes[3]->setText(QString::number(RoundToEven(s * 100.0L)));
    m_boxes[4]->setText(QString::number(RoundToEven(l * 100.0L)));
}

void TfraBaseColor::setEdited(TColor color)
{
    m_working = color;
    pbBase->setColor(color);
    emit workingColorEdited(color);
}

void TfraBaseColor::clampTypedValue(QLineEdit* box, int max)
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

void TfraBaseColor::txtRChange()
{
    if (m_updating)
        return;
    setEdited(boxColor());
    {
        QScopedValueRollback guard(m_updating, true);
        txtHex->setText(ColorToHex(m_working));
    }
    updateWebsafeStatus();
    writeHslBoxes();
    repaintBars();
}

void TfraBaseColor::txtSChange(int which)
{
    if (m_updating)
        return;
    QLineEdit* box = m_boxes[size_t(3 + which)];
    clampTypedValue(box, 100);
    double h, s, l;
    RGBToHSL(m_working, h, s, l);
    const double value = boxValue(box) / 100.0L;
    const TColor c = which == 0 ? HSLToRGB(h, value, l) : HSLToRGB(h, s, value);
    setEdited(c);
    {
        QScopedValueRollback guard(m_updating, true);
        txtHex->setText(ColorToHex(c));
        m_boxes[0]->setText(QString::number(RedOf(c)));
        m_boxes[1]->setText(QString::number(GreenOf(c)));
        m_boxes[2]->setText(QString::number(BlueOf(c)));
    }
    updateWebsafeStatus();
    repaintBars();
}

void TfraBaseColor::txtHexChange()
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
            m_boxes[size_t(i)]->setText(QString::number(ok ? v : 0));
        }
    }
    txtRChange();
}

bool TfraBaseColor::txtRKeyPress(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit commitRequested();
        return true;
    }
    if (isFocusMove(event))
        return false;
    if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut))
        return true; // typed digits only
    const QString text = event->text();
    if (text.isEmpty() || event->key() == Qt::Key_Backspace)
        return false;
    const QChar c = text.at(0);
    if (c.isPrint() || c.unicode() < 32)
        return !(c >= u'0' && c <= u'9') && !(event->modifiers() & Qt::ControlModifier && event->matches(QKeySequence::Copy));
    return false;
}

bool TfraBaseColor::txtHexKeyPress(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit commitRequested();
        return true;
    }
    if (isFocusMove(event) || event->key() == Qt::Key_Delete)
        return false;
    const QString text = event->text();
    if (text.isEmpty() || event->key() == Qt::Key_Backspace)
        return false;
    const QChar c = text.at(0);
    const bool hexDigit = (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
    return !hexDigit;
}

bool TfraBaseColor::txtHexKeyDown(QKeyEvent* event)
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

void TfraBaseColor::txtHexKeyUp()
{
    if (txtHex->text().size() == 6) {
        pbBase->setColor(m_working);
        emit commitRequested();
    }
}

void TfraBaseColor::pbRMouseUp()
{
    repaintBars();
    emit commitRequested();
}

bool TfraBaseColor::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    const bool isBox = std::find(m_boxes.begin(), m_boxes.end(), watched) != m_boxes.end();
    if ((isBox || watched == txtHex) && type == QEvent::ShortcutOverride && isUndoOrRedo(static_cast<QKeyEvent*>(event))) {
        // Leave the keys to the window: Undo and Redo step through the history.
        event->ignore();
        return true;
    }
    if (watched == txtHex) {
        if (type == QEvent::KeyPress) {
            auto* ke = static_cast<QKeyEvent*>(event);
            return txtHexKeyDown(ke) || txtHexKeyPress(ke);
        }
        if (type == QEvent::KeyRelease)
            txtHexKeyUp();
        return false;
    }
    if (isBox) {
        if (type == QEvent::KeyPress)
            return txtRKeyPress(static_cast<QKeyEvent*>(event));
        if (type == QEvent::FocusOut)
            emit commitRequested(); // txtRExit
        return false;
    }
    if ((watched == imgnotwebsafe && imgnotwebsafe->isVisible())
        || (watched == lblWebsafe && lblWebsafe->cursor().shape() == Qt::PointingHandCursor)) {
        if (type == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            if (watched == lblWebsafe)
                lblWebsafeClick();
            else
                emit websafeRequested();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TfraBaseColor::lblWebsafeClick()
{
    if (lblWebsafe->cursor().shape() == Qt::PointingHandCursor)
        emit websafeRequested();
}

void TfraBaseColor::updateWebsafeStatus()
{
    const bool onGrid = SnapWebColor(m_working, m_snapMode) == m_working;
    const bool smart = m_snapMode == 1;
    const QString word = smart ? QStringLiteral("WebSmart") : QStringLiteral("websafe");
    imgwebsafe->setVisible(onGrid);
    imgnotwebsafe->setVisible(!onGrid);
    imgwebsafe->setToolTip(QStringLiteral("This color is %1.").arg(word));
    imgnotwebsafe->setToolTip(QStringLiteral("This color is not %1.\n\rClick here to convert to nearest %1 match.").arg(word));
    const QString text = onGrid ? QStringLiteral("Base color is %1.").arg(word) : QStringLiteral("Base color is not %1.").arg(word);
    int iconLeft;
    if (onGrid)
        iconLeft = smart ? 18 : 23;
    else
        iconLeft = smart ? 8 : 13;
    imgwebsafe->move(iconLeft, kStatusTop);
    imgnotwebsafe->move(iconLeft, kStatusTop);
    const int left = iconLeft + 19;
    // The column ends where the matching colours begin: a text too wide for
    // the room left is set a pixel size smaller until it fits.
    const int room = width() - left - 1;
    QFont fitted = font();
    while (QFontMetrics(fitted).horizontalAdvance(text) > room && fitted.pixelSize() > 8)
        fitted.setPixelSize(fitted.pixelSize() - 1);
    lblWebsafe->setFont(fitted == font() ? QFont() : fitted);
    lblWebsafe->setText(text);
    lblWebsafe->setGeometry(left, kStatusTop - 1, std::min(150, width() - left), 15);
    lblWebsafe->setCursor(onGrid ? Qt::ArrowCursor : Qt::PointingHandCursor);
    imgnotwebsafe->setCursor(Qt::PointingHandCursor);
}
