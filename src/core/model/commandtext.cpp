#include "core/model/commandtext.h"

#include "core/text/paths.h"

#include <QStandardPaths>

#include <cmath>

namespace taglund::CommandText {

namespace {

QUrl siteUrl(const char *host, const char *pathAndKey, const QString &value)
{
    QByteArray encoded = QByteArray("https://") + host + pathAndKey;
    encoded += QUrl::toPercentEncoding(value);
    return QUrl::fromEncoded(encoded, QUrl::StrictMode);
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

QString keepOnly(const QString &text, bool allowComma)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (isAsciiDigit(c) || (allowComma && c == u','))
            out += c;
    return out;
}

// Runs the given program and arguments ("$@"), then replaces itself by the
// user's shell so the window stays open, as "CMD /K" does. The script is a
// fixed text: names and commands only ever arrive as separate arguments.
const QString KeepOpenScript = QStringLiteral("\"$@\"; exec \"${SHELL:-/bin/sh}\"");

QString terminalProgram(const ProgramFinder &find)
{
    for (const char *name : {"x-terminal-emulator", "xterm"}) {
        const QString path = find(QString::fromLatin1(name));
        if (!path.isEmpty())
            return path;
    }
    return {};
}

// A file name as one argument that no program can take for an option.
QString nameArgument(const QString &filePath)
{
    const QString name = fileNameOf(filePath);
    return name.startsWith(u'-') ? QStringLiteral("./") + name : name;
}

TRunCommand inFolder(TRunCommand run, const QString &filePath)
{
    if (run.runnable())
        run.workingFolder = withoutTrailingSeparator(folderOf(filePath));
    return run;
}

TRunCommand saveFirst()
{
    TRunCommand run;
    run.message = SaveFirstMessage;
    return run;
}

} // namespace

QUrl googleSearchUrl(const QString &text)
{
    return siteUrl(SearchEngineHost, "/search?q=", text);
}

QUrl youTubeSearchUrl(const QString &text)
{
    return siteUrl(VideoSiteHost, "/results?search_query=", text);
}

QUrl homePageUrl()
{
    return QUrl(QStringLiteral("https://") + QString::fromLatin1(HomeSiteHost) + u'/');
}

QUrl feedbackUrl()
{
    return siteUrl(HomeSiteHost, "/sendmail.asp?strEmne=", QStringLiteral("Taglund"));
}

QString filterMarginField(const QString &text)
{
    return keepOnly(text, true);
}

QString filterCopiesField(const QString &text)
{
    return keepOnly(text, false);
}

std::optional<double> parseCentimetres(const QString &field)
{
    const QString t = field.trimmed();
    if (t.count(u',') > 1)
        return std::nullopt;
    bool anyDigit = false;
    for (QChar c : t) {
        if (isAsciiDigit(c))
            anyDigit = true;
        else if (c != u',')
            return std::nullopt;
    }
    if (!anyDigit)
        return std::nullopt;
    QString dotted = t;
    dotted.replace(u',', u'.');
    if (dotted.startsWith(u'.'))
        dotted.prepend(u'0');
    bool ok = false;
    const double value = dotted.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> parseCopies(const QString &field)
{
    const QString t = field.trimmed();
    if (t.isEmpty() || t.size() > 6)
        return std::nullopt;
    for (QChar c : t)
        if (!isAsciiDigit(c))
            return std::nullopt;
    const int n = t.toInt();
    if (n < 1 || n > MaxCopies)
        return std::nullopt;
    return n;
}

std::optional<TPrintSettings> readPrintFields(const QString &left, const QString &right, const QString &top,
                                              const QString &bottom, const QString &copies)
{
    const auto l = parseCentimetres(left);
    const auto r = parseCentimetres(right);
    const auto t = parseCentimetres(top);
    const auto b = parseCentimetres(bottom);
    const auto c = parseCopies(copies);
    if (!l || !r || !t || !b || !c)
        return std::nullopt;
    return TPrintSettings{*l, *r, *t, *b, *c};
}

int centimetresToDots(double cm, int dotsPerInch)
{
    const double dots = cm / 2.54 * dotsPerInch;
    // A margin wider than any paper is no margin anyone meant; keep the
    // arithmetic below far from overflowing.
    if (!std::isfinite(dots) || dots > 1e7)
        return 10000000;
    return int(std::lround(dots));
}

QRect printArea(const TPrintSettings &margins, int dpiX, int dpiY, QSize paper, QPoint unprintable)
{
    const int left = centimetresToDots(margins.left, dpiX);
    const int right = centimetresToDots(margins.right, dpiX);
    const int top = centimetresToDots(margins.top, dpiY);
    const int bottom = centimetresToDots(margins.bottom, dpiY);
    const qint64 width = qint64(paper.width()) - left - right;
    const qint64 height = qint64(paper.height()) - top - bottom;
    if (width <= 0 || height <= 0)
        return {};
    return QRect(left - unprintable.x(), top - unprintable.y(), int(width), int(height));
}

ProgramFinder installedPrograms()
{
    return [](const QString &name) { return QStandardPaths::findExecutable(name); };
}

TRunCommand keepOpenInTerminal(const QStringList &command, const ProgramFinder &find)
{
    TRunCommand run;
    run.program = terminalProgram(find);
    if (run.program.isEmpty()) {
        run.shellError = NoAssociationError;
        return run;
    }
    run.arguments = QStringList{QStringLiteral("-e"), QStringLiteral("sh"), QStringLiteral("-c"), KeepOpenScript,
                                QStringLiteral("taglund")}
                    + command;
    return run;
}

TRunCommand commandBoxRun(const QString &commandLine, const ProgramFinder &find)
{
    // The user typed a command line for a shell, as "CMD /K" takes one; it is
    // still handed over as one argument, never pasted into the script.
    return keepOpenInTerminal({QStringLiteral("sh"), QStringLiteral("-c"), commandLine}, find);
}

TRunCommand batchRun(const QString &filePath, const ProgramFinder &find)
{
    if (filePath.isEmpty())
        return saveFirst();
    if (extensionOf(filePath).compare(QStringLiteral(".ps1"), Qt::CaseInsensitive) == 0) {
        QString shell = find(QStringLiteral("pwsh"));
        if (shell.isEmpty())
            shell = find(QStringLiteral("powershell"));
        if (shell.isEmpty()) {
            TRunCommand missing;
            missing.shellError = NoAssociationError;
            return missing;
        }
        return inFolder(keepOpenInTerminal({shell, QStringLiteral("-NoExit"), QStringLiteral("-ExecutionPolicy"),
                                            QStringLiteral("Unrestricted"), filePath},
                                           find),
                        filePath);
    }
    return inFolder(keepOpenInTerminal({QStringLiteral("sh"), nameArgument(filePath)}, find), filePath);
}

TRunCommand cscriptRun(const QString &filePath, const ProgramFinder &find)
{
    if (filePath.isEmpty())
        return saveFirst();
    return inFolder(keepOpenInTerminal({QStringLiteral("cscript"), nameArgument(filePath)}, find), filePath);
}

std::optional<TRunCommand> scriptFileRun(const QString &filePath, const ProgramFinder &find)
{
    if (extensionOf(filePath).compare(QStringLiteral(".bat"), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    // The name alone only finds the file from its own folder.
    return inFolder(keepOpenInTerminal({QStringLiteral("sh"), nameArgument(filePath)}, find), filePath);
}

SearchFieldCommand parseSearchFieldCommand(const QString &text)
{
    const QString word = text.trimmed().toLower();
    if (word == QStringLiteral("go") || word == QStringLiteral("kør"))
        return SearchFieldCommand::RunScript;
    if (word == QStringLiteral("omskriv") || word == QStringLiteral("html"))
        return SearchFieldCommand::WriteHtml;
    return SearchFieldCommand::None;
}

} // namespace taglund::CommandText
