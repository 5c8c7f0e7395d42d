#include "core/model/docinfo.h"

#include "core/text/paths.h"

#include <QFileInfo>

namespace taglund {

DocFileFacts DocFileFacts::of(const QString &path)
{
    DocFileFacts f;
    if (path.isEmpty())
        return f;
    const QFileInfo info(path);
    f.exists = info.isFile();
    if (f.exists) {
        f.lastModified = info.lastModified();
        f.size = info.size();
    }
    return f;
}

QString docTypeName(const QString &ext)
{
    static const QList<std::pair<QString, QString>> names = {
        {QStringLiteral(".txt"), QStringLiteral("Tekst")},
        {QStringLiteral(".html"), QStringLiteral("Hjemmeside")},
        {QStringLiteral(".xml"), QStringLiteral("XML")},
        {QStringLiteral(".js"), QStringLiteral("Javascript")},
        {QStringLiteral(".css"), QStringLiteral("Stylesheet")},
        {QStringLiteral(".asp"), QStringLiteral("ASP")},
        {QStringLiteral(".inc"), QStringLiteral("Includefile")},
        {QStringLiteral(".rtf"), QStringLiteral("Rich Text")},
        {QStringLiteral(".wsf"), QStringLiteral("Window Script File")},
        {QStringLiteral(".bat"), QStringLiteral("Batch file")},
        {QStringLiteral(".vbs"), QStringLiteral("Visual Basic Script")},
        {QStringLiteral(".ps1"), QStringLiteral("Powershell script")},
    };
    for (const auto &[e, name] : names)
        if (e == ext)
            return name;
    return QStringLiteral("ukendt");
}

QString docInfoText(const QString &filnavn, const QString &docExt, const DocFileFacts &facts,
                    const QLocale &locale)
{
    if (filnavn.isEmpty())
        return QStringLiteral("Ingen information.\rMulig type: ") + docExt;
    if (!facts.exists)
        return {};
    return QStringLiteral("Filnavn: ") + fileNameOf(filnavn) + u'\r'
         + QStringLiteral("Mappe: ") + folderOf(filnavn) + u'\r'
         + QStringLiteral("Sidst modificeret: ") + locale.toString(facts.lastModified.date(), QLocale::ShortFormat)
         + u'\r' + QStringLiteral("Dokumenttype: ") + docTypeName(extensionOf(filnavn)) + u'\r'
         + QStringLiteral("Filstørelse: ") + QString::number(facts.size) + QStringLiteral(" bytes") + u'\r';
}

} // namespace taglund
