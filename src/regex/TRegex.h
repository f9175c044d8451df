#pragma once

#include "RegexError.h"

#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// A compiled Perl-style expression with these fixed semantics:
// - matching is case-sensitive and "." matches every character, line ends
//   included;
// - Greedy or Lazy applies to every quantifier of the expression: Lazy makes
//   *, +, ? and {n,m} prefer the fewest repetitions;
// - \s is exactly space, tab, line feed, carriage return and form feed (no
//   vertical tab), \d is 0-9 and \w is A-Z, a-z, 0-9 and underscore, inside
//   and outside classes, whatever the characters of the subject;
// - a "{" that begins no valid counted repetition is a literal;
// - a subject ends at its first NUL character: nothing after it is searched;
// - successive matches: the next search starts where the previous match
//   ended, or one character further when that match was empty.
// Compile once and reuse: matching never recompiles.
class TRegex {
public:
    enum class Quantifiers { Greedy, Lazy };

    struct Match {
        qsizetype start = 0;
        qsizetype length = 0;
        qsizetype end() const { return start + length; }
    };

    TRegex(const QString& pattern, Quantifiers quantifiers);

    bool isValid() const { return m_error == RegexError::None; }
    RegexError error() const { return m_error; }
    // The engine's own message for an invalid pattern.
    QString errorDetail() const { return m_detail; }

    // The leftmost match that starts at or after `from`, if any.
    std::optional<Match> match(QStringView subject, qsizetype from = 0) const;
    // Whole matched text (group 0) of the first match, or empty.
    QString first(QStringView subject) const;
    // Every match in order, by the successive-match rule above.
    QStringList all(QStringView subject) const;
    // The subject with every match removed. Text after the first NUL is not
    // searched and is kept as it is (an unpaired surrogate before it becomes
    // U+FFFD).
    QString removeAll(const QString& subject) const;

    // Calls f(QStringView match) for every match in order; f returns false to stop.
    template <typename F>
    void forEach(QStringView subject, F&& f) const
    {
        const Subject prepared(subject);
        const QStringView text = prepared.text();
        qsizetype from = 0;
        while (from <= text.size()) {
            const std::optional<Match> m = matchIn(text, from);
            if (!m)
                return;
            if (!f(text.mid(m->start, m->length)))
                return;
            from = m->length > 0 ? m->end() : m->end() + 1;
        }
    }

    // The pattern as handed to the engine (class escapes spelled out).
    const QString& translatedPattern() const { return m_translated; }

    // The part of a subject that is searched: everything before the first
    // NUL, with any unpaired surrogate read as U+FFFD (so that the engine can
    // skip its own validity check, which would cost a pass over the whole
    // text on every call).
    class Subject {
    public:
        explicit Subject(QStringView subject);
        QStringView text() const { return m_fixed.isNull() ? m_view : QStringView(m_fixed); }

    private:
        QStringView m_view;
        QString m_fixed;
    };

private:
    std::optional<Match> matchIn(QStringView text, qsizetype from) const;

    QRegularExpression m_re;
    QString m_translated;
    RegexError m_error = RegexError::None;
    QString m_detail;
};
