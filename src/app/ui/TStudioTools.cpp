#include "TStudioTools.h"

#include "TStudioSession.h"
#include "TfrmAnalyzer.h"
#include "TfrmMixer.h"
#include "TfrmPicScheme.h"

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

void TStudioTools::attach(QToolButton* mixerButton, QToolButton* analyzerButton, QToolButton* pictureButton)
{
    m_startColor = m_session.baseColor();
    m_mixerButton = mixerButton;
    m_analyzerButton = analyzerButton;
    connect(mixerButton, &QToolButton::clicked, this, &TStudioTools::mixerButtonClicked);
    connect(analyzerButton, &QToolButton::clicked, this, &TStudioTools::analyzerButtonClicked);
    if (pictureButton) {
        m_pictureButton = pictureButton;
        connect(pictureButton, &QToolButton::clicked, this, &TStudioTools::pictureButtonClicked);
    }
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
    return analyzer()->closingSettings() + mixer()->closingSettings() + picture()->closingSettings();
}
