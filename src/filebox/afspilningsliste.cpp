#include "filebox/afspilningsliste.h"

namespace taglund {

namespace {

QStringList head(int type, const QString &base)
{
    static const char *const titler[] = {"", "Filmliste", "Musikliste", "Billedliste"};
    return {QStringLiteral("<!DOCTYPE html>"), QStringLiteral("<html>"), QStringLiteral("<head>"),
            QStringLiteral("<title>") + QLatin1String(titler[type]) + QStringLiteral("</title>"),
            QStringLiteral("<base href=\"") + base + QStringLiteral("\">"), QString(), QStringLiteral("<script>")};
}

QStringList script(const QStringList &items)
{
    QStringList l{QStringLiteral("function afspil(melodiNo,checkid){"), QStringLiteral("var eleSrc;"),
                  QStringLiteral("switch(melodiNo){")};
    for (int k = 0; k < items.size(); ++k)
        l << QStringLiteral("case %1:").arg(k) << QStringLiteral("eleSrc=\"") + items[k] + QStringLiteral("\";")
          << QStringLiteral("break;");
    l << QStringLiteral("}") << QStringLiteral("var ele=document.getElementById(\"afspiller\");")
      << QStringLiteral("ele.src=eleSrc;") << QStringLiteral("ele.autoplay=true;")
      << QStringLiteral("document.getElementById(checkid).checked=true;}") << QStringLiteral("</script>") << QString();
    return l;
}

QStringList style(bool music)
{
    QStringList l;
    for (const char *s : {"<style type=\"text/css\">", "*{font-family: Verdana; font-size: 9pt; color #000000;}",
                          "caption{", "color: #0000FF;", "margin-bottom: 4px;", "}", "table,th,td{",
                          "border: 1px solid #888888;", "border-collapse:collapse;", "}", "th{", "padding-left: 4px;",
                          "padding-right: 4px;", "padding-top: 4px;", "padding-bottom: 4px;", "color: #FFFFFF;",
                          "background-color:#228822;", "text-align: left;", "}", "td{", "padding-left: 4px;",
                          "padding-right: 4px;", "padding-top: 2px;", "padding-bottom: 2px;", "}", "button::before{"})
        l << QLatin1String(s);
    l << (music ? QStringLiteral("content: \"\\266C\" \" \";") : QStringLiteral("content: \"\\25B6\" \" \";"));
    l << QStringLiteral("}") << QStringLiteral("</style>") << QString() << QStringLiteral("</head>");
    return l;
}

QStringList pictureSizes()
{
    QStringList l{QStringLiteral("<div>"), QStringLiteral("<table>"), QStringLiteral("<caption>Billedstørrelse</caption>"),
                  QStringLiteral("<tr>")};
    for (int p = 100; p >= 10; p -= 10) {
        l << QStringLiteral("<td><input type=\"radio\" name=\"bredde\"%1 onclick=\"setProcent(%2)\">%2%</td>")
                 .arg(p == 100 ? QStringLiteral(" checked=\"true\"") : QString())
                 .arg(p);
        if (p == 60)
            l << QStringLiteral("</tr>") << QStringLiteral("<tr>");
    }
    l << QStringLiteral("</tr>") << QStringLiteral("</table><br>") << QString();
    return l;
}

} // namespace

QStringList afspilningsside(int type, const QString &base, const QStringList &items)
{
    if (type < 1 || type > 3)
        return {};
    const bool film = type == 1, music = type == 2, pictures = type == 3;
    const QString first = items.value(0);
    QStringList l = head(type, base);
    if (pictures)
        l << QStringLiteral("function setProcent(procent){") << QStringLiteral("procent=procent+\"%\";")
          << QStringLiteral("var ele=document.getElementById(\"afspiller\");") << QStringLiteral("ele.style.width=procent;")
          << QStringLiteral("ele.style.height=procent;}") << QString();
    l << script(items) << style(music);
    l << (music ? QStringLiteral("<body>") : QStringLiteral("<body style=\"display: flex; flex-wrap: wrap;\">")) << QString();
    if (film)
        l << QStringLiteral("<div>") << QStringLiteral("<video controls id=\"afspiller\" style=\"width: auto;\">")
          << QStringLiteral("<source src=\"") + first + QStringLiteral("\">") << QStringLiteral("</video>")
          << QStringLiteral("</div>") << QString() << QStringLiteral("<div style=\"margin: 16px 0px 0px 16px;\">");
    else if (music)
        l << QStringLiteral("<audio controls id=\"afspiller\" style=\"width: auto;\">")
          << QStringLiteral("<source src=\"") + first + QStringLiteral("\">") << QStringLiteral("</audio><br>") << QString();
    else
        l << pictureSizes();
    static const char *const titler[] = {"", "Filmliste", "Musikliste", "Billedliste"};
    l << QStringLiteral("<table>") << QStringLiteral("<caption>") + QLatin1String(titler[type]) + QStringLiteral("</caption>")
      << QStringLiteral("<colgroup>") << QStringLiteral(" <col span=\"1\" style=\"background-color: #DDDDDD;\">")
      << QStringLiteral(" <col span=\"1\" style=\"background-color: #FFFFFF;\">")
      << QStringLiteral(" <col style=\"background-color: #FFFFFF;\">") << QStringLiteral("</colgroup>")
      << QStringLiteral("<tr><th>&nbsp;</th><th>Titel</th><th>&nbsp;</th></tr>");
    for (int k = 0; k < items.size(); ++k) {
        const QString id = QStringLiteral("melodi%1").arg(k);
        l << QStringLiteral("<tr>")
          << QStringLiteral(" <td><input type=\"radio\" name=\"aktuel\" id=\"") + id
                 + (k == 0 ? QStringLiteral("\" disabled checked></td>") : QStringLiteral("\" disabled></td>"))
          << QStringLiteral(" <td>") + items[k] + QStringLiteral("</td>")
          << QStringLiteral(" <td><button onclick=\"afspil(%1,'%2')\">%3</button></td>")
                 .arg(k)
                 .arg(id, pictures ? QStringLiteral("Vis") : QStringLiteral("Afspil"))
          << QStringLiteral("</tr>");
    }
    l << QStringLiteral("</table>");
    if (film)
        l << QStringLiteral("</div>") << QString();
    else if (music)
        l << QString();
    else
        l << QStringLiteral("</div>") << QString()
          << QStringLiteral("<img id=\"afspiller\" style=\"margin: 16px 0px 0px 16px;\" src=\"") + first + QStringLiteral("\">")
          << QString();
    l << QStringLiteral("</body>") << QStringLiteral("</html>");
    return l;
}

} // namespace taglund
