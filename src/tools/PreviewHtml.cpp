#include "PreviewHtml.h"

#include "HSLUtils.h"

namespace PreviewHtml {

QStringList Lines(const TPreviewColors& colors)
{
    // Roles in the page's own numbering, 1 to 9 (file order).
    const auto role = [&colors](int n) { return HSLUtils::ColorToHex(colors[size_t(n - 1)]); };
    const auto in = [](int spaces, const QString& text) { return QString(spaces, QLatin1Char(' ')) + text; };
    QStringList l;
    l << in(0, QStringLiteral("<html>"))
      << in(0, QStringLiteral("<head>"))
      << in(2, QStringLiteral("<title>Tintvale 3 - Web Page Color Preview</title>"))
      << in(2, QStringLiteral("<!-- Tintvale Color Values --"))
      << in(2, QStringLiteral("Text Colors:"))
      << in(4, QStringLiteral("Page Header: #") + role(1))
      << in(4, QStringLiteral("Table Header: #") + role(2))
      << in(4, QStringLiteral("Links: #") + role(5))
      << in(4, QStringLiteral("Body Caption: #") + role(3))
      << in(4, QStringLiteral("Body Text: #") + role(4))
      << in(2, QStringLiteral("Background Colors:"))
      << in(4, QStringLiteral("Page Background: #") + role(6))
      << in(4, QStringLiteral("Table Header BG: #") + role(7))
      << in(4, QStringLiteral("Table Nav BG: #") + role(8))
      << in(4, QStringLiteral("Table Body BG: #") + role(9))
      << in(2, QString(33, QLatin1Char('-')) + QLatin1Char('>'))
      << in(2, QStringLiteral("<style type=\"text/css\">"))
      << in(4, QStringLiteral("A{font:11px/20px Verdana;color:#") + role(5) + QStringLiteral(";margin-left:10px;}"))
      << in(4, QStringLiteral("#Header{font:16px Verdana;font-weight:bold;text-align:center;color:#") + role(1)
                   + QStringLiteral(";}"))
      << in(4, QStringLiteral(".TableHeader{font:13px Verdana;font-weight:bold;color:#") + role(2)
                   + QStringLiteral(";padding-left:15px;}"))
      << in(4, QStringLiteral(".BodyCaption{font:11px/20px Verdana;font-weight:bold;color:#") + role(3) + QStringLiteral(";}"))
      << in(4, QStringLiteral(".BodyText{font:11px/20px Verdana;color:#") + role(4) + QStringLiteral(";margin-left:20px;}"))
      << in(2, QStringLiteral("</style>"))
      << in(0, QStringLiteral("</head>"))
      << in(0, QStringLiteral("<body bgcolor=\"#") + role(6) + QStringLiteral("\" link=\"#") + role(5)
                   + QStringLiteral("\" vlink=\"#") + role(5) + QStringLiteral("\">"))
      << in(0, QStringLiteral("<div id=\"header\">Web Page Color Preview</div><br>"))
      << in(0, QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\" border=\"0\" bgcolor=\"#000000\">"))
      << in(0, QStringLiteral("<tr>"))
      << in(2, QStringLiteral("<td>"))
      << in(2, QStringLiteral("<table width=\"100%\" cellspacing=\"1\" cellpadding=\"6\" border=\"0\">"))
      << in(2, QStringLiteral("<tr>"))
      << in(4, QStringLiteral("<td colspan=\"2\" width=\"100%\" class=\"tableheader\" bgcolor=\"#") + role(7)
                   + QStringLiteral("\">Header Text</td>"))
      << in(2, QStringLiteral("</tr>"))
      << in(2, QStringLiteral("<tr>"))
      << in(4, QStringLiteral("<td width=\"20%\" height=\"140\" bgcolor=\"#") + role(8)
                   + QStringLiteral("\" valign=\"top\"><a href=\"#\">Link 1</a><br><a href=\"#\">Link 2</a><br>"
                                    "<a href=\"#\">Link 3</a><br><a href=\"#\">Link 4</a></td>"))
      << in(4, QStringLiteral("<td width=\"80%\" bgcolor=\"#") + role(9)
                   + QStringLiteral("\" valign=\"top\"><span class=\"bodycaption\">Body Header</span><br>"
                                    "<span class=\"bodytext\">This is the main text of the body of your page</span></td>"))
      << in(2, QStringLiteral("</tr>"))
      << in(2, QStringLiteral("</table></td>"))
      << in(0, QStringLiteral("</tr>"))
      << in(0, QStringLiteral("</table>"))
      << in(0, QStringLiteral("</body>"))
      << in(0, QStringLiteral("</html>"));
    return l;
}

QByteArray Bytes(const TPreviewColors& colors)
{
    QByteArray out;
    for (const QString& line : Lines(colors))
        out += line.toLatin1() + "\r\n";
    return out;
}

FileResult Save(const QString& path, const TPreviewColors& colors)
{
    return SafeFile::SaveBytes(path, Bytes(colors));
}

} // namespace PreviewHtml
