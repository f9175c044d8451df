#include "TDocLocation.h"

namespace {

struct Parts {
    QString scheme; // "http://" or "https://"
    QString host;
    QString port;   // digits or whatever stood after ":" up to the path, without the ":"
    QString rest;   // from the first "/", "?" or "#" after the authority
};

qsizetype firstOf(const QString& s, qsizetype from, QStringView stops)
{
    for (qsizetype i = from; i < s.size(); ++i)
        if (stops.contains(s[i]))
            return i;
    return s.size();
}

Parts split(const QString& address)
{
    QString s = address;
    s.replace(u'\\', u'/');
    Parts p;
    const qsizetype sep = s.indexOf(QLatin1StringView("://"));
    p.scheme = sep >= 0 && s.left(sep).compare(QLatin1StringView("https"), Qt::CaseInsensitive) == 0
                   ? QStringLiteral("https://")
                   : QStringLiteral("http://");
    const qsizetype start = sep >= 0 ? sep + 3 : 0;
    const qsizetype authorityEnd = firstOf(s, start, u"/?#");
    const qsizetype at = s.lastIndexOf(u'@', authorityEnd - 1);
    const qsizetype hostStart = at >= start ? at + 1 : start;
    qsizetype hostEnd;
    if (hostStart < authorityEnd && s[hostStart] == u'[') {
        // A bracketed IPv6 literal holds colons of its own.
        const qsizetype close = s.indexOf(u']', hostStart);
        hostEnd = close >= 0 && close < authorityEnd ? close + 1 : authorityEnd;
    } else {
        hostEnd = firstOf(s, hostStart, u":/?#");
    }
    p.host = s.mid(hostStart, hostEnd - hostStart);
    if (hostEnd < authorityEnd && s[hostEnd] == u':')
        p.port = s.mid(hostEnd + 1, authorityEnd - hostEnd - 1);
    p.rest = s.mid(authorityEnd);
    return p;
}

} // namespace

QString TDocLocation::hostOf(const QString& address)
{
    return split(address).host;
}

TDocLocation TDocLocation::parse(const QString& address)
{
    const Parts p = split(address);
    TDocLocation loc;
    loc.hostBase = p.scheme + p.host;
    if (!p.port.isEmpty())
        loc.hostBase += u':' + p.port;

    QStringView region(p.rest);
    qsizetype stop = region.indexOf(u'?');
    if (stop < 0)
        stop = region.indexOf(u'=');
    if (stop >= 0)
        region = region.left(stop);
    const qsizetype hash = region.indexOf(u'#');
    if (hash >= 0)
        region = region.left(hash);
    const qsizetype slash = region.lastIndexOf(u'/');
    if (slash < 0) {
        loc.pathBase = loc.hostBase + u'/';
        loc.documentName = region.toString();
    } else {
        loc.pathBase = loc.hostBase + region.left(slash + 1).toString();
        loc.documentName = region.mid(slash + 1).toString();
    }
    return loc;
}
