#include "TFavoritesView.h"

#include "ColorText.h"
#include "paint/DevicePicture.h"
#include "HSLUtils.h"
#include "TFavoritesList.h"
#include "paint/ColorMime.h"
#include "paint/GdiPaint.h"
#include "paint/QtColor.h"
#include "paint/SystemColors.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <utility>

namespace {

constexpr int W = TFavoritesView::kWidth;
constexpr int kNameMaxWidth = 74;
constexpr int kMaxPaintedRows = 10;
const QString kEllipsis = QString(QChar(0x2026));

TColor valueShade(TColor color, long double less)
{
    double h, s, v;
    HSLUtils::RGBToHSV(color, h, s, v);
    double nv = v - less;
    if (nv < 0)
        nv = 0;
    return HSLUtils::HSVToRGB(h, s, nv);
}

QFont listFont(bool bold)
{
    QFont f(QStringLiteral("Tahoma"));
    f.setPointSizeF(7);
    f.setBold(bold);
    return f;
}

// The name as drawn: cut from the end until the rest and "…" fit.
QString shortenedName(const QString& name, const QFontMetrics& fm)
{
    if (fm.horizontalAdvance(name) <= kNameMaxWidth)
        return name;
    // No character is narrower than a pixel once drawn, so nothing past the
    // first kNameMaxWidth characters can remain.
    QString s = name.left(kNameMaxWidth + 1);
    while (!s.isEmpty() && fm.horizontalAdvance(s + kEllipsis) > kNameMaxWidth) {
        s.chop(1);
        if (!s.isEmpty() && s.back().isHighSurrogate())
            s.chop(1);
    }
    return s + kEllipsis;
}

void text(QPainter& p, int x, int y, const QString& s, TColor color)
{
    p.setPen(ToQColor(color));
    p.drawText(QRect(x, y, 400, 40), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, s);
}

bool inNameZone(int x, int y) { return x > 45 && x < W - 30 && y > 14 && y < 30; }
bool inNameHintZone(int x, int y) { return x >= 46 && x < W - 30 && y >= 15 && y < 30; }
bool inWebsafeZone(int x, int y) { return x > W - 28 && x < W - 16 && y > 11 && y < 29; }
bool inExpandZone(int x, int y) { return x > W - 17 && x < W - 4 && y > 11 && y < 29; }

} // namespace

TFavoritesView::TFavoritesView(TFavoritesList* list, QScrollBar* scrollBar, QWidget* parent)
    : QWidget(parent)
    , m_list(list)
    , m_scroll(scrollBar)
    , m_editor(new QLineEdit(this))
    , m_dragTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("pbFavs"));
    setFixedSize(kWidth, kHeight);
    setAcceptDrops(true);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);

    m_editor->setObjectName(QStringLiteral("txtFavEdit"));
    m_editor->setFixedSize(76, 17);
    m_editor->setFrame(false);
    m_editor->setMaxLength(30);
    m_editor->hide(); // its 12-pixel font is set when it first opens: nothing lays out text in it before

    m_editor->installEventFilter(this);

    m_dragTimer->setObjectName(QStringLiteral("DragTimer"));
    m_dragTimer->setInterval(5);
    connect(m_dragTimer, &QTimer::timeout, this, &TFavoritesView::autoScrollTick);

    if (m_scroll) {
        m_scroll->setSingleStep(5);
        m_scroll->setPageStep(20);
        connect(m_scroll, &QScrollBar::valueChanged, this, [this] {
            emit focusDummyRequested();
            m_imageDirty = true;
            update();
        });
    }
    connect(m_list, &TFavoritesList::changed, this, &TFavoritesView::onListChanged);
    onListChanged();
}

void TFavoritesView::setSnapMode(int mode)
{
    m_snapMode = mode;
    m_imageDirty = true;
    update();
}

void TFavoritesView::setDisplayMapper(const TDisplayMapper& display)
{
    m_display = display;
    refresh();
}

void TFavoritesView::onListChanged()
{
    m_layoutDirty = true;
    recomputeScrollRange();
    m_imageDirty = true;
    update();
}

void TFavoritesView::ensureLayout() const
{
    if (!m_layoutDirty)
        return;
    const qsizetype n = m_list->count();
    m_tops.resize(size_t(n) + 1);
    int top = 0;
    for (qsizetype i = 0; i < n; ++i) {
        m_tops[size_t(i)] = top;
        top += m_list->at(i).Expanded ? kExpandedHeight : kCollapsedHeight;
    }
    m_tops[size_t(n)] = top;
    m_layoutDirty = false;
}

int TFavoritesView::contentHeight() const
{
    ensureLayout();
    return m_tops.back();
}

int TFavoritesView::scrollMaximum() const
{
    const int h = contentHeight();
    return h > kHeight ? h : 0;
}

int TFavoritesView::scrollPosition() const { return m_scroll ? m_scroll->value() : 0; }

void TFavoritesView::setScrollPosition(int pos)
{
    if (m_scroll)
        m_scroll->setValue(pos);
}

void TFavoritesView::scrollToEnd()
{
    if (m_scroll && m_scroll->isEnabled())
        m_scroll->setValue(m_scroll->maximum());
}

void TFavoritesView::recomputeScrollRange()
{
    if (!m_scroll)
        return;
    const int h = contentHeight();
    if (kHeight < h) {
        // Positions run to one pixel past the last full page, as the classic
        // scroll bar with a page size does.
        m_scroll->setRange(0, h - kHeight + 1);
        m_scroll->setEnabled(true);
    } else {
        m_scroll->setValue(0);
        m_scroll->setRange(0, 0);
        m_scroll->setEnabled(false);
    }
}

int TFavoritesView::rowTop(int row) const
{
    ensureLayout();
    return m_tops.at(size_t(std::clamp<qsizetype>(row, 0, m_list->count())));
}

int TFavoritesView::rowHeight(int row) const
{
    if (row < 0 || row >= m_list->count())
        return 0;
    return m_list->at(row).Expanded ? kExpandedHeight : kCollapsedHeight;
}

int TFavoritesView::rowAt(int viewY) const
{
    ensureLayout();
    const int y = viewY + scrollPosition();
    // The first row whose bottom is greater than y.
    const auto it = std::upper_bound(m_tops.begin() + 1, m_tops.end(), y);
    if (it == m_tops.end())
        return -1;
    return int(it - (m_tops.begin() + 1));
}

int TFavoritesView::insertionPointAt(int viewY) const
{
    ensureLayout();
    const int y = viewY + scrollPosition();
    const qsizetype n = m_list->count();
    // Bottoms are increasing and so is bottom - height / 2, so the first row
    // whose bottom reaches y + half its height is found by bisection.
    qsizetype lo = 0, hi = n;
    while (lo < hi) {
        const qsizetype mid = (lo + hi) / 2;
        const int bottom = m_tops[size_t(mid) + 1];
        const int half = (bottom - m_tops[size_t(mid)]) / 2;
        if (bottom >= y + half)
            hi = mid;
        else
            lo = mid + 1;
    }
    return int(lo);
}

QString TFavoritesView::hintAt(QPoint pos) const
{
    const int row = rowAt(pos.y());
    if (row < 0)
        return {};
    const TFavColor& f = m_list->at(row);
    const int x = pos.x();
    const int y = pos.y() + scrollPosition() - rowTop(row);
    if (inWebsafeZone(x, y) && HSLUtils::SnapWebColor(f.Color, m_snapMode) == f.Color)
        return m_snapMode == 1 ? QStringLiteral("WebSmart color") : QStringLiteral("Websafe color");
    if (inNameHintZone(x, y)) {
        const QFontMetrics fm(listFont(f.Selected));
        if (fm.horizontalAdvance(f.Name) >= 75)
            return f.Name;
    }
    return {};
}

QImage TFavoritesView::render() const
{
    QImage image = DevicePicture::Make(QSize(kWidth, kHeight), devicePixelRatioF());
    QPainter p(&image);
    GdiPaint::FillRect(p, 0, 0, kWidth, kHeight, SystemColors::BtnFace);
    const qsizetype n = m_list->count();
    if (n == 0) {
        QFont hint(QStringLiteral("Tahoma"));
        hint.setPixelSize(9);
        p.setFont(hint);
        text(p, 14, 9, QStringLiteral("Drag & drop colors here to"), SystemColors::BtnShadow);
        text(p, 12, 23, QStringLiteral("add to your Favorite Colors"), SystemColors::BtnShadow);
        return image;
    }
    ensureLayout();
    const int pos = scrollPosition();
    const qsizetype first = std::lower_bound(m_tops.begin() + 1, m_tops.end(), pos) - (m_tops.begin() + 1);

    double fh, fs, fl;
    HSLUtils::RGBToHSL(SystemColors::BtnFace, fh, fs, fl);
    const TColor detailFace = HSLUtils::HSLToRGB(fh, fs, 0.97L);
    const TColor selectedFrame = valueShade(SystemColors::Highlight, 0.2L);
    const QFont regular = listFont(false), bold = listFont(true);
    const QFontMetrics regularMetrics(regular), boldMetrics(bold);

    for (qsizetype i = first; i < n && i < first + kMaxPaintedRows; ++i) {
        const TFavColor& f = m_list->at(i);
        const int y = m_tops[size_t(i)] - pos;
        const int h = m_tops[size_t(i) + 1] - m_tops[size_t(i)];
        const TColor shown = m_display(f.Color);
        const TColor nameColor = f.Selected ? SystemColors::HighlightText : SystemColors::WindowText;

        GdiPaint::FillRect(p, 0, y, W + 1, y + kCollapsedHeight, f.Selected ? SystemColors::Highlight : SystemColors::BtnFace);
        p.setFont(f.Selected ? bold : regular);
        text(p, 47, y + 17, shortenedName(f.Name, f.Selected ? boldMetrics : regularMetrics), nameColor);

        if (!f.Selected) {
            GdiPaint::Rectangle(p, 4, y + 5, 41, y + 40, SystemColors::BtnShadow, clWhite);
            GdiPaint::FillRect(p, 5, y + 6, 41, y + 40, clWhite);
            GdiPaint::Rectangle(p, 5, y + 6, 40, y + 39, clBlack, shown);
        } else {
            GdiPaint::Rectangle(p, 4, y + 5, 41, y + 40, selectedFrame, clWhite);
            GdiPaint::Rectangle(p, 6, y + 7, 39, y + 38, valueShade(shown, 0.12L), shown);
            GdiPaint::Rectangle(p, 7, y + 8, 38, y + 37, valueShade(shown, 0.08L), shown);
        }

        GdiPaint::DrawGlyph(p, f.Expanded ? GdiPaint::Glyph::TriangleDown : GdiPaint::Glyph::TriangleRight, W - 16, y + 16, 13,
                            nameColor);
        if (HSLUtils::SnapWebColor(f.Color, m_snapMode) == f.Color)
            GdiPaint::DrawGlyph(p, GdiPaint::Glyph::CheckMark, W - 28, y + 16, 10,
                                f.Selected ? SystemColors::HighlightText : MakeColor(51, 153, 0));

        GdiPaint::FillRect(p, 0, y + 45, W, y + h, clWhite);
        if (f.Expanded) {
            GdiPaint::FillRect(p, 3, y + 46, 39, y + 88, detailFace);
            p.setFont(regular);
            const TColor label = MakeColor(51, 51, 51), value = MakeColor(76, 76, 76);
            text(p, 47, y + 47, QStringLiteral("Color Values:"), label);
            text(p, 47, y + 61, QStringLiteral("RGB:"), label);
            text(p, 47, y + 75, QStringLiteral("HEX:"), label);
            text(p, 75, y + 61, ColorText::DottedRgbText(f.R, f.G, f.B), value);
            text(p, 75, y + 75, QStringLiteral("#"), value);
            text(p, 83, y + 75, f.Hex, value);
        }
        if (i == n - 1)
            GdiPaint::Line(p, 0, y + h - 1, W, y + h - 1, SystemColors::BtnShadow);
    }
    return image;
}

void TFavoritesView::refresh()
{
    m_image = render();
    m_imageDirty = false;
    update();
}

QImage TFavoritesView::renderedImage()
{
    if (m_imageDirty)
        refresh();
    return m_image;
}

void TFavoritesView::paintEvent(QPaintEvent*)
{
    if (m_imageDirty) {
        m_image = render();
        m_imageDirty = false;
    }
    QPainter p(this);
    p.drawImage(0, 0, m_image);
}

void TFavoritesView::mousePressEvent(QMouseEvent* event)
{
    m_pressPoint = event->position().toPoint();
    m_pressed = false;
    m_renameOnRelease = false;
    const int i = rowAt(m_pressPoint.y());
    if (m_list->isEmpty() || i < 0)
        return;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    m_list->selectByGesture(i, shift, ctrl);
    if (event->button() == Qt::RightButton) {
        refresh();
        const QPoint global = event->globalPosition().toPoint();
        emit entryMenuRequested(i, global);
        if (m_entryMenu)
            m_entryMenu->popup(global);
        return;
    }
    const int y = m_pressPoint.y() + scrollPosition() - rowTop(i);
    if (inExpandZone(m_pressPoint.x(), y))
        m_list->toggleExpanded(i);
    if (shift || ctrl)
        m_list->adoptSingleSelection();
    refresh();
    m_pressed = event->button() == Qt::LeftButton;
}

void TFavoritesView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (m_pressed && (event->buttons() & Qt::LeftButton)) {
        const QPoint d = pos - m_pressPoint;
        if (std::abs(d.x()) >= kDragThreshold || std::abs(d.y()) >= kDragThreshold)
            startDrag();
        return;
    }
    if (rowAt(pos.y()) >= 0)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void TFavoritesView::mouseReleaseEvent(QMouseEvent* event)
{
    m_pressed = false;
    if (event->button() != Qt::LeftButton)
        return;
    // The click hands the focus to the hidden button, which would close an
    // editor that the double-click of this very release has just opened.
    if (std::exchange(m_renameOnRelease, false) && isRenaming())
        return;
    emit focusDummyRequested();
}

void TFavoritesView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    const int i = rowAt(pos.y());
    if (m_list->isEmpty() || i < 0 || event->button() != Qt::LeftButton)
        return;
    m_list->setCurrentIndex(i);
    const int y = pos.y() + scrollPosition() - rowTop(i);
    if (inNameZone(pos.x(), y)) {
        startRename();
        m_renameOnRelease = isRenaming();
    }
    else if (!inExpandZone(pos.x(), y))
        emit baseColorRequested(m_list->at(i).Color);
}

void TFavoritesView::leaveEvent(QEvent*) { unsetCursor(); }

void TFavoritesView::wheelEvent(QWheelEvent* event)
{
    if (!m_scroll || !m_scroll->isEnabled()) {
        event->ignore();
        return;
    }
    // Whole notches only (120 units); touchpads deliver fractions that add up.
    m_wheelRemainder += event->angleDelta().y();
    const int notches = m_wheelRemainder / 120;
    m_wheelRemainder -= notches * 120;
    if (notches != 0)
        m_scroll->setValue(m_scroll->value() - notches * QApplication::wheelScrollLines() * m_scroll->singleStep());
    event->accept();
}

bool TFavoritesView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString hint = hintAt(help->pos());
        if (hint.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), hint, this);
        return true;
    }
    return QWidget::event(event);
}

void TFavoritesView::startDrag()
{
    m_pressed = false;
    const auto color = m_list->currentColor();
    if (!color)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(createDragData());
    QImage swatch(24, 24, QImage::Format_RGB32);
    {
        QPainter p(&swatch);
        GdiPaint::Rectangle(p, 0, 0, 24, 24, clBlack, m_display(*color));
    }
    drag->setPixmap(QPixmap::fromImage(swatch));
    drag->setHotSpot(QPoint(-8, -8));
    m_dragging = true;
    drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
    m_dragging = false;
    m_dragTimer->stop();
    m_imageDirty = true;
    update();
    emit dragFinished();
}

QMimeData* TFavoritesView::createDragData()
{
    const auto color = m_list->currentColor();
    QMimeData* mime = ColorMime::Make(color.value_or(clBlack), QStringLiteral("favorites"), m_list->currentIndex());
    m_ownDragData = mime;
    return mime;
}

bool TFavoritesView::dragIsFromList(const QDropEvent* event) const
{
    return event->source() == this || (m_ownDragData && event->mimeData() == m_ownDragData.data());
}

void TFavoritesView::dragEnterEvent(QDragEnterEvent* event)
{
    ColorMime::AcceptColorDrag(event);
}

void TFavoritesView::dragMoveEvent(QDragMoveEvent* event)
{
    if (!ColorMime::ColorOf(event->mimeData())) {
        event->ignore();
        return;
    }
    if (m_editor->hasFocus() || m_editor->isVisible())
        commitRename();
    QImage image = render();
    const int y = event->position().toPoint().y();
    const int pos = scrollPosition();
    const bool scrollable = m_scroll && m_scroll->isEnabled();
    if (y <= 9 && pos > 0) {
        m_autoScrollStep = -2;
        m_dragTimer->start();
    } else if (y > kHeight - 10 && scrollable && pos + kHeight < contentHeight()) {
        m_autoScrollStep = 2;
        m_dragTimer->start();
    } else {
        m_dragTimer->stop();
    }

    const bool fromList = dragIsFromList(event);
    const int t = insertionPointAt(y);
    QPainter p(&image);
    if (m_list->hasCurrent()) {
        const int h = fromList ? rowHeight(m_list->currentIndex())
                               : (m_list->expandedStyle() ? kExpandedHeight : kCollapsedHeight);
        QPen dotted(Qt::black, 1, Qt::DotLine);
        p.setPen(dotted);
        p.setBrush(Qt::NoBrush);
        p.drawRect(0, y - h / 2, kWidth - 1, h - 1);
    }
    const int c = m_list->currentIndex();
    if (!(fromList && (t == c || t == c + 1))) {
        const int s = rowTop(t) - pos;
        GdiPaint::Line(p, 0, s, kWidth, s, SystemColors::BtnFace);
        GdiPaint::Line(p, 0, s - 1, kWidth, s - 1, clBlack);
        GdiPaint::Line(p, 0, s + 1, kWidth, s + 1, clBlack);
    }
    p.end();
    m_image = image;
    m_imageDirty = false;
    update();
    event->acceptProposedAction();
}

void TFavoritesView::dragLeaveEvent(QDragLeaveEvent*)
{
    m_dragTimer->stop();
    m_imageDirty = true;
    update();
}

void TFavoritesView::dropEvent(QDropEvent* event)
{
    m_dragTimer->stop();
    const auto color = ColorMime::ColorOf(event->mimeData());
    if (!color) {
        event->ignore();
        return;
    }
    const int t = insertionPointAt(event->position().toPoint().y());
    if (dragIsFromList(event))
        m_list->moveCurrentTo(t);
    else
        m_list->insertAt(t, *color);
    event->acceptProposedAction();
    m_imageDirty = true;
    update();
    emit dropCompleted();
}

void TFavoritesView::autoScrollTick()
{
    if (!m_scroll || !m_scroll->isEnabled()) {
        m_dragTimer->stop();
        return;
    }
    m_scroll->setValue(m_scroll->value() + m_autoScrollStep);
    const int pos = m_scroll->value();
    if (pos <= 0 || pos + kHeight >= contentHeight())
        m_dragTimer->stop();
}

bool TFavoritesView::isRenaming() const { return m_editor->isVisible(); }

void TFavoritesView::startRename()
{
    if (m_editor->isVisible() || !m_list->hasCurrent())
        return;
    const int c = m_list->currentIndex();
    const int top = rowTop(c), bottom = top + rowHeight(c);
    if (top < scrollPosition())
        setScrollPosition(top);
    else if (bottom > scrollPosition() + kHeight)
        setScrollPosition(bottom - kHeight);
    refresh();
    if (m_editor->font().pixelSize() != 12) {
        QFont editFont(QStringLiteral("Tahoma"));
        editFont.setPixelSize(12);
        m_editor->setFont(editFont);
    }
    m_editor->move(45, top - scrollPosition() + 14);
    m_editor->setText(m_list->at(c).Name);
    m_editor->setModified(false);
    m_editIndex = c;
    m_editor->show();
    m_editor->setFocus(Qt::OtherFocusReason);
    m_editor->selectAll();
}

// The editor shows at most 30 characters, so a longer name is only replaced
// when the user has actually typed into it.
void TFavoritesView::commitRename()
{
    const int index = m_editIndex;
    m_editIndex = -1;
    if (index >= 0 && m_editor->isModified())
        m_list->rename(index, m_editor->text());
    m_editor->hide();
}

bool TFavoritesView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_editor) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                commitRename();
                emit focusDummyRequested();
                return true;
            }
        } else if (event->type() == QEvent::FocusOut && m_editIndex >= 0) {
            commitRename();
        }
    }
    return QWidget::eventFilter(watched, event);
}
