#include "TCssParser.h"

#include "CssText.h"
#include "TRegex.h"

#include <QCoreApplication>
#include <QUrl>

using namespace cssparser;

TCssParser::TCssParser(THarvestOptions options)
    : m_options(std::move(options))
    , m_client(m_options.http)
{
}

bool TCssParser::HarvestWebColors(const QString& address, TRules& rules)
{
    rules.clear();
    m_failed = false;
    m_documents = 0;
    m_chain.clear();
    const QString text = FetchStyleText(address);
    ParseRules(text, rules);
    return !m_failed;
}

void TCssParser::ParseRules(const QString& styleText, TRules& rules)
{
    const TCssExpressions& re = Expressions();
    re.rule.forEach(styleText, [&](QStringView match) {
        const QString ruleText = Trim(match);
        const std::optional<TRegex::Match> sel = re.selectorBody.match(ruleText);
        if (!sel)
            return true;
        const QString selector = Trim(QStringView(ruleText).mid(sel->start, sel->length));
        QString body;
        if (const std::optional<TRegex::Match> b = re.selectorBody.match(ruleText, sel->end()))
            body = Trim(QStringView(ruleText).mid(b->start, b->length));
        if (!re.colorProperty.match(body))
            return true;
        bool added = false;
        if (!FindColorValue(body).isEmpty()) {
            rules.append(TCSSRule{});
            added = true;
        }
        re.colorProperty.forEach(body, [&](QStringView m) {
            const QString value = FindColorValue(m);
            if (value.isEmpty() || !added)
                return true;
            TCSSRule& last = rules.last();
            ++last.Count;
            last.Selector = selector;
            last.Props.append(TCSSProp{CssPropertyName(m), value});
            return true;
        });
        return true;
    });
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

QString TCssParser::fetchDocument(const QString& address, TDocLocation& location)
{
    location = TDocLocation::parse(address);
    if (m_documents >= m_options.maxDocuments) {
        m_failed = true;
        return {};
    }
    ++m_documents;
    if (m_options.beforeFetch)
        m_options.beforeFetch();
    if (m_options.onRequest)
        m_options.onRequest(address);
    QCoreApplication::processEvents();
    const THttpResult r = m_client.get(address, [&](const QString& target) {
        location = TDocLocation::parse(target);
        m_chain.append(chainKey(target));
        if (m_options.onRequest)
            m_options.onRequest(target);
    });
    QCoreApplication::processEvents();
    if (!r.ok()) {
        m_failed = true;
        return {};
    }
    // Byte for byte: one character per byte, no character-set conversion.
    return QString::fromLatin1(r.body);
}

QStringList TCssParser::importReferences(const QString& text) const
{
    const TCssExpressions& re = Expressions();
    QStringList list;
    re.importStatement.forEach(text, [&](QStringView statement) {
        re.sheetReference.forEach(statement, [&](QStringView ref) {
            list.append(ResolveSheetUrl(ref.toString()));
            return true;
        });
        return true;
    });
    return list;
}

QString TCssParser::fetchAll(const QStringList& addresses)
{
    QString text;
    const TDocLocation own = m_location;
    for (const QString& a : addresses) {
        text += FetchStyleText(a);
        m_location = own;
    }
    return text;
}

QString TCssParser::FetchStyleText(const QString& address)
{
    const QString key = chainKey(address);
    if (m_chain.contains(key))
        return {};
    const qsizetype chainDepth = m_chain.size();
    m_chain.append(key);

    TDocLocation location;
    const QString body = fetchDocument(address, location);
    m_location = location;
    const QString clean = StripCssComments(body);
    const TCssExpressions& re = Expressions();

    QString result;
    const QString& name = location.documentName;
    if (name.size() > 3 && name.endsWith(QLatin1StringView("css"))) {
        result = clean;
        result += fetchAll(importReferences(clean));
    } else {
        QString style;
        re.styleBlock.forEach(clean, [&](QStringView block) {
            style += block;
            style += QLatin1StringView("\r\n");
            return true;
        });
        style = re.styleMarkers.removeAll(style);
        style += fetchAll(importReferences(style));
        QStringList links;
        re.linkTag.forEach(clean, [&](QStringView tag) {
            re.sheetReference.forEach(tag, [&](QStringView ref) {
                links.append(ResolveSheetUrl(ref.toString()));
                return true;
            });
            return true;
        });
        style += fetchAll(links);
        result = std::move(style);
    }
    m_chain.resize(chainDepth);
    return result;
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
