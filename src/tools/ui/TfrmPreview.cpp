#include "TfrmPreview.h"

#include "PreviewHtml.h"
#include "StudioIcons.h"
#include "TCopyMenu.h"
#include "TFavoritesList.h"
#include "TPaintBox.h"
#include "TSchemeDocument.h"
#include "TStudioSession.h"
#include "TStudioViews.h"
#include "paint/ColorMime.h"
#include "paint/QtColor.h"

#include <QDragEnterEvent>
#include <QFileDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QToolBar>
#include <QToolButton>

namespace {
constexpr int kPageDragThreshold = 10;
constexpr int kChipDragThreshold = 8;
} // namespace

TPreviewPageView::TPreviewPageView(QWidget* parent)
    : QWidget(parent), m_image(PreviewPage::kPageSize, QImage::Format_RGB32)
{
    setObjectName(QStringLiteral("pbPage"));
    setFixedSize(PreviewPage::kPageSize);
    setAcceptDrops(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setColors(DefaultPreviewColors());
}

void TPreviewPageView::setColors(const TPreviewColors& colors)
{
    QPainter p(&m_image);
    PreviewPage::Render(p, colors);
    update();
}

void TPreviewPageView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, m_image);
}

void TPreviewPageView::mousePressEvent(QMouseEvent* event)
{
    if (const auto part = PreviewPage::PartAt(event->position().toPoint()))
        emit partPressed(*part, event);
}

void TPreviewPageView::mouseMoveEvent(QMouseEvent* event) { emit mouseMovedOver(event); }
void TPreviewPageView::mouseReleaseEvent(QMouseEvent* event) { emit mouseReleasedOver(event); }

void TPreviewPageView::dragEnterEvent(QDragEnterEvent* event)
{
    ColorMime::AcceptColorDrag(event);
}

void TPreviewPageView::dragMoveEvent(QDragMoveEvent* event)
{
    ColorMime::AcceptColorDrag(event, PreviewPage::PartAt(event->position().toPoint()).has_value());
}

void TPreviewPageView::dropEvent(QDropEvent* event)
{
    const auto color = ColorMime::ColorOf(event->mimeData());
    const auto part = PreviewPage::PartAt(event->position().toPoint());
    if (!color || !part) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit colorDropped(*part, *color);
}

TfrmPreview::TfrmPreview(TStudioSession& session, TStudioViews& views, const SettingsStore& settings, QWidget* parent)
    : TToolWindow(QStringLiteral("TfrmPreview"), QStringLiteral("QuickPreview"), QSize(333, 274), parent)
    , m_session(session)
    , m_views(views)
{
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("tlbMain"));
    bar->setGeometry(0, 0, 280, 22);
    bar->setIconSize(QSize(16, 16));
    bar->setMovable(false);
    const auto tool = [this, bar](const char* name, const char* hint, const char* icon, auto slot) {
        auto* b = new QToolButton(bar);
        b->setObjectName(QLatin1String(name));
        b->setToolTip(QLatin1String(hint));
        b->setIcon(StudioIcons::Icon(QLatin1String(icon)));
        b->setAutoRaise(true);
        bar->addWidget(b);
        connect(b, &QToolButton::clicked, this, slot);
    };
    tool("tbSave", "Save as Webpage", "tbSave", [this] { saveAsWebPage(); });
    tool("tbReset", "Reset Colors", "tbNew", [this] { resetColors(true); });

    // The black and white chips, sources of pure black and white.
    const auto chip = [this](const char* name, int left, TColor color) {
        auto* c = new TPaintBox(QLatin1String(name), this);
        c->setGeometry(left, 2, 18, 18);
        c->setRenderer([color](QPainter& p, const QSize& size) {
            p.fillRect(QRect(QPoint(), size), Qt::black);
            p.fillRect(QRect(QPoint(1, 1), size - QSize(2, 2)), ToQColor(color));
        });
        c->setCursor(Qt::PointingHandCursor);
        connect(c, &TPaintBox::mousePressed, this, &TfrmPreview::chipPressed);
        connect(c, &TPaintBox::mouseMoved, this, [this, c, color](QMouseEvent* e) { chipMoved(c, color, e); });
        connect(c, &TPaintBox::mouseReleased, this, [this] { m_chipPressed = false; });
    };
    chip("shpBlack", 290, clBlack);
    chip("Shape1", 311, clWhite);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("pnlPage"));
    panel->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    panel->setGeometry(0, 22, 333, 229);
    pbPage = new TPreviewPageView(panel);
    pbPage->move(2, 2);
    connect(pbPage, &TPreviewPageView::partPressed, this, &TfrmPreview::partPressed);
    connect(pbPage, &TPreviewPageView::mouseMovedOver, this, &TfrmPreview::pageMoved);
    connect(pbPage, &TPreviewPageView::mouseReleasedOver, this, &TfrmPreview::pageReleased);
    connect(pbPage, &TPreviewPageView::colorDropped, this, &TfrmPreview::colorDropped);

    auto* status = new QLabel(QStringLiteral(" Drag & Drop colors to QuickPreview (right-click colors for options)"), this);
    status->setObjectName(QStringLiteral("sbMain"));
    status->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    status->setGeometry(0, 253, 333, 21);

    mnuColorPop = new QMenu(this);
    mnuColorPop->setObjectName(QStringLiteral("mnuColorPop"));
    mnuPopCopy = new TCopyMenu(QStringLiteral("Copy..."), QStringLiteral("mnuPopCopy"),
                               {QStringLiteral("mnuPopCopyHex1"), QStringLiteral("mnuPopCopyHex2"), QStringLiteral("mnuPopCopyRgb")},
                               mnuColorPop);
    mnuPopCopy->setColorSource([this] { return std::optional<TColor>(m_session.PendingColor()); });
    mnuColorPop->addMenu(mnuPopCopy);
    mnuColorPop->addSeparator();
    QAction* setBase = mnuColorPop->addAction(QStringLiteral("Set as Base Color"));
    setBase->setObjectName(QStringLiteral("mnuPopSetBase"));
    connect(setBase, &QAction::triggered, this, [this] { m_session.SetBaseColor(m_session.PendingColor()); });

    TSchemeDocument& doc = m_session.document();
    connect(&doc, &TSchemeDocument::previewColorsChanged, this, [this, &doc] { pbPage->setColors(doc.previewColors()); });
    pbPage->setColors(doc.previewColors());
    placeFromSettings(settings, SettingKey::PreviewTop, SettingKey::PreviewLeft);
}

QList<QPair<SettingKey, QString>> TfrmPreview::closingSettings() const
{
    return positionSettings(SettingKey::PreviewTop, SettingKey::PreviewLeft);
}

void TfrmPreview::partPressed(PreviewPage::Part part, QMouseEvent* event)
{
    m_session.setPendingColor(PreviewPage::ColorOf(m_session.document().previewColors(), part));
    m_pressed = true;
    m_pressPos = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        m_pressed = false;
        mnuColorPop->popup(event->globalPosition().toPoint());
    }
}

void TfrmPreview::pageMoved(QMouseEvent* event)
{
    if (!m_pressed || (event->position().toPoint() - m_pressPos).manhattanLength() < kPageDragThreshold)
        return;
    m_pressed = false;
    const TColor color = m_session.PendingColor();
    ColorMime::ExecDrag(pbPage, ColorMime::Make(color, QStringLiteral("preview")), color);
    endDrag();
}

void TfrmPreview::pageReleased(QMouseEvent* event)
{
    // A click: released without a drag, the left button physically up.
    const bool click = m_pressed && event->button() == Qt::LeftButton && !(event->buttons() & Qt::LeftButton);
    m_pressed = false;
    if (click && m_session.PendingColor() != m_session.baseColor())
        m_session.SetBaseColor(m_session.PendingColor());
}

void TfrmPreview::endDrag()
{
    m_views.repaintFavorites();
    m_session.resetPendingColor();
}

void TfrmPreview::colorDropped(PreviewPage::Part part, TColor color)
{
    TSchemeDocument& doc = m_session.document();
    doc.setPreviewColors(PreviewPage::Dropped(doc.previewColors(), part, color));
    m_session.favorites().SetModified(true);
}

void TfrmPreview::chipPressed(QMouseEvent* event)
{
    m_chipPressed = event->button() == Qt::LeftButton;
    m_pressPos = event->position().toPoint();
}

void TfrmPreview::chipMoved(TPaintBox* chip, TColor color, QMouseEvent* event)
{
    if (!m_chipPressed || (event->position().toPoint() - m_pressPos).manhattanLength() < kChipDragThreshold)
        return;
    m_chipPressed = false;
    m_session.setPendingColor(color);
    ColorMime::ExecDrag(chip, ColorMime::Make(color, QStringLiteral("preview")), color);
    endDrag();
}

void TfrmPreview::resetColors(bool ask)
{
    if (ask) {
        const QString question = QStringLiteral("Are you sure you want to reset the current QuickPreview colors?");
        const int answer = m_question ? m_question(question)
                                      : QMessageBox::question(this, QStringLiteral("Confirm"), question,
                                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return;
    }
    m_session.document().resetPreviewColors();
    m_session.favorites().SetModified(true);
}

bool TfrmPreview::saveAsWebPage()
{
    QString path;
    if (m_fileDialog) {
        path = m_fileDialog();
    } else {
        QFileDialog dialog(this, QStringLiteral("Save as Webpage"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilter(QStringLiteral("HTML Files (*.html *.htm)"));
        dialog.setDefaultSuffix(QStringLiteral("html"));
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            path = dialog.selectedFiles().first();
    }
    if (path.isEmpty())
        return false;
    return savePage(path);
}

bool TfrmPreview::savePage(const QString& path)
{
    const FileResult r = PreviewHtml::Save(path, m_session.document().previewColors());
    if (r.ok())
        return true;
    if (m_inform)
        m_inform(r.text());
    else
        QMessageBox::warning(this, QStringLiteral("QuickPreview"), r.text());
    return false;
}
