#pragma once

#include "SettingsStore.h"

#include <QList>
#include <QPoint>
#include <QRect>

// Where a window with a stored position may stand. `frame` is the window at
// its stored position (top-left and size); `screens` are the available
// areas of the screens (without panels and docks), the primary one first.
//
// The window goes to the screen it overlaps most (the primary one when it
// overlaps none) and is moved, as little as possible, until it lies wholly
// inside that screen's area; a window larger than the area keeps its
// top-left corner at the area's top-left. A window already inside stays put.
QPoint KeepOnScreen(const QRect& frame, const QList<QRect>& screens);

// A window's position as stored under two keys (top, left) of the settings
// file: centred on `screen` (integer division, truncating) when a key is
// missing, then kept on one of `screens` as above.
QPoint StoredPosition(const SettingsStore& settings, SettingKey topKey, SettingKey leftKey, QSize windowSize,
                      const QRect& screen, const QList<QRect>& screens);
