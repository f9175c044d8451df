#include "TStudioSession.h"

#include "HSLUtils.h"
#include "TColorHistory.h"
#include "TFavoritesList.h"
#include "TSchemeDocument.h"

#include <algorithm>

TStudioSession::TStudioSession(QObject* parent)
    : QObject(parent)
    , m_favorites(new TFavoritesList(this))
    , m_history(new TColorHistory(this))
    , m_document(new TSchemeDocument(this))
{
    connect(m_history, &TColorHistory::applyRequested, this, &TStudioSession::SetBaseColor);
}

TStudioSession::~TStudioSession() = default;

void TStudioSession::SetBaseColor(TColor color)
{
    color = ColorFromValue(ColorValue(color) & 0xFFFFFF);
    if (color == m_wheel[0] && m_shown && !m_history->isNavigating())
        return;
    m_history->baseColorSet(color); // records unless a history step is applied; clears the flag

    m_working = color;
    emit baseColorCommitted(color);
    m_wheel = Workspace::GenerateWheelColors(m_working, m_ryb);
    emit wheelColorsChanged(m_wheel);
    m_pending = color;
    settleWorkingColor();
    emit baseColorSet(color);
}

void TStudioSession::setWorkingColor(TColor color)
{
    if (color == m_working)
        return;
    m_working = color;
    emit workingColorChanged(color);
}

void TStudioSession::settleWorkingColor()
{
    setWorkingColor(m_wheel[0]);
}

void TStudioSession::setRybMode(bool ryb)
{
    if (ryb == m_ryb)
        return;
    m_ryb = ryb;
    emit rybModeChanged(ryb);
    if (m_history->count() == 0)
        return; // no base colour yet: the first one is generated in this mode
    // Re-applied without a history record, regenerated in the new mode.
    m_history->setNavigating(true);
    SetBaseColor(m_wheel[0]);
    m_history->setNavigating(false);
}

void TStudioSession::setWebSnapMode(int mode)
{
    mode = mode == 1 ? 1 : 0;
    if (mode == m_snapMode)
        return;
    m_snapMode = mode;
    emit webSnapModeChanged(mode);
}

void TStudioSession::setVisionMode(int mode)
{
    const TDisplayMapper display(mode);
    if (display.mode() == m_display.mode())
        return;
    m_display = display;
    emit visionModeChanged(m_display);
}

void TStudioSession::setSteps(int lightStep, int saturationStep)
{
    m_lightStep = lightStep;
    m_satStep = saturationStep;
}

void TStudioSession::adjustBase(int saturationPercent, int lightnessPercent)
{
    double h, s, l;
    HSLUtils::RGBToHSL(m_working, h, s, l);
    s = double(std::clamp(s + saturationPercent / 100.0L, 0.0L, 1.0L));
    l = double(std::clamp(l + lightnessPercent / 100.0L, 0.0L, 1.0L));
    SetBaseColor(HSLUtils::HSLToRGB(h, s, l));
}

bool TStudioSession::isModified() const
{
    return m_favorites->isModified();
}
