#include "TCssParser.h"

#include "CssText.h"
#include "TRegex.h"

#include <QCoreApplication>
#include <QSet>
#include <QUrl>

using namespace cssparser;

TCssParser::TCssParser(THarvestOptions options)
    : m_options(std::move(options))
    , m_client(m_options.http)
{
}

void TCssParser::start(const QString& address)
{
    m_failed = false;
    m_documents = 0;
    m_bytes = 0;
    m_chain.clear();
    m_deadline = QDeadlineTimer(m_options.deadlineMs, Qt::PreciseTimer);
    m_report = THarvestReport{};
    m_report.address = address;
    m_report.deadlineMs = m_options.deadlineMs;
    m_report.maxTotalBytes = m_options.maxTotalBytes;
    m_report.maxDocuments = m_options.maxDocuments;
    m_report.maxRules = m_options.maxRules;
}

bool TCssParser::HarvestWebColors(const QString& address, TRules& rules)
{
    rules.clear();
    start(address);
    gather(address, [&](const QString& styleText) {
        if (!ParseRules(styleText, rules, m_options.maxRules))
            stop(HarvestError::TooManyRules, QString());
    });
    return !m_failed;
}

QString TCssParser::FetchStyleText(const QString& address)
{
    start(address);
    QString text;
    gather(address, [&text](const QString& styleText) { text += styleText; });
    return text;
}

namespace {

// The searched part of a subject ends at its first NUL.
qsizetype nulOrEnd(QStringView text)
{
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text.size() : nul;
}

// One shared copy of each distinct text: property names and literals repeat
// from rule to rule, and a large sheet holds many rules.
class TInterned {
public:
    QString operator()(const QString& text) { return *m_texts.insert(text); }

private:
    QSet<QString> m_texts;
};

} // namespace

bool TCssParser::ParseRules(const QString& styleText, TRules& rules, qsizetype maxRules)
{
    const TCssExpressions& re = Expressions();
    TInterned interned;
    bool complete = true;
    // Every rule match ends with a "}", so none reaches past the last one
    // and the text after it can be left out: the matches stay the same,
    // but an unterminated tail no longer costs a scan to the end of the
    // text from each of its positions (quadratic in its length).
    const qsizetype lastClose = QStringView(styleText).left(nulOrEnd(styleText)).lastIndexOf(u'}');
    re.rule.forEach(QStringView(styleText).left(lastClose + 1), [&](QStringView match) {
        const QStringView ruleText = TrimView(match);
        const std::optional<TRegex::Match> sel = re.selectorBody.match(ruleText);
        if (!sel)
            return true;
        const QString selector = Trim(ruleText.mid(sel->start, sel->length));
        QString body;
        if (const std::optional<TRegex::Match> b = re.selectorBody.match(ruleText, sel->end()))
            body = Trim(ruleText.mid(b->start, b->length));
        if (!re.colorProperty.match(body))
            return true;
        if (FindColorValue(body).isEmpty())
            return true;
        if (maxRules >= 0 && rules.size() >= maxRules) {
            complete = false;
            return false;
        }
        rules.append(TCSSRule{});
        re.colorProperty.forEach(body, [&](QStringView m) {
            const QString value = FindColorValue(m);
            if (value.isEmpty())
                return true;
            TCSSRule& last = rules.last();
            ++last.Count;
            last.Selector = selector;
            last.Props.append(TCSSProp{interned(CssPropertyName(m)), interned(value)});
            return true;
        });
        return true;
    });
    return complete;
}

QString TCssParser::chainKey(const QString& address)
{
    QString s = address.trimmed();
    const qsizetype q = s.indexOf(u'?');
    for (qsizetype i = 0; i < (q < 0 ? s.size() : q); ++i)
        if (s[i] == u'\\')
            s[i] = u'/';
    const QUrl url(s, QUrl::TolerantMode);
    if (!url.isValid())
        return s;
    return url.adjusted(QUrl::NormalizePathSegments | QUrl::RemoveFragment | QUrl::RemoveUserInfo)
        .toString(QUrl::FullyEncoded);
}

void TCssParser::stop(HarvestError why, const QString& address)
{
    m_failed = true;
    m_report.stop = why;
    if (!address.isEmpty())
        m_report.notFetched.append(address);
}

QString TCssParser::fetchDocument(const QString& address, TDocLocation& location)
{
    location = TDocLocation::parse(address);
    if (m_deadline.hasExpired()) {
        stop(HarvestError::DeadlineExceeded, address);
        return {};
    }
    if (m_documents >= m_options.maxDocuments) {
        m_failed = true;
        m_report.failures.append({address, NetError::None});
        return {};
    }
    ++m_documents;
    if (m_options.beforeFetch)
        m_options.beforeFetch();
    if (m_options.onRequest)
        m_options.onRequest(address);
    QCoreApplication::processEvents();
    THttpCallLimits limits;
    limits.deadline = m_deadline;
    limits.maxBodyBytes = std::max<qint64>(0, m_options.maxTotalBytes - m_bytes);
    // The harvest's clock rather than the document's own when it ends first.
    const bool harvestClockFirst = m_deadline.remainingTime() <= m_options.http.deadlineMs;
    const THttpResult r = m_client.get(address, [&](const QString& target) {
        location = TDocLocation::parse(target);
        m_chain.append(chainKey(target));
        if (m_options.onRequest)
            m_options.onRequest(target);
    }, limits);
    m_bytes += r.bytesReceived;
    QCoreApplication::processEvents();
    if (!r.ok()) {
        if (m_bytes > m_options.maxTotalBytes
            || (r.error == NetError::BodyTooLarge && limits.maxBodyBytes < m_options.http.maxBodyBytes))
            stop(HarvestError::TooMuchData, address);
        else if (r.error == NetError::DeadlineExceeded && (harvestClockFirst || m_deadline.hasExpired()))
            stop(HarvestError::DeadlineExceeded, address);
        else {
            m_failed = true;
            m_report.failures.append({address, r.error});
        }
        return {};
    }
    // Byte for byte: one character per byte, no character-set conversion.
    return QString::fromLatin1(r.body);
}

QStringList TCssParser::resolved(const QStringList& references) const
{
    QStringList list;
    list.reserve(references.size());
    for (const QString& ref : references)
        list.append(ResolveSheetUrl(ref));
    return list;
}

void TCssParser::gatherAll(const QStringList& addresses, const Sink& sink)
{
    const TDocLocation own = m_location;
    for (const QString& a : addresses) {
        gather(a, sink);
        m_location = own;
    }
}

// One document: its own style text goes to the sink as soon as it has
// arrived, and only the references it makes are kept while the documents
// it imports and links are gathered after it.
void TCssParser::gather(const QString& address, const Sink& sink)
{
    if (m_report.stop != HarvestError::None) {
        m_report.notFetched.append(address);
        return;
    }
    const QString key = chainKey(address);
    if (m_chain.contains(key))
        return;
    const qsizetype chainDepth = m_chain.size();
    m_chain.append(key);

    TDocLocation location;
    QString body = fetchDocument(address, location); // sets location, after redirects
    m_location = location;
    TDocumentScan scan = ScanDocument(body, IsStyleSheetName(location.documentName));
    body = QString();
    const QStringList imports = resolved(scan.imports);
    const QStringList links = resolved(scan.links);
    sink(scan.styleText);
    scan = TDocumentScan{};
    gatherAll(imports, sink);
    gatherAll(links, sink);
    m_chain.resize(chainDepth);
}

QString TCssParser::ResolveSheetUrl(const QString& reference) const
{
    if (reference.contains(QLatin1StringView("://")) && !Trim(TDocLocation::hostOf(reference)).isEmpty())
        return reference;
    if (reference.startsWith(QLatin1StringView("//")) || reference.startsWith(QLatin1StringView("\\\\"))) {
        const qsizetype sep = m_location.hostBase.indexOf(QLatin1StringView("://"));
        return m_location.hostBase.left(sep + 1) + reference;
    }
    if (reference.startsWith(u'/') || reference.startsWith(u'\\'))
        return m_location.hostBase + reference;
    return m_location.pathBase + reference;
}

bool cssparser::HarvestWebColors(const QString& address, TRules& rules)
{
    TCssParser parser;
    return parser.HarvestWebColors(address, rules);
}
