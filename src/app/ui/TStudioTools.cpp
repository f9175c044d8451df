#include "TStudioTools.h"

#include "TStudioSession.h"
#include "TfrmAnalyzer.h"
#include "TfrmMixer.h"
#include "PortalColorPicker.h"
#include "TfrmPantone.h"
#include "TfrmPreview.h"
#include "TfrmPrint.h"
#include "TColorHistory.h"
#include "TFavoritesList.h"
#include "TfrmScreenPicker.h"
#include "TfrmPicScheme.h"

#include <QTimer>
#include <QToolButton>

TStudioTools::TStudioTools(TStudioSession& session, TStudioViews& views, SettingsStore settings, QWidget* owner)
    : QObject(owner)
    , m_session(session)
    , m_views(views)
    , m_settings(std::move(settings))
    , m_owner(owner)
    , m_startColor(session.baseColor())
{
}

TStudioTools::~TStudioTools() = default;

void TStudioTools::attach(const QHash<QString, QToolButton*>& buttons)
{
    m_startColor = m_session.baseColor();
    const auto take = [&](QPointer<QToolButton>& button, const char* name, void (TStudioTools::*clicked)(bool)) {
        button = buttons.value(QLatin1String(name));
        if (button)
            connect(button, &QToolButton::clicked, this, clicked);
    };
    take(m_mixerButton, "tbColorMixer", &TStudioTools::mixerButtonClicked);
    take(m_analyzerButton, "tbAnalyzer", &TStudioTools::analyzerButtonClicked);
    take(m_pictureButton, "tbPhotoScheme", &TStudioTools::pictureButtonClicked);
    take(m_previewButton, "tbQuickPreview", &TStudioTools::previewButtonClicked);
}

TfrmMixer* TStudioTools::mixer()
{
    if (!m_mixer) {
        m_mixer = new TfrmMixer(m_session, m_views, m_settings, m_startColor, m_owner);
        connect(m_mixer, &TfrmMixer::closed, this, [this] {
            if (m_mixerButton)
                m_mixerButton->setChecked(false);
        });
    }
    return m_mixer;
}

TfrmAnalyzer* TStudioTools::analyzer()
{
    if (!m_analyzer) {
        m_analyzer = new TfrmAnalyzer(m_session, m_settings, m_owner);
        connect(m_analyzer, &TfrmAnalyzer::closed, this, [this] {
            if (m_analyzerButton)
                m_analyzerButton->setChecked(false);
        });
    }
    return m_analyzer;
}

TfrmPantone* TStudioTools::pantone()
{
    if (!m_pantone)
        m_pantone = new TfrmPantone(m_session, m_views, m_settings, GuideFolders(), UserGuideFolder(), m_owner);
    return m_pantone;
}

TfrmPreview* TStudioTools::preview()
{
    if (!m_preview) {
        m_preview = new TfrmPreview(m_session, m_views, m_settings, m_owner);
        connect(m_preview, &TfrmPreview::closed, this, [this] {
            if (m_previewButton)
                m_previewButton->setChecked(false);
        });
    }
    return m_preview;
}

void TStudioTools::previewButtonClicked(bool down)
{
    if (!down) {
        if (m_preview)
            m_preview->hide();
        return;
    }
    preview()->show();
    m_preview->raise();
}

void TStudioTools::showPreview()
{
    if (m_previewButton)
        m_previewButton->setChecked(true);
    previewButtonClicked(true);
}

ExportGroups TStudioTools::colorGroups()
{
    ExportGroups groups;
    for (const TFavColor& f : m_session.favorites().entries())
        groups.favorites.append(ExportFavorite{f.Color, f.Name});
    const TWheelColors& wheel = m_session.WheelColors();
    groups.wheel = QList<TColor>(wheel.begin(), wheel.begin() + 12);
    groups.mixer = mixerColors();
    groups.history = m_session.history().entries();
    return groups;
}

TfrmPrint* TStudioTools::showPrint()
{
    m_print = new TfrmPrint([this] { return colorGroups(); }, m_owner);
    m_print->setAttribute(Qt::WA_DeleteOnClose);
    m_print->show();
    return m_print;
}

void TStudioTools::showPantone()
{
    pantone()->show();
    m_pantone->raise();
}

TfrmScreenPicker* TStudioTools::screenPicker()
{
    if (!m_picker) {
        m_picker = new TfrmScreenPicker(m_owner);
        connect(m_picker, &TfrmScreenPicker::picked, this, [this](TColor c) {
            m_session.SetBaseColor(c);
            showAfterPicking();
        });
        connect(m_picker, &TfrmScreenPicker::cancelled, this, &TStudioTools::showAfterPicking);
    }
    return m_picker;
}

void TStudioTools::startPicking()
{
    if (m_picking)
        return;
    m_picking = true;
    if (PortalColorPicker::Needed()) {
        auto* portal = new PortalColorPicker(this);
        connect(portal, &PortalColorPicker::picked, this, [this, portal](TColor c) {
            m_picking = false;
            m_session.SetBaseColor(c);
            portal->deleteLater();
        });
        connect(portal, &PortalColorPicker::cancelled, this, [this, portal] {
            m_picking = false;
            portal->deleteLater();
        });
        portal->pick();
        return;
    }
    hideForPicking();
    QTimer::singleShot(150, this, [this] {
        QRect desktop;
        const QImage snapshot = TfrmScreenPicker::GrabDesktop(desktop);
        if (snapshot.isNull()) {
            showAfterPicking();
            return;
        }
        screenPicker()->start(snapshot, desktop);
    });
}

void TStudioTools::hideForPicking()
{
    for (QWidget* w : std::initializer_list<QWidget*>{m_analyzer, m_mixer, m_pantone, m_picture, m_preview, m_owner})
        if (w)
            w->hide();
}

void TStudioTools::showAfterPicking()
{
    m_picking = false;
    if (m_analyzerButton && m_analyzerButton->isChecked())
        analyzer()->show();
    if (m_mixerButton && m_mixerButton->isChecked())
        mixer()->show();
    if (m_pictureButton && m_pictureButton->isChecked())
        picture()->show();
    if (m_previewButton && m_previewButton->isChecked())
        preview()->show();
    m_owner->show();
}

TfrmPicScheme* TStudioTools::picture()
{
    if (!m_picture) {
        m_picture = new TfrmPicScheme(m_session, m_views, m_settings, m_owner);
        connect(m_picture, &TfrmPicScheme::closed, this, [this] {
            if (m_pictureButton)
                m_pictureButton->setChecked(false);
        });
    }
    return m_picture;
}

void TStudioTools::pictureButtonClicked(bool down)
{
    if (!down) {
        if (m_picture)
            m_picture->hide();
        return;
    }
    picture()->show();
    m_picture->raise();
    m_picture->activateWindow();
}

void TStudioTools::showPicture()
{
    if (m_pictureButton)
        m_pictureButton->setChecked(true);
    pictureButtonClicked(true);
}

void TStudioTools::mixerButtonClicked(bool down)
{
    if (!down) {
        if (m_mixer)
            m_mixer->hide();
        return;
    }
    mixer()->setStartColor(m_session.WorkingColor());
    m_mixer->show();
    m_mixer->raise();
}

void TStudioTools::showMixer()
{
    if (m_mixerButton)
        m_mixerButton->setChecked(true);
    mixer()->show();
    m_mixer->raise();
}

void TStudioTools::analyzerButtonClicked(bool down)
{
    if (!down) {
        if (m_analyzer)
            m_analyzer->hide();
        return;
    }
    analyzer()->refresh();
    m_analyzer->show();
    m_analyzer->raise();
}

void TStudioTools::showAnalyzer()
{
    if (m_analyzerButton)
        m_analyzerButton->setChecked(true);
    analyzerButtonClicked(true);
}

QList<TColor> TStudioTools::mixerColors()
{
    return mixer()->mixedColors();
}

QList<QPair<SettingKey, QString>> TStudioTools::closingSettings()
{
    return preview()->closingSettings() + analyzer()->closingSettings() + mixer()->closingSettings()
           + pantone()->closingSettings() + picture()->closingSettings();
}

TfrmPrint* TStudioTools::printWindow() const { return m_print; }
