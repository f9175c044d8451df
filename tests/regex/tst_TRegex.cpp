#include "TRegex.h"

#include <QTest>

#include "TestRegistry.h"

class tst_TRegex : public QObject {
    Q_OBJECT
private slots:
    void matches_data();
    void matches();
    void removeAll_data();
    void removeAll();
    void matchOffset();
    void invalidPattern();
};

// Each row: pattern, lazy?, subject, every match in order (by the
// successive-match rule).
void tst_TRegex::matches_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("lazy");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QStringList>("expected");

    const QString vt(QChar(0x0B));
    QTest::newRow("\\s is the five spaces") << "\\s" << false << QString(" \t\n\r\f") << QStringList{" ", "\t", "\n", "\r", "\f"};
    QTest::newRow("\\s leaves out the vertical tab") << "a\\sb" << false << ("a" + vt + "b a b") << QStringList{"a b"};
    QTest::newRow("\\s in a class leaves out the vertical tab") << "[\\s]+" << false << ("x" + vt + " \t" + vt) << QStringList{" \t"};
    QTest::newRow("\\S takes the vertical tab") << "[\\S]" << false << (" " + vt) << QStringList{vt};
    QTest::newRow("\\S outside a class takes the vertical tab") << "\\S" << false << (" " + vt) << QStringList{vt};
    QTest::newRow("\\w is ASCII") << "\\w+" << false << QString::fromUtf8("ab\u00e9c_1") << QStringList{"ab", "c_1"};
    QTest::newRow("\\w in a class is ASCII") << "[\\w-]+" << false << QString::fromUtf8("a-\u00c4b") << QStringList{"a-", "b"};
    QTest::newRow("\\d is ASCII") << "\\d+" << false << QString::fromUtf8("1\u0663 2\u09e8") << QStringList{"1", "2"};
    QTest::newRow("\\d in a class is ASCII") << "[\\d]+" << false << QString::fromUtf8("7\u0661") << QStringList{"7"};
    QTest::newRow("dot matches line ends") << "a.b" << false << QString("a\nb a\rb") << QStringList{"a\nb", "a\rb"};
    QTest::newRow("case-sensitive") << "css" << false << QString("CSS Css css") << QStringList{"css"};
    QTest::newRow("greedy star") << "<.*>" << false << QString("<a><b>") << QStringList{"<a><b>"};
    QTest::newRow("lazy star") << "<.*>" << true << QString("<a><b>") << QStringList{"<a>", "<b>"};
    QTest::newRow("lazy plus") << "a+" << true << QString("aaa") << QStringList{"a", "a", "a"};
    QTest::newRow("lazy question mark") << "ab?" << true << QString("ab") << QStringList{"a"};
    QTest::newRow("lazy counted") << "[0-9]{1,3}" << true << QString("1234") << QStringList{"1", "2", "3", "4"};
    QTest::newRow("greedy counted") << "[0-9]{1,3}" << false << QString("1234") << QStringList{"123", "4"};
    QTest::newRow("lazy counted backtracks") << "[0-9]{1,3}%" << true << QString("100%") << QStringList{"100%"};
    QTest::newRow("exact count") << "#[0-9a-f]{3}" << true << QString("#abcd") << QStringList{"#abc"};
    QTest::newRow("brace that begins no repetition") << "a{b" << false << QString("xa{b") << QStringList{"a{b"};
    QTest::newRow("brace block") << "x{.*}" << true << QString("x{1}x{2}") << QStringList{"x{1}", "x{2}"};
    QTest::newRow("brace with letters") << "{x,y}" << false << QString("a{x,y}") << QStringList{"{x,y}"};
    QTest::newRow("subject ends at NUL") << "b" << false << (QString("ab") + QChar(0) + "b") << QStringList{"b"};
    QTest::newRow("nothing after a leading NUL") << "." << false << (QString(QChar(0)) + "abc") << QStringList{};
    QTest::newRow("empty match steps one on") << "x*" << false << QString("axb") << QStringList{"", "x", "", ""};
    // After an empty match the search moves on without retrying a longer
    // match at the same place.
    QTest::newRow("no retry after empty match") << "(|a)" << false << QString("a") << QStringList{"", ""};
    QTest::newRow("negated class range") << "[^<!--;]+" << false << QString("ab#c;d<e") << QStringList{"ab", "c", "d", "e"};
    QTest::newRow("hyphen at class end") << "[a_-]+" << false << QString("a-_b") << QStringList{"a-_"};
    QTest::newRow("bracket first in class") << "[]a]+" << false << QString("x]a]") << QStringList{"]a]"};
    QTest::newRow("escaped bracket in class") << "[\\]x]+" << false << QString("a]x") << QStringList{"]x"};
    QTest::newRow("posix class") << "[[:digit:]]+" << false << QString("a12") << QStringList{"12"};
    QTest::newRow("escaped metacharacters") << "rgb\\([0-9]\\)\\.\\*" << false << QString("rgb(1).*") << QStringList{"rgb(1).*"};
    QTest::newRow("alternation order") << "(background|background-color)\\s*:" << false << QString("background-color :") << QStringList{"background-color :"};
    QTest::newRow("unpaired surrogate reads as U+FFFD") << "a.b" << false << (QString("xa") + QChar(0xD800) + "b")
                                                     << QStringList{QString("a") + QChar(0xFFFD) + "b"};
    QTest::newRow("surrogate pair is one character") << "a.b" << false << QString::fromUtf8("a\U0001F600b")
                                                     << QStringList{QString::fromUtf8("a\U0001F600b")};
    QTest::newRow("lazy alternation keeps order") << "a|ab" << true << QString("ab") << QStringList{"a"};
}

void tst_TRegex::matches()
{
    QFETCH(QString, pattern);
    QFETCH(bool, lazy);
    QFETCH(QString, subject);
    QFETCH(QStringList, expected);
    const TRegex re(pattern, lazy ? TRegex::Quantifiers::Lazy : TRegex::Quantifiers::Greedy);
    QVERIFY2(re.isValid(), qPrintable(re.errorDetail()));
    QCOMPARE(re.all(subject), expected);
    QCOMPARE(re.first(subject), expected.value(0));
}

void tst_TRegex::removeAll_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("lazy");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("expected");
    QTest::newRow("comments, lazy") << "/\\*.*\\*/" << true << QString("a/*1*/b/*2\n*/c") << QString("abc");
    QTest::newRow("comments, greedy") << "/\\*.*\\*/" << false << QString("a/*1*/b/*2*/c") << QString("ac");
    QTest::newRow("unterminated stays") << "/\\*.*\\*/" << true << QString("a/*b") << QString("a/*b");
    QTest::newRow("nothing to remove") << "z" << false << QString("abc") << QString("abc");
    QTest::newRow("everything") << "." << false << QString("abc") << QString();
    QTest::newRow("text after NUL kept") << "a" << false << (QString("xa") + QChar(0) + "a") << (QString("x") + QChar(0) + "a");
    QTest::newRow("empty matches remove nothing") << "q*" << false << QString("abc") << QString("abc");
}

void tst_TRegex::removeAll()
{
    QFETCH(QString, pattern);
    QFETCH(bool, lazy);
    QFETCH(QString, subject);
    QFETCH(QString, expected);
    const TRegex re(pattern, lazy ? TRegex::Quantifiers::Lazy : TRegex::Quantifiers::Greedy);
    QCOMPARE(re.removeAll(subject), expected);
}

void tst_TRegex::matchOffset()
{
    const TRegex re(QStringLiteral("[^}?{]+"), TRegex::Quantifiers::Greedy);
    const QString text = QStringLiteral("sel{body}");
    const auto first = re.match(text);
    QVERIFY(first);
    QCOMPARE(first->start, 0);
    QCOMPARE(first->length, 3);
    const auto second = re.match(text, first->end());
    QVERIFY(second);
    QCOMPARE(text.mid(second->start, second->length), QStringLiteral("body"));
    QVERIFY(!re.match(text, text.size()));
    QVERIFY(!re.match(text, text.size() + 5));
}

void tst_TRegex::invalidPattern()
{
    const TRegex re(QStringLiteral("(a"), TRegex::Quantifiers::Greedy);
    QVERIFY(!re.isValid());
    QCOMPARE(re.error(), RegexError::InvalidPattern);
    QVERIFY(!re.errorDetail().isEmpty());
    QVERIFY(re.all(QStringLiteral("aaa")).isEmpty());
    QCOMPARE(re.removeAll(QStringLiteral("aaa")), QStringLiteral("aaa"));
}

TV_REGISTER_TEST(tst_TRegex);
#include "tst_TRegex.moc"
