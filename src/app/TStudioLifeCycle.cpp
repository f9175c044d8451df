#include "TStudioLifeCycle.h"

#include "FavoritesError.h"
#include "SchemeFile.h"
#include "TColorHistory.h"
#include "TFavoritesList.h"
#include "TSchemeDocument.h"
#include "TStudioSession.h"
#include "WindowPlacement.h"

#include <QFileInfo>

TStudioLifeCycle::TStudioLifeCycle(TStudioSession& session, SettingsStore settings)
    : m_session(session)
    , m_settings(std::move(settings))
{
}

QString TStudioLifeCycle::sessionFilePath() const
{
    return SessionFilePath(QFileInfo(m_settings.filePath()).absolutePath());
}

TStudioLifeCycle::StartUp TStudioLifeCycle::start(QSize windowSize, QRect screen, const QList<QRect>& screens)
{
    StartUp out;
    TWindowSettings& w = out.window;
    m_session.setWebSnapMode(m_settings.readInt(SettingKey::WebsafeMode));
    const int blindness = m_settings.readInt(SettingKey::Blindness);
    m_session.setVisionMode(blindness < 0 || blindness > 8 ? 0 : blindness);
    const int palette = m_settings.readInt(SettingKey::Palette);
    w.palette = palette < 0 || palette > 2 ? 0 : palette;
    m_session.setRybMode(m_settings.readBool(SettingKey::RYBMode));
    w.wheelStyle = m_settings.readInt(SettingKey::WheelStyle) == 0;

    m_session.SetBaseColor(ColorFromValue(std::uint32_t(m_settings.readInt(SettingKey::MainBaseColor)) & 0xFFFFFF));

    w.position = StoredPosition(m_settings, SettingKey::MainTop, SettingKey::MainLeft, windowSize, screen, screens);
    w.selectedTab = m_settings.readInt(SettingKey::MainSelectedTab);
    w.onTop = m_settings.readBool(SettingKey::OnTop);

    if (m_settings.readBool(SettingKey::RememberScheme)) {
        const FavoritesError e = m_session.document().loadSession(sessionFilePath(), m_session.favorites());
        if (e != FavoritesError::None)
            out.messages << FavoritesErrorText(e);
    }

    m_session.setSteps(m_settings.readString(SettingKey::LInc).trimmed().toInt(),
                       m_settings.readString(SettingKey::SInc).trimmed().toInt());
    int caption = m_settings.readInt(SettingKey::FavCaption);
    if (caption > 2)
        caption = 0;
    TFavoritesList& favorites = m_session.favorites();
    favorites.setNameStyle(caption);
    favorites.setExpandedStyle(m_settings.readBool(SettingKey::FavStyleExp));
    w.deleteWarning = m_settings.readBool(SettingKey::FavDelWarn);

    m_session.history().DisableNavigation();
    m_session.setPendingColor(m_session.WorkingColor());
    return out;
}

bool TStudioLifeCycle::closeNeedsQuestion() const
{
    return m_settings.readBool(SettingKey::FavExitWarn) && m_session.isModified();
}

QString TStudioLifeCycle::close(const TWindowSettings& w)
{
    const auto number = [](int v) { return QString::number(v); };
    QList<QPair<SettingKey, QString>> values = w.tools;
    values << QPair{SettingKey::MainTop, number(w.position.y())} << QPair{SettingKey::MainLeft, number(w.position.x())}
           << QPair{SettingKey::MainBaseColor, number(int(ColorValue(m_session.WorkingColor())))}
           << QPair{SettingKey::MainSelectedTab, number(w.selectedTab)}
           << QPair{SettingKey::RYBMode, number(m_session.rybMode() ? 1 : 0)}
           << QPair{SettingKey::WheelStyle, number(w.wheelStyle ? 0 : 1)}
           << QPair{SettingKey::OnTop, number(w.onTop ? 1 : 0)}
           << QPair{SettingKey::Blindness, number(m_session.visionMode())};
    m_settings.writeAll(values);
    if (!m_settings.readBool(SettingKey::RememberScheme))
        return {};
    const FavoritesError e = m_session.document().saveSession(sessionFilePath(), m_session.favorites(), m_session.baseColor());
    return e == FavoritesError::None ? QString() : FavoritesErrorText(e);
}
