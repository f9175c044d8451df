#include "TColorHistory.h"

TColorHistory::TColorHistory(QObject* parent)
    : QObject(parent)
{
}

void TColorHistory::setEnabling(bool back, bool forward)
{
    if (back == m_backEnabled && forward == m_forwardEnabled)
        return;
    m_backEnabled = back;
    m_forwardEnabled = forward;
    emit navigationChanged();
}

void TColorHistory::updateEnablingByRule()
{
    const int last = int(m_entries.size()) - 1;
    setEnabling(m_position > 0, m_position >= 0 && m_position < last);
}

void TColorHistory::Record(TColor color)
{
    if (m_position + 1 < m_entries.size())
        m_entries.resize(m_position + 1);
    m_entries.append(color);
    m_position = int(m_entries.size()) - 1;
    emit changed();
    updateEnablingByRule();
}

void TColorHistory::baseColorSet(TColor color)
{
    if (!m_navigating)
        Record(color);
    m_navigating = false;
    updateEnablingByRule();
}

void TColorHistory::apply()
{
    emit changed();
    m_navigating = true;
    emit applyRequested(m_entries.at(m_position));
    m_navigating = false;
    updateEnablingByRule();
}

void TColorHistory::Back()
{
    if (m_position > 0) {
        --m_position;
        apply();
    }
    bool back = m_backEnabled, forward = m_forwardEnabled;
    if (m_position <= 0)
        back = false;
    if (m_entries.size() >= 2)
        forward = true;
    setEnabling(back, forward);
}

void TColorHistory::Forward()
{
    const int last = int(m_entries.size()) - 1;
    if (m_position < last) {
        ++m_position;
        apply();
    }
    bool back = m_backEnabled, forward = m_forwardEnabled;
    if (m_position == last)
        forward = false;
    if (m_entries.size() >= 2)
        back = true;
    setEnabling(back, forward);
}

void TColorHistory::Choose(int i)
{
    if (i < 0 || i >= m_entries.size())
        return;
    m_position = i;
    apply();
}

void TColorHistory::ClearHistory(TColor baseColor)
{
    m_entries.clear();
    m_entries.append(baseColor);
    m_position = 0;
    emit changed();
    DisableNavigation();
}

void TColorHistory::DisableNavigation() { setEnabling(false, false); }
