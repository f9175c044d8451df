#pragma once

#include <QList>
#include <QString>

// One colour-bearing declaration of a rule.
struct TCSSProp {
    QString Name;  // the property keyword as matched, e.g. "background-color"
    QString Value; // the first colour literal of the declaration, as written: #fc0, rgb(1,2,3)
};

// One rule that sets at least one colour literal.
struct TCSSRule {
    qint32 Count = 0;     // number of entries in Props
    QList<TCSSProp> Props; // in source order
    QString Selector;     // trimmed of leading and trailing codes 0..32
};

// Rules in the order they occur in the harvested style text.
using TRules = QList<TCSSRule>;
