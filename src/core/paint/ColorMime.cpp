#include "paint/ColorMime.h"

#include "HSLUtils.h"
#include "paint/QtColor.h"

#include <QDataStream>
#include <QDrag>
#include <QDropEvent>
#include <QPixmap>
#include <QIODevice>

namespace ColorMime {

namespace {
struct Payload {
    bool valid = false;
    TColor color{};
    QString source;
    int row = -1;
};

Payload decode(const QMimeData* mime)
{
    Payload p;
    if (!mime || !mime->hasFormat(QLatin1String(kMimeType)))
        return p;
    QByteArray bytes = mime->data(QLatin1String(kMimeType));
    QDataStream in(&bytes, QIODevice::ReadOnly);
    quint32 value = 0;
    qint32 row = -1;
    in >> value >> p.source >> row;
    if (in.status() != QDataStream::Ok)
        return p;
    p.valid = true;
    p.color = ColorFromValue(value & 0xFFFFFF);
    p.row = row;
    return p;
}
} // namespace

QMimeData* Make(TColor color, const QString& source, int row)
{
    auto* mime = new QMimeData;
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << quint32(ColorValue(color)) << source << qint32(row);
    }
    mime->setData(QLatin1String(kMimeType), bytes);
    mime->setText(QLatin1Char('#') + HSLUtils::ColorToHex(color));
    mime->setColorData(ToQColor(color));
    return mime;
}

std::optional<TColor> ColorOf(const QMimeData* mime)
{
    if (!mime)
        return std::nullopt;
    if (const Payload p = decode(mime); p.valid)
        return p.color;
    if (mime->hasColor()) {
        const QColor c = qvariant_cast<QColor>(mime->colorData());
        if (c.isValid())
            return FromQColor(c);
    }
    if (mime->hasText()) {
        QString t = mime->text().trimmed();
        if (t.startsWith(u'#'))
            t.remove(0, 1);
        if (t.size() == 6)
            return HSLUtils::HexToColor(t);
    }
    return std::nullopt;
}

namespace {
DragRunner& runner()
{
    static DragRunner r;
    return r;
}
} // namespace

void SetDragRunner(DragRunner r) { runner() = std::move(r); }

void ExecDrag(QObject* source, QMimeData* data, TColor color, Qt::DropActions actions)
{
    if (runner()) {
        runner()(source, data);
        return;
    }
    auto* drag = new QDrag(source);
    drag->setMimeData(data);
    QPixmap pix(16, 16);
    pix.fill(ToQColor(color));
    drag->setPixmap(pix);
    drag->exec(actions, Qt::CopyAction);
}

void AcceptColorDrag(QDropEvent* event, bool here)
{
    if (here && ColorOf(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

QString SourceOf(const QMimeData* mime) { return decode(mime).source; }
int RowOf(const QMimeData* mime) { return decode(mime).row; }

} // namespace ColorMime
