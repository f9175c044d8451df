#pragma once

#include "TColor.h"

#include <QImage>
#include <QList>
#include <QWidget>

#include <functional>

// The export wizard's colour preview (`pbColors`). Before every paint it asks
// its owner for the current export list (so the list is rebuilt on every
// paint), renders it off-screen and copies the image.
class TExportPreviewBox : public QWidget {
    Q_OBJECT
public:
    explicit TExportPreviewBox(QWidget* parent = nullptr);
    void setColorSource(std::function<QList<TColor>()> source) { m_source = std::move(source); }
    // The last image painted (for tests).
    const QImage& image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::function<QList<TColor>()> m_source;
    QImage m_image;
};
