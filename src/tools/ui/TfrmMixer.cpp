#include "TfrmMixer.h"

#include "BaseColumnPicture.h"
#include "TChannelBar.h"
#include "TFavoritesList.h"
#include "TPaintBox.h"
#include "TStudioSession.h"
#include "TStudioViews.h"
#include "ToolPictures.h"
#include "paint/ColorMime.h"
#include "paint/DevicePicture.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QScopedValueRollback>
#include <QSlider>
#include <QToolButton>

namespace {
constexpr int kDragThreshold = 10;

int channelOf(TColor c, int channel)
{
    return channel == 0 ? RedOf(c) : channel == 1 ? GreenOf(c) : BlueOf(c);
}
} // namespace

TMixEndSwatch::TMixEndSwatch(const QString& name, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(name);
    setFixedSize(149, 50);
    setAcceptDrops(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TMixEndSwatch::setColor(TColor color)
{
    m_color = color;
    m_dirty = true;
    update();
}

const QImage& TMixEndSwatch::image()
{
    if (m_dirty || !DevicePicture::Fits(m_image, size(), devicePixelRatioF())) {
        m_image = DevicePicture::Make(size(), devicePixelRatioF());
        QPainter p(&m_image);
        BaseColumn::RenderBaseSwatch(p, size(), m_color, TDisplayMapper());
        m_dirty = false;
    }
    return m_image;
}

void TMixEndSwatch::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, image());
}

void TMixEndSwatch::dragEnterEvent(QDragEnterEvent* event)
{
    ColorMime::AcceptColorDrag(event);
}

void TMixEndSwatch::dragMoveEvent(QDragMoveEvent* event)
{
    ColorMime::AcceptColorDrag(event);
}

void TMixEndSwatch::dropEvent(QDropEvent* event)
{
    if (const auto c = ColorMime::ColorOf(event->mimeData())) {
        event->acceptProposedAction();
        emit colorDropped(*c);
    }
}

TfrmMixer::TfrmMixer(TStudioSession& session, TStudioViews& views, const SettingsStore& settings, TColor start,
                     QWidget* parent)
    : TToolWindow(QStringLiteral("TfrmMixer"), QStringLiteral("Color Mixer"), QSize(348, 377), parent)
    , m_session(session)
    , m_views(views)
{
    addHeaderBand(this, QStringLiteral("tbColorMixer"), QStringLiteral("Blend two colors together to create a set of mixed colors"));
    buildEnd(0, 0);
    buildEnd(1, 183);
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::VLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(174, 50, 1, 136);

    pbMixColor = new TPaintBox(QStringLiteral("pbMixColor"), this);
    pbMixColor->setGeometry(0, 192, 348, 149);
    pbMixColor->setRenderer([this](QPainter& p, const QSize& size) { ToolPictures::RenderMixStrip(p, size, m_mixed); });
    connect(pbMixColor, &TPaintBox::mousePressed, this, &TfrmMixer::stripPressed);
    connect(pbMixColor, &TPaintBox::mouseMoved, this, &TfrmMixer::stripMoved);
    connect(pbMixColor, &TPaintBox::mouseReleased, this, &TfrmMixer::stripReleased);

    lblSteps = new QLabel(QStringLiteral("Steps: 1"), this);
    lblSteps->setObjectName(QStringLiteral("lblSteps"));
    lblSteps->setGeometry(8, 352, 50, 16);
    m_steps = new QSlider(Qt::Horizontal, this);
    m_steps->setObjectName(QStringLiteral("steps"));
    m_steps->setGeometry(55, 349, 98, 22);
    m_steps->setRange(Tools::kMinMixSteps, Tools::kMaxMixSteps);
    m_steps->setPageStep(5);
    m_steps->setTickInterval(10);
    m_steps->setTickPosition(QSlider::TicksBelow);
    m_steps->setValue(1);
    auto* pathLabel = new QLabel(QStringLiteral("Path:"), this);
    pathLabel->setGeometry(162, 353, 30, 16);
    cboPath = new QComboBox(this);
    cboPath->setObjectName(QStringLiteral("cboPath"));
    cboPath->setGeometry(194, 350, 119, 21);
    for (const Tools::MixPathInfo& info : Tools::kMixPaths)
        cboPath->addItem(QLatin1String(info.caption));
    auto* addAll = new QToolButton(this);
    addAll->setObjectName(QStringLiteral("cmdAddAllMixedFavs"));
    addAll->setToolTip(QStringLiteral("Add all Mixed Colors to Favorites"));
    addAll->setAutoRaise(true);
    addAll->setText(QStringLiteral("+"));
    addAll->setGeometry(320, 348, 23, 22);
    connect(addAll, &QToolButton::clicked, this, &TfrmMixer::addAllToFavorites);

    // Creation: the linear path, the base colour into white, the stored steps.
    writeBoxes(0, start);
    writeBoxes(1, clWhite);
    m_steps->setValue(settings.readInt(SettingKey::MixerSteps));
    connect(m_steps, &QSlider::valueChanged, this, &TfrmMixer::stepsOrPathChanged);
    connect(cboPath, &QComboBox::currentIndexChanged, this, &TfrmMixer::stepsOrPathChanged);
    stepsOrPathChanged();
    placeFromSettings(settings, SettingKey::MixerTop, SettingKey::MixerLeft);
}

void TfrmMixer::buildEnd(int which, int left)
{
    End& end = m_ends[size_t(which)];
    const QString suffix = which == 0 ? QString() : QStringLiteral("2");
    auto* caption = new QLabel(which == 0 ? QStringLiteral("Start Color:") : QStringLiteral("End Color:"), this);
    caption->setGeometry(left + 8, 50, 140, 14);
    end.swatch = new TMixEndSwatch(QStringLiteral("pbBase") + suffix, this);
    end.swatch->move(left + 8, 65);
    connect(end.swatch, &TMixEndSwatch::colorDropped, this, [this, which](TColor c) { writeBoxes(which, c); });
    auto* digits3 = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), this);
    static const char* const channels[3] = {"R", "G", "B"};
    for (int c = 0; c < 3; ++c) {
        const int y = 124 + 20 * c;
        auto* label = new QLabel(QLatin1String(channels[c]), this);
        label->setGeometry(left + 8, y, 10, 15);
        auto* bar = new TChannelBar(QStringLiteral("pb") + QLatin1String(channels[c]) + suffix, BaseColumn::Bar(c), this);
        bar->setGeometry(left + 19, y, 107, 15);
        auto* box = new QLineEdit(QStringLiteral("255"), this);
        box->setObjectName(QStringLiteral("txt") + QLatin1String(channels[c]) + suffix);
        box->setGeometry(left + 131, y - 2, 26, 17);
        box->setMaxLength(3);
        box->setValidator(digits3);
        end.bars[size_t(c)] = bar;
        end.boxes[size_t(c)] = box;
        connect(bar, &TChannelBar::sliderMoved, box, [box](int v) { box->setText(QString::number(v)); });
        connect(bar, &TChannelBar::sliderReleased, this, [this, which] { setEndFromBoxes(which); });
        connect(box, &QLineEdit::textChanged, this, [this, which, box] {
            if (m_updating)
                return;
            const Tools::NumberBoxFix fix = Tools::FixNumberBoxText(box->text());
            if (fix.replaced) {
                QScopedValueRollback guard(m_updating, true);
                box->setText(fix.text);
                box->selectAll();
            }
            setEndFromBoxes(which);
        });
    }
}

void TfrmMixer::writeBoxes(int which, TColor color)
{
    End& end = m_ends[size_t(which)];
    {
        QScopedValueRollback guard(m_updating, true);
        for (int c = 0; c < 3; ++c)
            end.boxes[size_t(c)]->setText(QString::number(channelOf(color, c)));
    }
    setEndFromBoxes(which);
}

void TfrmMixer::setStartColor(TColor color) { writeBoxes(0, color); }
void TfrmMixer::setEndColor(TColor color) { writeBoxes(1, color); }

void TfrmMixer::setEndFromBoxes(int which)
{
    End& end = m_ends[size_t(which)];
    int v[3];
    for (int c = 0; c < 3; ++c)
        v[c] = Tools::FixNumberBoxText(end.boxes[size_t(c)]->text()).value;
    end.color = MakeColor(v[0], v[1], v[2]);
    end.swatch->setColor(end.color);
    for (int c = 0; c < 3; ++c)
        end.bars[size_t(c)]->setState(v[c], end.color);
    rebuild();
}

void TfrmMixer::rebuild()
{
    Tools::BuildMixColors(m_mixed, m_ends[0].color, m_ends[1].color, steps(), path());
    pbMixColor->renderNow();
    emit mixedColorsChanged();
}

int TfrmMixer::steps() const { return m_steps->value(); }

Tools::MixPath TfrmMixer::path() const
{
    const int i = cboPath->currentIndex();
    return i >= 0 && i < int(Tools::kMixPaths.size()) ? Tools::kMixPaths[size_t(i)].path : Tools::MixPath::Linear;
}

void TfrmMixer::stepsOrPathChanged()
{
    lblSteps->setText(QStringLiteral("Steps: ") + QString::number(steps()));
    rebuild();
}

QList<QPair<SettingKey, QString>> TfrmMixer::closingSettings() const
{
    return positionSettings(SettingKey::MixerTop, SettingKey::MixerLeft)
           << QPair{SettingKey::MixerSteps, QString::number(steps())};
}

void TfrmMixer::stripPressed(QMouseEvent* event)
{
    const int i = swatchAt(event->position().toPoint());
    if (i < 0)
        return;
    m_session.setPendingColor(m_mixed[i]);
    m_stripPressed = true;
    m_pressPos = event->position().toPoint();
}

void TfrmMixer::stripMoved(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (swatchAt(pos) >= 0)
        pbMixColor->setCursor(Qt::PointingHandCursor);
    else
        pbMixColor->unsetCursor();
    if (!m_stripPressed || (pos - m_pressPos).manhattanLength() < kDragThreshold)
        return;
    m_stripPressed = false;
    const TColor color = m_session.PendingColor();
    ColorMime::ExecDrag(pbMixColor, ColorMime::Make(color, QStringLiteral("mixer")), color);
    m_views.repaintFavorites();
    m_session.resetPendingColor();
}

void TfrmMixer::stripReleased(QMouseEvent* event)
{
    const bool commit = event->button() == Qt::LeftButton && m_stripPressed && !(event->buttons() & Qt::LeftButton)
                        && m_session.PendingColor() != m_session.baseColor();
    m_stripPressed = false;
    if (commit)
        m_session.SetBaseColor(m_session.PendingColor());
}

void TfrmMixer::addAllToFavorites()
{
    const int remembered = m_views.favoritesScrollMaximum();
    Tools::AddAllMixedToFavorites(m_session.favorites(), m_mixed);
    if (m_views.favoritesScrollMaximum() > 0)
        m_views.setFavoritesScrollPosition(remembered);
    m_views.repaintFavorites();
}
