#include "ColorVisionGenerator.h"
#include "ColorVisionTable.h"
#include "DisplayColor.h"
#include "HSLUtils.h"
#include "Rounding.h"

#include <QBuffer>
#include <QFile>
#include <QHash>
#include <QTest>

#include <array>
#include <cmath>

#include "TestRegistry.h"

using namespace ColorVision;
using HSLUtils::ColorToHex;

Q_DECLARE_METATYPE(TColor)

namespace {

TColor rgb(int r, int g, int b) { return MakeColor(r, g, b); }

TColor hexColor(const QString& text) { return *HSLUtils::HexToColor(text); }

// The shipped table as text lines, read straight from the resource.
QStringList shippedRows()
{
    QFile file(QStringLiteral(":/tintvale/colorvision.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList rows = QString::fromLatin1(file.readAll()).split(u'\n');
    if (!rows.isEmpty() && rows.last().isEmpty())
        rows.removeLast();
    return rows;
}

// The six rows whose values are fixed independently of any generator.
const char* const kTellingRows[] = {
    "FFFFFF=FFFAFA|FFE8EF|F4F0FF|FFFCFC|FFF3F7|F9F7FF|FFFFFF|FFFFFF",
    "FFFFCC=FFF2C8|FFDFC8|FDEFFF|FFF8CA|FFEFCA|FEF7E5|EEEEEE|F1F1E7",
    "FF0000=968726|A98200|FE1C00|CA4313|D44100|FE0E00|555555|774444",
    "00FF00=F6DC00|FFCD72|73EDFF|7BED00|7FE639|39F67F|555555|447744",
    "0000FF=719CFF|008BDF|007F85|384EFF|0045EF|003FC2|555555|444477",
    "000000=000000|000000|000000|000000|000000|000000|000000|000000",
};

// The monochromatic formulas written out in extended precision.
TColor typicalMonoReference(TColor c)
{
    const int a = int(HSLUtils::RoundToEven((static_cast<long double>(RedOf(c)) + GreenOf(c) + BlueOf(c)) / 3));
    return rgb(a, a, a);
}

TColor atypicalMonoReference(TColor c)
{
    const int a = int(HSLUtils::RoundToEven((static_cast<long double>(RedOf(c)) + GreenOf(c) + BlueOf(c)) / 3));
    const int e = 4 * a;
    auto mix = [e](int v) { return int(HSLUtils::RoundToEven((static_cast<long double>(v) + e) / 5)); };
    return rgb(mix(RedOf(c)), mix(GreenOf(c)), mix(BlueOf(c)));
}

// The simulation step by step as the algorithm reads: snapping with the
// colour module, the grid colour beyond, rows found by their key, and the
// interpolation in extended precision.
class ReferenceSimulation {
public:
    explicit ReferenceSimulation(const QStringList& rows)
    {
        for (const QString& row : rows) {
            const QStringList kv = row.split(u'=');
            std::array<TColor, 8> colors{};
            const QStringList fields = kv[1].split(u'|');
            for (int i = 0; i < 8; ++i)
                colors[std::size_t(i)] = hexColor(fields[i]);
            m_rows.insert(ColorValue(hexColor(kv[0])), colors);
        }
    }

    TColor lookup(TColor websafe, int mode) const { return m_rows.value(ColorValue(websafe))[std::size_t(mode - 1)]; }

    TColor simulate(TColor c, int mode) const
    {
        if (mode == 0)
            return c;
        const TColor s = HSLUtils::SnapWebColor(c, HSLUtils::SnapWebsafe);
        if (s == c)
            return lookup(s, mode);
        if (mode == 7)
            return typicalMonoReference(c);
        if (mode == 8)
            return atypicalMonoReference(c);
        const int cs[3] = {RedOf(c), GreenOf(c), BlueOf(c)};
        const int ss[3] = {RedOf(s), GreenOf(s), BlueOf(s)};
        int ns[3];
        for (int k = 0; k < 3; ++k)
            ns[k] = cs[k] < ss[k] ? ss[k] - 51 : cs[k] > ss[k] ? ss[k] + 51 : ss[k];
        const TColor A = lookup(s, mode);
        const TColor B = lookup(rgb(ns[0], ns[1], ns[2]), mode);
        const int as[3] = {RedOf(A), GreenOf(A), BlueOf(A)};
        const int bs[3] = {RedOf(B), GreenOf(B), BlueOf(B)};
        int out[3];
        for (int k = 0; k < 3; ++k) {
            const double t = std::abs(ss[k] - cs[k]) / 51.0L;
            out[k] = as[k] - int(HSLUtils::RoundToEven(t * static_cast<long double>(as[k] - bs[k])));
        }
        return rgb(out[0], out[1], out[2]);
    }

private:
    QHash<std::uint32_t, std::array<TColor, 8>> m_rows;
};

} // namespace

class tst_ColorVision : public QObject {
    Q_OBJECT
private slots:
    void builtInTableLoads();
    void tableFormAndOrder();
    void tellingRows_data();
    void tellingRows();
    void monochromaticColumnsFollowFormulas();
    void anomalousColumnsAreMeansOfDichromatColumns();
    void generatorReproducesTellingRows_data();
    void generatorReproducesTellingRows();
    void generatorMatchesShippedTable();
    void rowNumbering();
    void readAcceptsEquivalentText_data();
    void readAcceptsEquivalentText();
    void readRejectsBadText_data();
    void readRejectsBadText();
    void edgeCases_data();
    void edgeCases();
    void offGridOneStepUsesBothRows();
    void monochromaticFormulasForEveryColor();
    void everyColorInEveryModeFollowsAlgorithm();
    void modeIsNormalisedAndDrivesDisplayColor_data();
    void modeIsNormalisedAndDrivesDisplayColor();
    void modeItemsAreInTagOrder();
};

void tst_ColorVision::builtInTableLoads()
{
    ColorVisionError error = ColorVisionError::Unreadable;
    QVERIFY(ColorVisionTable::builtIn(&error) != nullptr);
    QCOMPARE(error, ColorVisionError::None);
    QCOMPARE(LoadTable(), ColorVisionError::None);
}

void tst_ColorVision::tableFormAndOrder()
{
    const QStringList rows = shippedRows();
    QCOMPARE(rows.size(), 216);
    const QRegularExpression form(QStringLiteral("^[0-9A-F]{6}=[0-9A-F]{6}(\\|[0-9A-F]{6}){7}$"));
    int i = 0;
    for (int r = 255; r >= 0; r -= 51)
        for (int g = 255; g >= 0; g -= 51)
            for (int b = 255; b >= 0; b -= 51) {
                const QString& row = rows[i++];
                QVERIFY2(form.match(row).hasMatch(), qPrintable(row));
                QCOMPARE(row.left(6), ColorToHex(rgb(r, g, b)));
            }
}

void tst_ColorVision::tellingRows_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("line");
    const int lines[] = {0, 1, -1, -1, -1, 215};
    for (int i = 0; i < 6; ++i)
        QTest::newRow(kTellingRows[i]) << QString::fromLatin1(kTellingRows[i]) << lines[i];
}

void tst_ColorVision::tellingRows()
{
    QFETCH(QString, row);
    QFETCH(int, line);
    const QStringList rows = shippedRows();
    QVERIFY(rows.contains(row));
    if (line >= 0)
        QCOMPARE(rows.value(line), row);

    // The parsed table answers the same colours.
    const ColorVisionTable* table = ColorVisionTable::builtIn();
    QVERIFY(table);
    const TColor key = hexColor(row.left(6));
    const QStringList fields = row.mid(7).split(u'|');
    for (int mode = 1; mode <= 8; ++mode)
        QCOMPARE(ColorToHex(table->color(ColorVisionTable::rowOf(key), mode)), fields[mode - 1]);
}

void tst_ColorVision::monochromaticColumnsFollowFormulas()
{
    for (const QString& row : shippedRows()) {
        const TColor key = hexColor(row.left(6));
        const QStringList fields = row.mid(7).split(u'|');
        QCOMPARE(fields.value(6), ColorToHex(typicalMonoReference(key)));
        QCOMPARE(fields.value(7), ColorToHex(atypicalMonoReference(key)));
    }
}

void tst_ColorVision::anomalousColumnsAreMeansOfDichromatColumns()
{
    for (const QString& row : shippedRows()) {
        const TColor key = hexColor(row.left(6));
        const QStringList fields = row.mid(7).split(u'|');
        for (int d = 0; d < 3; ++d) {
            const TColor dichromat = hexColor(fields[d]);
            const TColor anomalous = hexColor(fields[d + 3]);
            QVERIFY2(RedOf(anomalous) == (RedOf(key) + RedOf(dichromat)) / 2
                         && GreenOf(anomalous) == (GreenOf(key) + GreenOf(dichromat)) / 2
                         && BlueOf(anomalous) == (BlueOf(key) + BlueOf(dichromat)) / 2,
                     qPrintable(row));
        }
    }
}

void tst_ColorVision::generatorReproducesTellingRows_data()
{
    QTest::addColumn<QString>("row");
    for (const char* row : kTellingRows)
        QTest::newRow(row) << QString::fromLatin1(row);
}

void tst_ColorVision::generatorReproducesTellingRows()
{
    QFETCH(QString, row);
    const TColor key = hexColor(row.left(6));
    const QStringList fields = row.mid(7).split(u'|');
    // The three dichromat colours on their own, then the whole row.
    const ColorVisionGen::Dichromacy kinds[] = {ColorVisionGen::Dichromacy::Protan,
                                                ColorVisionGen::Dichromacy::Deutan,
                                                ColorVisionGen::Dichromacy::Tritan};
    for (int d = 0; d < 3; ++d) {
        const auto c = ColorVisionGen::SimulateDichromacy(key, kinds[d]);
        QVERIFY(c);
        QCOMPARE(ColorToHex(*c), fields[d]);
    }
    QCOMPARE(ColorVisionGen::TableRow(key).value_or(QString()), row);
}

void tst_ColorVision::generatorMatchesShippedTable()
{
    const auto generated = ColorVisionGen::GenerateTable();
    QVERIFY(generated);
    const QStringList shipped = shippedRows();
    QCOMPARE(generated->size(), shipped.size());
    int differing = 0;
    for (qsizetype i = 0; i < shipped.size(); ++i) {
        if (generated->at(i) != shipped[i]) {
            qInfo("generated %s, shipped %s", qPrintable(generated->at(i)), qPrintable(shipped[i]));
            ++differing;
        }
    }
    // The shipped file is the generator's output on the reference build.
    QCOMPARE(differing, 0);

    // Channels that land within 0.01 of a rounding boundary: a change to the
    // constants or the precision of the arithmetic would move these first.
    int nearBoundary = 0;
    for (int row = 0; row < ColorVisionTable::kRows; ++row) {
        for (auto kind : {ColorVisionGen::Dichromacy::Protan, ColorVisionGen::Dichromacy::Deutan,
                          ColorVisionGen::Dichromacy::Tritan}) {
            double v[3];
            QVERIFY(ColorVisionGen::SimulateDichromacy(ColorVisionTable::keyOf(row), kind, v));
            for (double x : v) {
                QVERIFY(x >= 0 && x <= 255);
                if (std::abs(x - std::floor(x) - 0.5) < 0.01)
                    ++nearBoundary;
            }
        }
    }
    QCOMPARE(nearBoundary, 29);
}

void tst_ColorVision::rowNumbering()
{
    const QStringList rows = shippedRows();
    for (int row = 0; row < ColorVisionTable::kRows; ++row) {
        const TColor key = ColorVisionTable::keyOf(row);
        QCOMPARE(ColorToHex(key), rows.value(row).left(6));
        QCOMPARE(ColorVisionTable::rowOf(key), row);
    }
}

void tst_ColorVision::readAcceptsEquivalentText_data()
{
    QTest::addColumn<QByteArray>("text");
    QByteArray lf;
    for (const QString& row : shippedRows())
        lf += row.toLatin1() + '\n';
    QTest::newRow("as shipped") << lf;
    QTest::newRow("CR LF line ends") << QByteArray(lf).replace("\n", "\r\n");
    QTest::newRow("lower case") << lf.toLower();
    QTest::newRow("no final line end") << lf.chopped(1);
    QByteArray reversed;
    const QStringList rows = shippedRows();
    for (qsizetype i = rows.size() - 1; i >= 0; --i)
        reversed += rows[i].toLatin1() + '\n';
    QTest::newRow("rows in another order") << reversed;
}

void tst_ColorVision::readAcceptsEquivalentText()
{
    QFETCH(QByteArray, text);
    QBuffer buffer(&text);
    ColorVisionError error;
    int line;
    const auto table = ColorVisionTable::read(buffer, error, line);
    QCOMPARE(error, ColorVisionError::None);
    QVERIFY(table);
    const ColorVisionTable* shipped = ColorVisionTable::builtIn();
    for (int row = 0; row < ColorVisionTable::kRows; ++row)
        for (int mode = 1; mode <= 8; ++mode)
            QCOMPARE(table->color(row, mode), shipped->color(row, mode));
}

void tst_ColorVision::readRejectsBadText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("line");
    QByteArrayList rows;
    for (const QString& row : shippedRows())
        rows.append(row.toLatin1());
    auto joined = [](QByteArrayList r) { return r.join('\n') + '\n'; };
    auto withRow = [&](int at, const QByteArray& replacement) {
        QByteArrayList r = rows;
        r[at] = replacement;
        return joined(r);
    };
    const auto malformed = int(ColorVisionError::MalformedRow);
    QTest::newRow("empty") << QByteArray() << int(ColorVisionError::Unreadable) << 0;
    QTest::newRow("missing row") << joined(rows.mid(1)) << int(ColorVisionError::MissingRows) << 0;
    QTest::newRow("duplicate row") << withRow(5, rows[4]) << int(ColorVisionError::DuplicateRow) << 6;
    QTest::newRow("extra row") << joined(rows + QByteArrayList{rows[0]}) << int(ColorVisionError::DuplicateRow) << 217;
    QTest::newRow("off-grid key") << withRow(2, "FFFF98=" + rows[2].mid(7)) << int(ColorVisionError::NotWebsafe) << 3;
    QTest::newRow("seven fields") << withRow(0, "FFFFFF=FFFAFA|FFE8EF|F4F0FF|FFFCFC|FFF3F7|F9F7FF|FFFFFF")
                                  << malformed << 1;
    QTest::newRow("nine fields") << withRow(0, rows[0] + "|FFFFFF") << malformed << 1;
    QTest::newRow("five-digit colour") << withRow(0, "FFFFFF=FFFAF|FFE8EF|F4F0FF|FFFCFC|FFF3F7|F9F7FF|FFFFFF|FFFFFF")
                                       << malformed << 1;
    QTest::newRow("not hexadecimal") << withRow(1, "FFFFCC=FFF2C8|FFDFC8|FDEFFG|FFF8CA|FFEFCA|FEF7E5|EEEEEE|F1F1E7")
                                     << malformed << 2;
    QTest::newRow("no equals sign") << withRow(0, "FFFFFF:" + rows[0].mid(7)) << malformed << 1;
    QTest::newRow("hash before key") << withRow(0, "#FFFFFF=" + rows[0].mid(7)) << malformed << 1;
    QTest::newRow("blank line") << withRow(9, "") << malformed << 10;
}

void tst_ColorVision::readRejectsBadText()
{
    QFETCH(QByteArray, text);
    QFETCH(int, error);
    QFETCH(int, line);
    QBuffer buffer(&text);
    ColorVisionError got;
    int gotLine;
    QVERIFY(!ColorVisionTable::read(buffer, got, gotLine));
    QCOMPARE(int(got), error);
    QCOMPARE(gotLine, line);
    QVERIFY(!ColorVisionErrorText(got).isEmpty());
}

void tst_ColorVision::edgeCases_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<TColor>("color");
    QTest::addColumn<TColor>("expected");
    QTest::newRow("normal, on the grid") << 0 << rgb(255, 0, 0) << rgb(255, 0, 0);
    QTest::newRow("normal, off the grid") << 0 << rgb(10, 20, 31) << rgb(10, 20, 31);
    QTest::newRow("normal keeps the top byte") << 0 << ColorFromValue(0x0112A0B3u) << ColorFromValue(0x0112A0B3u);
    QTest::newRow("pure red, protanopia") << 1 << rgb(255, 0, 0) << rgb(150, 135, 38);
    QTest::newRow("typical mono off the grid ignores the table") << 7 << rgb(10, 20, 31) << rgb(20, 20, 20);
    QTest::newRow("atypical mono of red") << 8 << rgb(255, 0, 0) << rgb(119, 68, 68);
    QTest::newRow("atypical mono off the grid") << 8 << rgb(10, 20, 31) << rgb(18, 20, 22);
    QTest::newRow("pure green, deuteranomaly") << 5 << rgb(0, 255, 0) << hexColor(QStringLiteral("7FE639"));
    QTest::newRow("pure blue, tritanopia") << 3 << rgb(0, 0, 255) << hexColor(QStringLiteral("007F85"));
    // Toward 000033 (deuteranopia 002135) in blue only: 0 - round(-53 / 51).
    QTest::newRow("one blue step above black") << 2 << rgb(0, 0, 1) << rgb(0, 0, 1);
    // Either side of the half step: 25 snaps down to 000000 and moves 25/51
    // of the way to 53 (rounds to 26); 26 snaps up to 000033, keeps its
    // green 0x21 and moves 25/51 back from 53 (53 - 26).
    QTest::newRow("blue 25 above black") << 2 << rgb(0, 0, 25) << rgb(0, 0, 26);
    QTest::newRow("blue 26 above black") << 2 << rgb(0, 0, 26) << rgb(0, 33, 27);
    QTest::newRow("out-of-range mode is normal vision") << 9 << rgb(255, 0, 0) << rgb(255, 0, 0);
    QTest::newRow("negative mode is normal vision") << -1 << rgb(10, 20, 31) << rgb(10, 20, 31);
}

void tst_ColorVision::edgeCases()
{
    QFETCH(int, mode);
    QFETCH(TColor, color);
    QFETCH(TColor, expected);
    QCOMPARE(ColorToHex(SimulateColor(color, mode)), ColorToHex(expected));
    QCOMPARE(ColorValue(SimulateColor(color, mode)), ColorValue(expected));
    const TDisplayMapper display(mode);
    QCOMPARE(ColorValue(display.DisplayColor(color)), ColorValue(expected));
    QCOMPARE(ColorValue(display(color)), ColorValue(expected));
    if (display.mode() == Normal) // the default mapper is normal vision
        QCOMPARE(ColorValue(TDisplayMapper()(color)), ColorValue(color));
}

void tst_ColorVision::offGridOneStepUsesBothRows()
{
    // (255, 0, 1): red and green stay those of FF0000's protanopia colour
    // (96 87 ..), blue moves 1/51 of the way from its blue toward FF0033's.
    const QStringList rows = shippedRows();
    TColor redRow{}, nextRow{};
    for (const QString& row : rows) {
        if (row.startsWith(QLatin1String("FF0000=")))
            redRow = hexColor(row.mid(7, 6));
        if (row.startsWith(QLatin1String("FF0033=")))
            nextRow = hexColor(row.mid(7, 6));
    }
    QCOMPARE(ColorToHex(redRow), QStringLiteral("968726"));
    const TColor got = SimulateColor(rgb(255, 0, 1), Protanopia);
    QCOMPARE(RedOf(got), 0x96);
    QCOMPARE(GreenOf(got), 0x87);
    const int blue = 0x26 - int(HSLUtils::RoundToEven((1 / 51.0L) * (0x26 - BlueOf(nextRow))));
    QCOMPARE(BlueOf(got), blue);
    QVERIFY(BlueOf(nextRow) != 0x26); // the row beyond really differs in blue
    // FF0033 shows as 93874E: 38 - round(-40 / 51) = 39.
    QCOMPARE(ColorToHex(got), QStringLiteral("968727"));
}

void tst_ColorVision::monochromaticFormulasForEveryColor()
{
    for (std::uint32_t v = 0; v < (1u << 24); ++v) {
        const TColor c = ColorFromValue(v);
        if (TypicalMonoColor(c) != typicalMonoReference(c) || AtypicalMonoColor(c) != atypicalMonoReference(c))
            QFAIL(qPrintable(ColorToHex(c)));
    }
}

void tst_ColorVision::everyColorInEveryModeFollowsAlgorithm()
{
    const ReferenceSimulation reference(shippedRows());
    for (int mode = 1; mode <= 8; ++mode) {
        qint64 misses = 0;
        TColor first{};
        for (std::uint32_t v = 0; v < (1u << 24); ++v) {
            const TColor c = ColorFromValue(v);
            if (SimulateColor(c, mode) != reference.simulate(c, mode)) {
                if (!misses++)
                    first = c;
            }
        }
        QVERIFY2(misses == 0, qPrintable(QStringLiteral("mode %1: %2 colours differ, first %3")
                                             .arg(mode)
                                             .arg(misses)
                                             .arg(ColorToHex(first))));
    }
}

void tst_ColorVision::modeIsNormalisedAndDrivesDisplayColor_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("mode");
    for (int m = 0; m < ModeCount; ++m)
        QTest::addRow("mode %d", m) << m << m;
    QTest::newRow("9") << 9 << 0;
    QTest::newRow("-1") << -1 << 0;
    QTest::newRow("large") << 1000000 << 0;
    QTest::newRow("most negative") << std::numeric_limits<int>::min() << 0;
}

void tst_ColorVision::modeIsNormalisedAndDrivesDisplayColor()
{
    QFETCH(int, stored);
    QFETCH(int, mode);
    const TDisplayMapper display(stored);
    QCOMPARE(display.mode(), mode);
    // A mapper is a value: the same mode gives an equal mapper, normal vision
    // equals the default one, and copies map alike.
    QCOMPARE(display == TDisplayMapper(mode), true);
    QCOMPARE(display == TDisplayMapper(), mode == Normal);
    QCOMPARE(display == TDisplayMapper(Protanopia), mode == Protanopia);
    const TDisplayMapper copy = display;
    for (TColor c : {rgb(255, 255, 204), rgb(255, 0, 1), rgb(10, 20, 31), rgb(128, 64, 200)}) {
        QCOMPARE(display(c), SimulateColor(c, mode));
        QCOMPARE(copy(c), display(c));
    }
}

void tst_ColorVision::modeItemsAreInTagOrder()
{
    // The submenu is built from this table: each item's tag is its position,
    // separators follow normal vision, tritanopia and tritanomaly.
    for (int m = 0; m < ModeCount; ++m) {
        QCOMPARE(int(kModes[m].mode), m);
        QCOMPARE(kModes[m].separatorAfter, m == 0 || m == 3 || m == 6);
        QVERIFY(QByteArray(kModes[m].menuName).startsWith("mnuViewBlind"));
    }
}

TV_REGISTER_TEST(tst_ColorVision);
#include "tst_ColorVision.moc"
