#include "TfrmPicScheme.h"

#include "TFavoritesList.h"
#include "TStudioSession.h"
#include "TStudioViews.h"
#include "paint/ColorMime.h"
#include "paint/StudioIcons.h"

#include <algorithm>

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

using namespace Picture;

namespace {
constexpr int kToolbarHeight = 32;
constexpr int kAreaTop = kToolbarHeight + 2; // under the two lines
constexpr int kDragThreshold = 10;

// Small pictures for the buttons without a studio icon; decoration only.
QIcon drawnIcon(const QString& name)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    if (name == QLatin1String("tbMosaic")) {
        const QColor c[4] = {QColor(230, 90, 40), QColor(60, 140, 220), QColor(90, 180, 70), QColor(240, 200, 50)};
        for (int i = 0; i < 4; ++i)
            p.fillRect(1 + (i % 2) * 7, 1 + (i / 2) * 7, 7, 7, c[i]);
        p.setPen(QColor(60, 60, 60));
        p.drawRect(1, 1, 13, 13);
    } else if (name == QLatin1String("tbAddFavs")) {
        p.fillRect(7, 2, 3, 12, QColor(40, 130, 40));
        p.fillRect(2, 7, 12, 3, QColor(40, 130, 40));
    } else {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(40, 40, 40), 1));
        for (int i = 0; i < 3; ++i) {
            p.setBrush(i == 0 ? QColor(200, 60, 60) : i == 1 ? QColor(60, 160, 60) : QColor(60, 90, 200));
            p.drawEllipse(QPointF(4 + 4 * i, 8 + (i % 2 ? -3 : 3)), 2.5, 2.5);
        }
    }
    return QIcon(pm);
}
} // namespace

TPicDrawLayer::TPicDrawLayer(const QImage* frame, QWidget* parent) : QWidget(parent), m_frame(frame)
{
    setObjectName(QStringLiteral("pbDrawLayer"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void TPicDrawLayer::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, *m_frame);
}

TPictureOpenDialog::TPictureOpenDialog(QWidget* parent)
    : QFileDialog(parent, QStringLiteral("Open"))
    , m_preview(new QLabel(this))
    , m_size(new QLabel(this))
{
    setObjectName(QStringLiteral("dlgPic"));
    setOption(QFileDialog::DontUseNativeDialog, true);
    setFileMode(QFileDialog::ExistingFile);
    setAcceptMode(QFileDialog::AcceptOpen);
    setNameFilters({QStringLiteral("All (*.gif *.jpg *.jpeg *.bmp *.png)"), QStringLiteral("GIF Image (*.gif)"),
                    QStringLiteral("JPEG Image File (*.jpg *.jpeg)"), QStringLiteral("Bitmap Image (*.bmp)"),
                    QStringLiteral("PNG Image (*.png)")});
    m_preview->setObjectName(QStringLiteral("imgPreview"));
    m_preview->setFixedSize(164, 164);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setFrameShape(QFrame::StyledPanel);
    m_size->setObjectName(QStringLiteral("lblPreviewSize"));
    m_size->setAlignment(Qt::AlignCenter);
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        auto* box = new QWidget(this);
        auto* column = new QVBoxLayout(box);
        column->setContentsMargins(0, 0, 0, 0);
        column->addWidget(m_preview);
        column->addWidget(m_size);
        column->addStretch();
        grid->addWidget(box, 0, grid->columnCount(), grid->rowCount(), 1);
    }
    connect(this, &QFileDialog::currentChanged, this, &TPictureOpenDialog::showPreview);
}

void TPictureOpenDialog::showPreview(const QString& path)
{
    m_preview->clear();
    m_size->clear();
    if (KindOfFileName(path) == Kind::None || !QFileInfo(path).isFile())
        return;
    const LoadedPicture r = LoadPicture(path, QSize(160, 160));
    if (!r.ok()) {
        m_preview->setText(QStringLiteral("No preview"));
        return;
    }
    const QSize fit = FitPicture(r.fullSize, QSize(160, 160));
    m_preview->setPixmap(QPixmap::fromImage(BuildDisplayed(r.image, r.fullSize, fit, false)));
    m_size->setText(QStringLiteral("%1 × %2").arg(r.fullSize.width()).arg(r.fullSize.height()));
}

TfrmPicScheme::TfrmPicScheme(TStudioSession& session, TStudioViews& views, const SettingsStore& settings,
                             QWidget* parent)
    : TToolWindow(QStringLiteral("TfrmPicScheme"), QStringLiteral("Picturist"), QSize(600, 450), parent,
                  Frame::Sizeable)
    , m_session(session)
    , m_views(views)
    , m_model(settings.readInt(SettingKey::PicturistNumColors), settings.readInt(SettingKey::PicturistPaletteLeft),
              settings.readInt(SettingKey::PicturistPaletteTop))
{
    setMinimumSize(500, 400);
    resize(settings.readInt(SettingKey::PicturistWidth), settings.readInt(SettingKey::PicturistHeight));

    tbOpen = addButton("tbOpen", QStringLiteral("Open…"), QStringLiteral("Open an image to use as the basis for your scheme"),
                       QRect(2, 2, 64, 28));
    tbOpen->setIcon(StudioIcons::Icon(QStringLiteral("tbOpen")));
    addSeparator(68);
    tbMosaic = addButton("tbMosaic", QStringLiteral("Mosaic Mode"),
                         QStringLiteral("Convert the image to a mosaic (blocks of color)"), QRect(72, 2, 88, 28));
    tbMosaic->setCheckable(true);
    tbMosaic->setIcon(drawnIcon(QStringLiteral("tbMosaic")));
    addSeparator(162);
    tbRandom = addButton("tbRandom", QStringLiteral("Randomize!"), QStringLiteral("Generate a random scheme from your image"),
                         QRect(166, 2, 80, 28));
    tbRandom->setIcon(StudioIcons::Icon(QStringLiteral("tbRandomizeBase")));
    tbAddFavs = addButton("tbAddFavs", QStringLiteral("Add to Favs"), QStringLiteral("Add all colors to your Favorites"),
                          QRect(246, 2, 86, 28));
    tbAddFavs->setIcon(drawnIcon(QStringLiteral("tbAddFavs")));
    addSeparator(334);
    lblColors = new QLabel(QStringLiteral("# Colors:"), this);
    lblColors->setObjectName(QStringLiteral("lblColors"));
    lblColors->move(344 + m_toolShift, 10);
    lblColors->adjustSize();
    cboNumColors = new QComboBox(this);
    cboNumColors->setObjectName(QStringLiteral("cboNumColors"));
    cboNumColors->setGeometry(390 + m_toolShift, 6, 37, 21);
    for (int n = kMinColors; n <= kMaxColors; ++n)
        cboNumColors->addItem(QStringLiteral(" %1").arg(n));
    cboNumColors->setCurrentIndex(m_model.numColors() - kMinColors);
    addSeparator(431);
    tbExtract = addButton("tbExtract", QStringLiteral("Extract"),
                          QStringLiteral("Place the points on the picture's representative colors"), QRect(435, 2, 62, 28));
    tbExtract->setIcon(drawnIcon(QStringLiteral("tbExtract")));

    connect(tbOpen, &QToolButton::clicked, this, &TfrmPicScheme::tbOpenClick);
    connect(tbMosaic, &QToolButton::clicked, this, &TfrmPicScheme::tbMosaicClick);
    connect(tbRandom, &QToolButton::clicked, this, &TfrmPicScheme::tbRandomClick);
    connect(tbAddFavs, &QToolButton::clicked, this, &TfrmPicScheme::tbAddFavsClick);
    connect(tbExtract, &QToolButton::clicked, this, &TfrmPicScheme::tbExtractClick);
    connect(cboNumColors, &QComboBox::currentIndexChanged, this, &TfrmPicScheme::cboNumColorsChange);

    pbDrawLayer = new TPicDrawLayer(&m_frame, this);
    pbDrawLayer->setGeometry(0, kAreaTop, width(), height() - kAreaTop);
    pbDrawLayer->hide();
    m_model.setArea(pbDrawLayer->size());
    connect(pbDrawLayer, &TPicDrawLayer::mousePressed, this, &TfrmPicScheme::pbDrawLayerMouseDown);
    connect(pbDrawLayer, &TPicDrawLayer::mouseMoved, this, &TfrmPicScheme::pbDrawLayerMouseMove);
    connect(pbDrawLayer, &TPicDrawLayer::mouseReleased, this, &TfrmPicScheme::pbDrawLayerMouseUp);

    // A large JPEG is decoded at the size it is shown; once a resize has
    // settled, it is decoded again when the window grew beyond that.
    m_sharpen.setSingleShot(true);
    m_sharpen.setInterval(200);
    connect(&m_sharpen, &QTimer::timeout, this, [this] {
        if (m_model.sharpen())
            repaintFrame(m_highlighted);
    });

    setLoadedControls(false);
    placeFromSettings(settings, SettingKey::PicturistTop, SettingKey::PicturistLeft);
}

QToolButton* TfrmPicScheme::addButton(const char* name, const QString& caption, const QString& hint, QRect place)
{
    auto* b = new QToolButton(this);
    b->setObjectName(QLatin1String(name));
    b->setText(caption);
    b->setToolTip(hint);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setIconSize(QSize(16, 16));
    QPixmap placeholder(16, 16); // the caller sets the picture; its room counts from now
    placeholder.fill(Qt::transparent);
    b->setIcon(QIcon(placeholder));
    // A caption wider than its place in this font pushes what follows to the right.
    const int width = std::max(place.width(), b->sizeHint().width());
    b->setGeometry(place.x() + m_toolShift, place.y(), width, place.height());
    m_toolShift += width - place.width();
    return b;
}

void TfrmPicScheme::addSeparator(int x)
{
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(x + m_toolShift, 4, 2, 24);
}

void TfrmPicScheme::setLoadedControls(bool on)
{
    for (QWidget* w : {static_cast<QWidget*>(tbRandom), static_cast<QWidget*>(tbAddFavs), static_cast<QWidget*>(tbMosaic),
                       static_cast<QWidget*>(lblColors), static_cast<QWidget*>(cboNumColors),
                       static_cast<QWidget*>(tbExtract)})
        w->setEnabled(on);
}

void TfrmPicScheme::showMessage(const QString& text)
{
    if (m_message) {
        m_message(text);
        return;
    }
    QMessageBox::warning(this, QStringLiteral("Tintvale Studio"), text);
}

void TfrmPicScheme::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(palette().color(QPalette::Dark));
    p.drawLine(0, kToolbarHeight, width() - 1, kToolbarHeight);
    p.setPen(palette().color(QPalette::Shadow));
    p.drawLine(0, kToolbarHeight + 1, width() - 1, kToolbarHeight + 1);
}

void TfrmPicScheme::resizeEvent(QResizeEvent* event)
{
    TToolWindow::resizeEvent(event);
    pbDrawLayer->setGeometry(0, kAreaTop, width(), std::max(0, height() - kAreaTop));
    if (!m_model.loaded()) {
        m_model.setArea(pbDrawLayer->size());
        return;
    }
    m_model.resize(pbDrawLayer->size());
    repaintFrame(m_highlighted);
    if (m_model.wantsSharperPicture())
        m_sharpen.start();
}

void TfrmPicScheme::repaintFrame(int highlight)
{
    m_highlighted = highlight;
    const QSize size = pbDrawLayer->size();
    if (m_frame.size() != size)
        m_frame = QImage(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    QPainter p(&m_frame);
    RenderFrame(p, size, m_model, highlight, palette().color(QPalette::Button));
    p.end();
    pbDrawLayer->update();
}

bool TfrmPicScheme::openPicture(const QString& path)
{
    m_model.setArea(pbDrawLayer->size());
    const LoadedPicture r = m_model.open(path);
    if (!r.ok()) {
        showMessage(r.message);
        return false;
    }
    setLoadedControls(true);
    pbDrawLayer->show();
    m_dragged = Dragged::None;
    m_colorPressed = false;
    if (m_model.mosaicFailed())
        showMessage(QStringLiteral("Unable to convert image to mosaic mode."));
    repaintFrame(-1);
    return true;
}

void TfrmPicScheme::tbOpenClick()
{
    QString path;
    if (m_openDialog) {
        path = m_openDialog();
    } else {
        TPictureOpenDialog dialog(this);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            path = dialog.selectedFiles().first();
    }
    if (!path.isEmpty())
        openPicture(path);
}

void TfrmPicScheme::tbMosaicClick(bool down)
{
    if (!m_model.setMosaic(down))
        showMessage(QStringLiteral("Unable to convert image to mosaic mode."));
    repaintFrame(m_highlighted);
}

void TfrmPicScheme::tbRandomClick()
{
    m_model.randomize();
    repaintFrame(-1);
}

void TfrmPicScheme::tbExtractClick()
{
    m_model.extract();
    repaintFrame(-1);
}

void TfrmPicScheme::cboNumColorsChange(int index)
{
    if (index < 0)
        return;
    m_model.setNumColors(cboNumColors->itemText(index).trimmed().toInt());
    if (m_model.loaded())
        repaintFrame(-1);
}

void TfrmPicScheme::tbAddFavsClick()
{
    TFavoritesList& favs = m_session.favorites();
    const int remembered = m_views.favoritesScrollMaximum();
    const QList<SamplePoint>& points = m_model.points();
    for (qsizetype i = 0; i < points.size(); ++i)
        favs.AddColorsToFavorites(points[i].color, QString(), i == points.size() - 1);
    for (qsizetype i = favs.count() - points.size(); i < favs.count(); ++i)
        if (i >= 0)
            favs.setSelected(i, true);
    if (m_views.favoritesScrollMaximum() > 0)
        m_views.setFavoritesScrollPosition(remembered);
    m_views.repaintFavorites();
    if (parentWidget())
        parentWidget()->activateWindow();
}

void TfrmPicScheme::pbDrawLayerMouseDown(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    const int point = PointUnderPress(m_model.points(), pos);
    if (point >= 0) {
        pbDrawLayer->setCursor(Qt::BlankCursor);
        m_dragged = Dragged::Point;
        m_draggedPoint = point;
        return;
    }
    if (!InsidePanel(m_model.palette(), pos))
        return;
    const int swatch = SwatchAt(m_model.palette(), m_model.numColors(), pos, false);
    if (swatch >= 0) {
        if (m_handShown) {
            m_session.setPendingColor(m_model.points()[swatch].color);
            m_colorPressed = true;
            m_pressPos = pos;
        }
        return;
    }
    m_dragged = Dragged::Panel;
    m_panelPressMouse = pos;
    m_panelAtPress = m_model.palette();
}

void TfrmPicScheme::pbDrawLayerMouseMove(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (m_dragged == Dragged::Point) {
        m_model.movePoint(m_draggedPoint, pos);
        repaintFrame(m_draggedPoint);
        return;
    }
    pbDrawLayer->unsetCursor();
    m_handShown = false;
    if (m_dragged == Dragged::Panel) {
        m_model.setPalette(MovedPalette(pos, m_panelPressMouse, m_panelAtPress, m_model.numColors(), pbDrawLayer->size()));
        repaintFrame(-1);
        return;
    }
    if (m_colorPressed && (event->buttons() & Qt::LeftButton)
        && (pos - m_pressPos).manhattanLength() >= kDragThreshold) {
        startColorDrag();
        return;
    }
    const PaletteRect& r = m_model.palette();
    int found = PointUnderHover(m_model.points(), pos);
    if (InsidePanelInner(r, pos)) {
        if (found < 0) {
            found = SwatchAt(r, m_model.numColors(), pos, true);
            if (found >= 0) {
                pbDrawLayer->setCursor(Qt::PointingHandCursor);
                m_handShown = true;
            }
        }
    } else if (found >= 0) {
        pbDrawLayer->setCursor(Qt::PointingHandCursor);
        m_handShown = true;
    }
    if (found != m_highlighted)
        repaintFrame(found);
}

void TfrmPicScheme::startColorDrag()
{
    m_colorPressed = false;
    const TColor color = m_session.PendingColor();
    ColorMime::ExecDrag(pbDrawLayer, ColorMime::Make(color, QStringLiteral("picture")), color);
    m_views.repaintFavorites();
    m_session.resetPendingColor();
    pbDrawLayer->unsetCursor();
}

void TfrmPicScheme::pbDrawLayerMouseUp(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_colorPressed && !(event->buttons() & Qt::LeftButton)
        && m_session.PendingColor() != m_session.baseColor())
        m_session.SetBaseColor(m_session.PendingColor());
    m_colorPressed = false;
    if (m_dragged == Dragged::Point) {
        pbDrawLayer->setCursor(Qt::PointingHandCursor);
        m_handShown = true;
    }
    m_dragged = Dragged::None;
    m_draggedPoint = -1;
}

QList<QPair<SettingKey, QString>> TfrmPicScheme::closingSettings() const
{
    const PaletteRect& r = m_model.palette();
    return positionSettings(SettingKey::PicturistTop, SettingKey::PicturistLeft)
           << QPair{SettingKey::PicturistWidth, QString::number(width())}
           << QPair{SettingKey::PicturistHeight, QString::number(height())}
           << QPair{SettingKey::PicturistPaletteLeft, QString::number(r.left)}
           << QPair{SettingKey::PicturistPaletteTop, QString::number(r.top)}
           << QPair{SettingKey::PicturistNumColors, QString::number(m_model.numColors())};
}
