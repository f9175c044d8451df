#include "WindowPlacement.h"

#include <algorithm>

namespace {

long long overlapArea(const QRect& a, const QRect& b)
{
    const QRect i = a.intersected(b);
    return i.isEmpty() ? 0 : (long long)i.width() * i.height();
}

// The start of a span of length `size` moved into [lo, lo + room).
int clampSpan(int start, int size, int lo, int room)
{
    if (size >= room)
        return lo;
    return std::clamp(start, lo, lo + room - size);
}

} // namespace

QPoint KeepOnScreen(const QRect& frame, const QList<QRect>& screens)
{
    if (screens.isEmpty())
        return frame.topLeft();
    QRect target = screens.first();
    long long best = 0;
    for (const QRect& s : screens) {
        const long long area = overlapArea(frame, s);
        if (area > best) {
            best = area;
            target = s;
        }
    }
    return {clampSpan(frame.left(), frame.width(), target.left(), target.width()),
            clampSpan(frame.top(), frame.height(), target.top(), target.height())};
}

QPoint StoredPosition(const SettingsStore& settings, SettingKey topKey, SettingKey leftKey, QSize windowSize,
                      const QRect& screen, const QList<QRect>& screens)
{
    const int top = settings.readInt(topKey, (screen.height() - windowSize.height()) / 2);
    const int left = settings.readInt(leftKey, (screen.width() - windowSize.width()) / 2);
    return KeepOnScreen(QRect(QPoint(left, top), windowSize), screens);
}
