#include "TRegex.h"

namespace {

// PCRE2 reads \s as including the vertical tab, and \d and \w follow its
// character tables; the expressions here mean the ASCII sets only, so the
// class escapes are spelled out before compiling.
const QLatin1StringView kSpace("\\x20\\t\\n\\r\\f");
const QLatin1StringView kDigit("0-9");
const QLatin1StringView kWord("A-Za-z0-9_");

QString translate(const QString& pattern)
{
    QString out;
    out.reserve(pattern.size() + 32);
    bool inClass = false;
    qsizetype classStart = -1; // index in `pattern` of the first member of the class
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == u'\\' && i + 1 < pattern.size()) {
            const QChar e = pattern[i + 1];
            ++i;
            QLatin1StringView set;
            bool negated = false;
            switch (e.unicode()) {
            case 's': set = kSpace; break;
            case 'S': set = kSpace; negated = true; break;
            case 'd': set = kDigit; break;
            case 'D': set = kDigit; negated = true; break;
            case 'w': set = kWord; break;
            case 'W': set = kWord; negated = true; break;
            default:
                out += c;
                out += e;
                continue;
            }
            if (!inClass) {
                out += negated ? QLatin1StringView("[^") : QLatin1StringView("[");
                out += set;
                out += u']';
            } else if (!negated) {
                out += set;
            } else if (e == u'S') {
                // Not-space inside a class: the engine's \S leaves out the
                // vertical tab, which is not a space here.
                out += QLatin1StringView("\\S\\x0B");
            } else {
                // \D and \W are the complements of the ASCII sets already.
                out += u'\\';
                out += e;
            }
            continue;
        }
        if (!inClass) {
            if (c == u'[') {
                inClass = true;
                out += c;
                if (i + 1 < pattern.size() && pattern[i + 1] == u'^') {
                    out += u'^';
                    ++i;
                }
                classStart = i + 1;
                continue;
            }
            out += c;
            continue;
        }
        // Inside a class.
        if (c == u']' && i != classStart) {
            inClass = false;
            out += c;
            continue;
        }
        if (c == u'[' && i + 1 < pattern.size() && pattern[i + 1] == u':') {
            const qsizetype close = pattern.indexOf(QLatin1StringView(":]"), i + 2);
            if (close >= 0) {
                out += pattern.mid(i, close + 2 - i);
                i = close + 1;
                continue;
            }
        }
        out += c;
    }
    return out;
}

} // namespace

TRegex::TRegex(const QString& pattern, Quantifiers quantifiers)
    : m_translated(translate(pattern))
{
    QRegularExpression::PatternOptions options = QRegularExpression::DotMatchesEverythingOption;
    if (quantifiers == Quantifiers::Lazy)
        options |= QRegularExpression::InvertedGreedinessOption;
    m_re.setPattern(m_translated);
    m_re.setPatternOptions(options);
    if (!m_re.isValid()) {
        m_error = RegexError::InvalidPattern;
        m_detail = m_re.errorString();
        return;
    }
    m_re.optimize();
}

TRegex::Subject::Subject(QStringView subject)
{
    const qsizetype nul = subject.indexOf(QChar(0));
    m_view = nul < 0 ? subject : subject.left(nul);
    for (qsizetype i = 0; i < m_view.size(); ++i) {
        const QChar c = m_view[i];
        if (!c.isSurrogate())
            continue;
        if (c.isHighSurrogate() && i + 1 < m_view.size() && m_view[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        if (m_fixed.isNull())
            m_fixed = m_view.toString();
        m_fixed[i] = QChar::ReplacementCharacter;
    }
}

std::optional<TRegex::Match> TRegex::matchIn(QStringView text, qsizetype from) const
{
    if (!isValid() || from > text.size())
        return std::nullopt;
    // The text has been made valid UTF-16 (see searchable), so the engine
    // need not check all of it again on every call.
    const QRegularExpressionMatch m =
        m_re.match(text, from, QRegularExpression::NormalMatch, QRegularExpression::DontCheckSubjectStringMatchOption);
    if (!m.hasMatch())
        return std::nullopt;
    return Match{m.capturedStart(0), m.capturedLength(0)};
}

std::optional<TRegex::Match> TRegex::match(QStringView subject, qsizetype from) const
{
    const Subject prepared(subject);
    return matchIn(prepared.text(), from);
}

QString TRegex::first(QStringView subject) const
{
    const Subject prepared(subject);
    const QStringView text = prepared.text();
    const std::optional<Match> m = matchIn(text, 0);
    return m ? text.mid(m->start, m->length).toString() : QString();
}

QStringList TRegex::all(QStringView subject) const
{
    QStringList list;
    forEach(subject, [&](QStringView m) {
        list.append(m.toString());
        return true;
    });
    return list;
}

QString TRegex::removeAll(const QString& subject) const
{
    const Subject prepared(subject);
    const QStringView text = prepared.text();
    QString out;
    out.reserve(subject.size());
    qsizetype kept = 0; // start of the text not yet copied
    qsizetype from = 0;
    while (from <= text.size()) {
        const std::optional<Match> m = matchIn(text, from);
        if (!m)
            break;
        out += text.mid(kept, m->start - kept);
        kept = m->end();
        from = m->length > 0 ? m->end() : m->end() + 1;
    }
    out += text.mid(kept);
    out += QStringView(subject).mid(text.size());
    return out;
}
