#pragma once

#include <QSet>
#include <QString>

// Hands out names that are unique within one file: a name already given
// gets "-2", "-3"... (the first number whose result is still free), so that
// formats keyed by name (custom properties, token paths) keep every colour.
class TUniqueNames {
public:
    QString take(const QString& name)
    {
        QString result = name;
        for (int k = 2; m_used.contains(result); ++k)
            result = name + QLatin1Char('-') + QString::number(k);
        m_used.insert(result);
        return result;
    }

private:
    QSet<QString> m_used;
};
