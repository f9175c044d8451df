#include "TToolWindow.h"

#include "TPaintBox.h"
#include "ToolPictures.h"
#include "WindowPlacement.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace {
Qt::WindowFlags flagsFor(TToolWindow::Frame frame)
{
    if (frame == TToolWindow::Frame::Sizeable)
        return Qt::Window;
    return Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
           | Qt::WindowCloseButtonHint;
}
} // namespace

TToolWindow::TToolWindow(const QString& objectName, const QString& caption, QSize client, QWidget* parent,
                         Frame frame)
    : QWidget(parent, flagsFor(frame))
{
    setObjectName(objectName);
    setWindowTitle(caption);
    if (frame == Frame::Fixed)
        setFixedSize(client);
    else
        resize(client);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    setFont(font);
}

void TToolWindow::placeFromSettings(const SettingsStore& settings, SettingKey topKey, SettingKey leftKey)
{
    const QScreen* primary = QGuiApplication::primaryScreen();
    QList<QRect> areas;
    if (primary)
        areas << primary->availableGeometry();
    for (const QScreen* other : QGuiApplication::screens())
        if (other != primary)
            areas << other->availableGeometry();
    const QRect screen = primary ? QRect(QPoint(), primary->size()) : QRect(0, 0, 1024, 768);
    move(StoredPosition(settings, topKey, leftKey, frameGeometry().size().expandedTo(size()), screen, areas));
}

QList<QPair<SettingKey, QString>> TToolWindow::positionSettings(SettingKey topKey, SettingKey leftKey) const
{
    return {{topKey, QString::number(pos().y())}, {leftKey, QString::number(pos().x())}};
}

TPaintBox* TToolWindow::addHeaderBand(QWidget* page, const QString& iconName, const QString& instructions)
{
    auto* band = new TPaintBox(QStringLiteral("pbTopBar"), page);
    band->setGeometry(0, 0, 360, 45);
    const QString caption = windowTitle();
    band->setRenderer([caption, iconName](QPainter& p, const QSize& size) {
        ToolPictures::RenderHeaderBand(p, size, caption, iconName);
    });
    auto* label = new QLabel(instructions, band);
    label->setObjectName(QStringLiteral("lblIns"));
    label->move(8, 27);
    label->adjustSize();
    return band;
}

void TToolWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    hide();
    emit closed();
}
