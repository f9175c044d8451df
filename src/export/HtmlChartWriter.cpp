#include "HtmlChartWriter.h"

#include "HSLUtils.h"
#include "paint/Swatch.h"
#include "TextLines.h"

namespace HtmlChartWriter {

QString EscapeText(const QString& name)
{
    QString out;
    out.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        char32_t code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(c, name[i + 1]);
            ++i;
        } else if (c.isSurrogate()) {
            code = 0xFFFD;
        }
        switch (code) {
        case '<': out += QLatin1String("&lt;"); continue;
        case '>': out += QLatin1String("&gt;"); continue;
        case '&': out += QLatin1String("&amp;"); continue;
        case '"': out += QLatin1String("&quot;"); continue;
        default: break;
        }
        if (code >= 0x20 && code < 0x7F) {
            out += QChar(char16_t(code));
            continue;
        }
        const bool allowed = code == 0x09 || code == 0x0A || code == 0x0D || (code >= 0x7F && code != 0xFFFE && code != 0xFFFF);
        out += QStringLiteral("&#%1;").arg(allowed ? quint32(code) : 0xFFFDu);
    }
    return out;
}

QStringList Lines(const TExportList& list)
{
    QStringList l;
    l << QStringLiteral("<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
                        "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">")
      << QStringLiteral("<html xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\" lang=\"en\">")
      << QStringLiteral("<head>")
      << QStringLiteral("  <meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\" />")
      << QStringLiteral("  <title>Tintvale Color Chart</title>")
      << QStringLiteral("  <style type=\"text/css\">");
    static const char* const style[] = {
        "    body {", "      background-color: #FFF;", "      color: #000;", "      font-family: arial, sans-serif;", "    }",
        "    div.swatch {", "      float: left;", "      width: 280px;", "      margin: 0 20px 20px 0;", "    }",
        "    div.outer {", "      float: left;", "      border: 1px solid #CCC;", "      padding: 1px;", "    }",
        "    div.shadow {", "      padding: 1px;", "    }",
        "    h1 {", "      font-size: 26px;", "      font-weight: normal;", "      padding-bottom: 5px;",
        "      margin-bottom: 28px;", "      border-bottom: 1px solid #CCC;", "    }",
        "    div.color {", "      width: 80px;", "      height: 80px;", "      padding: 0;", "      margin: 0;", "    }",
        "    div.caption {", "      float: left;", "      color: #555;", "      font-size: 12px;",
        "      line-height: 16px;", "      margin: 0 0 0 10px;", "    }",
        "    h3 {", "      margin: 0 0 4px 0;", "      padding: 0 0 2px 0;", "      width: 160px;",
        "      font-size: 13px;", "      font-weight: bold;", "      border-bottom: 1px solid #E6E6E6;", "    }",
    };
    for (const char* s : style)
        l << QString::fromLatin1(s);
    l << QStringLiteral("  </style>") << QStringLiteral("</head>") << QString() << QStringLiteral("<body>")
      << QStringLiteral("<h1>Tintvale Color Chart</h1>");
    for (qsizetype i = 0; i < list.size(); ++i) {
        const TColor c = list.colors()[i];
        // Shadow fill at value - 0.08, border a further 0.12 darker, both floored at 0.
        TColor shadow, border;
        HSLUtils::SwatchShades(c, shadow, border);
        const QString hex = HSLUtils::ColorToHex(c);
        l << QStringLiteral("<div class=\"swatch\">") << QStringLiteral("  <div class=\"outer\">")
          << QStringLiteral("    <div class=\"shadow\" style=\"border:1px solid #%1;background-color:#%2;\">")
                 .arg(HSLUtils::ColorToHex(border), HSLUtils::ColorToHex(shadow))
          << QStringLiteral("      <div class=\"color\" style=\"background-color:#%1;\"></div>").arg(hex)
          << QStringLiteral("    </div>") << QStringLiteral("  </div>")
          << QStringLiteral("  <div class=\"caption\"><h3>") + EscapeText(list.name(i))
                 + QStringLiteral("</h3>HEX: #") + hex + QStringLiteral("<br />RGB: ")
                 + QString::number(RedOf(c)) + QLatin1Char(',') + QString::number(GreenOf(c))
                 + QLatin1Char(',') + QString::number(BlueOf(c)) + QStringLiteral("</div>")
          << QStringLiteral("</div>");
    }
    l << QStringLiteral("</body>") << QStringLiteral("</html>");
    return l;
}

bool Write(QIODevice& device, const TExportList& list)
{
    return WriteTextLines(device, Lines(list));
}

} // namespace HtmlChartWriter
