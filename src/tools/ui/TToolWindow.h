#pragma once

#include "SettingsStore.h"

#include <QList>
#include <QPair>
#include <QRect>
#include <QWidget>

class TPaintBox;

// A tool window: a fixed client area, a tool-window frame with only a close
// box, above the other windows; or (Frame::Sizeable) an ordinary window the
// user may resize, not kept above the others, of `client` size to start
// with. Closing it only hides it and emits closed(), so the main window can
// raise the tool's toolbar button; its state lives on until the program ends.
class TToolWindow : public QWidget {
    Q_OBJECT
public:
    enum class Frame { Fixed, Sizeable };
    TToolWindow(const QString& objectName, const QString& caption, QSize client, QWidget* parent,
                Frame frame = Frame::Fixed);

    // The position stored under `topKey`/`leftKey` (centred on the primary
    // screen without them), kept on one of the screens.
    void placeFromSettings(const SettingsStore& settings, SettingKey topKey, SettingKey leftKey);
    QList<QPair<SettingKey, QString>> positionSettings(SettingKey topKey, SettingKey leftKey) const;

signals:
    void closed();

protected:
    // The header band `pbTopBar` (360 x 45) at the top of `page`, with the
    // tool's picture (toolbar icon `iconName`), caption and the line of
    // instructions `lblIns`.
    TPaintBox* addHeaderBand(QWidget* page, const QString& iconName, const QString& instructions);
    void closeEvent(QCloseEvent* event) override;
};
