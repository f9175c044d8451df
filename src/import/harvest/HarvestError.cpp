#include "HarvestError.h"

QString HarvestErrorText(HarvestError error)
{
    switch (error) {
    case HarvestError::None: return QStringLiteral("no error");
    case HarvestError::FetchFailed: return QStringLiteral("a page or style sheet could not be fetched");
    case HarvestError::InvalidAddress: return QStringLiteral("not an http:// or https:// address");
    case HarvestError::Busy: return QStringLiteral("a harvest is already running");
    case HarvestError::DeadlineExceeded: return QStringLiteral("the harvest took longer than allowed");
    case HarvestError::TooMuchData: return QStringLiteral("the pages and style sheets are larger than allowed");
    case HarvestError::TooManyRules: return QStringLiteral("the pages and style sheets hold more colour rules than allowed");
    }
    return QStringLiteral("unknown harvest error");
}

namespace {

constexpr qsizetype kNamedAtMost = 10;

QString sizeText(qint64 bytes)
{
    if (bytes > 0 && bytes % (1 << 20) == 0)
        return QStringLiteral("%1 MiB").arg(bytes >> 20);
    if (bytes > 0 && bytes % (1 << 10) == 0)
        return QStringLiteral("%1 KiB").arg(bytes >> 10);
    return QStringLiteral("%1 bytes").arg(bytes);
}

QString durationText(int ms)
{
    if (ms % 1000 == 0)
        return QStringLiteral("%1 s").arg(ms / 1000);
    return QStringLiteral("%1 ms").arg(ms);
}

// "a, b and 3 more" over the distinct entries, in order of first appearance.
QString listText(const QStringList& addresses)
{
    QStringList distinct = addresses;
    distinct.removeDuplicates();
    QString text = distinct.mid(0, kNamedAtMost).join(QStringLiteral(", "));
    if (distinct.size() > kNamedAtMost)
        text += QStringLiteral(" and %1 more").arg(distinct.size() - kNamedAtMost);
    return text;
}

} // namespace

QString HarvestReportText(const THarvestReport& report)
{
    QStringList lines;
    if (report.stop == HarvestError::DeadlineExceeded)
        lines.append(QStringLiteral("The harvest of %1 was stopped when it reached its time limit of %2.")
                         .arg(report.address, durationText(report.deadlineMs)));
    else if (report.stop == HarvestError::TooMuchData)
        lines.append(QStringLiteral("The harvest of %1 was stopped when it had received more than %2.")
                         .arg(report.address, sizeText(report.maxTotalBytes)));
    else if (report.stop == HarvestError::TooManyRules)
        lines.append(QStringLiteral("The harvest of %1 was stopped when it had found %2 colour rules.")
                         .arg(report.address)
                         .arg(report.maxRules));
    if (report.stop != HarvestError::None && !report.notFetched.isEmpty())
        lines.append(QStringLiteral("Not fetched: %1.").arg(listText(report.notFetched)));
    for (qsizetype i = 0; i < report.failures.size() && i < kNamedAtMost; ++i) {
        const THarvestFailure& f = report.failures[i];
        if (f.error == NetError::None)
            lines.append(QStringLiteral("Not fetched: %1 (more than %2 documents).").arg(f.address).arg(report.maxDocuments));
        else
            lines.append(QStringLiteral("Could not fetch %1: %2.").arg(f.address, NetErrorText(f.error)));
    }
    if (report.failures.size() > kNamedAtMost)
        lines.append(QStringLiteral("%1 more documents could not be fetched.").arg(report.failures.size() - kNamedAtMost));
    return lines.join(u'\n');
}
