#include "TExportPreviewBox.h"

#include "ExportPreview.h"

#include <QPainter>

TExportPreviewBox::TExportPreviewBox(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TExportPreviewBox::paintEvent(QPaintEvent*)
{
    if (m_image.size() != size())
        m_image = QImage(size(), QImage::Format_RGB32);
    RenderExportPreview(m_image, m_source ? m_source() : QList<TColor>());
    QPainter p(this);
    p.drawImage(0, 0, m_image);
}
