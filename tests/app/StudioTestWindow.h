#pragma once

#include "TfrmStudioMain.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QMessageBox>
#include <QMimeData>

#include <memory>

// What the main-window tests share: a shown window over a settings file of
// the test's own, and a drop as another widget's drag makes it.
namespace StudioTest {

// Every question is answered No.
inline std::unique_ptr<TfrmStudioMain> MakeWindow(const QString& iniPath)
{
    TfrmStudioMain::Options o;
    o.settingsPath = iniPath;
    auto w = std::make_unique<TfrmStudioMain>(o);
    w->setQuestionHook([](const QString&) { return int(QMessageBox::No); });
    w->show();
    return w;
}

// Enters, moves over and drops `mime` on `target` at `pos`; the caller keeps `mime`.
inline void Drop(QWidget* target, const QMimeData* mime, QPoint pos)
{
    QDragEnterEvent enter(pos, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDragMoveEvent move(pos, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &move);
    QDropEvent drop(QPointF(pos), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
}

} // namespace StudioTest
