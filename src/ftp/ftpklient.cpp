#include "ftp/ftpklient.h"

#include "core/text/paths.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QUrl>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <curl/curl.h>
#include <memory>
#include <mutex>

namespace taglund {

namespace {

const QStringList &textExtensions()
{
    static const QStringList list = {
        QStringLiteral(".txt"),  QStringLiteral(".htm"), QStringLiteral(".html"), QStringLiteral(".xhtml"),
        QStringLiteral(".shtml"), QStringLiteral(".asp"), QStringLiteral(".aspx"), QStringLiteral(".asa"),
        QStringLiteral(".inc"),  QStringLiteral(".php"), QStringLiteral(".css"),  QStringLiteral(".js"),
        QStringLiteral(".mjs"),  QStringLiteral(".json"), QStringLiteral(".vbs"), QStringLiteral(".wsf"),
        QStringLiteral(".bat"),  QStringLiteral(".cmd"), QStringLiteral(".ps1"),  QStringLiteral(".xml"),
        QStringLiteral(".xsl"),  QStringLiteral(".svg"), QStringLiteral(".csv"),  QStringLiteral(".ini"),
        QStringLiteral(".md"),   QStringLiteral(".rtf"), QStringLiteral(".hta"),  QStringLiteral(".htaccess"),
    };
    return list;
}

struct Transfer {
    const std::function<void(const QString &)> *status = nullptr;
    const std::atomic_bool *cancel = nullptr;
    QString lastReply;
    int lastTenth = -1;

    void say(const QString &line) const
    {
        if (*status)
            (*status)(line);
    }
};

// Server replies are usually ASCII; anything else is taken as UTF-8 when it
// is, else as Latin-1, so no reply is lost to a decoding error.
QString decodeReply(const char *data, size_t size)
{
    const QByteArray bytes(data, qsizetype(size));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

int onDebug(CURL *, curl_infotype type, char *data, size_t size, void *userp)
{
    auto *t = static_cast<Transfer *>(userp);
    if (type != CURLINFO_TEXT && type != CURLINFO_HEADER_IN && type != CURLINFO_HEADER_OUT)
        return 0;
    static const QRegularExpression breaks(QStringLiteral("[\r\n]+"));
    const QStringList lines = decodeReply(data, size).split(breaks, Qt::SkipEmptyParts);
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        if (type == CURLINFO_HEADER_OUT && line.startsWith(QStringLiteral("PASS"), Qt::CaseInsensitive))
            line = QStringLiteral("PASS ****");
        if (type == CURLINFO_HEADER_IN)
            t->lastReply = line;
        t->say(line);
    }
    return 0;
}

int onProgress(void *userp, curl_off_t, curl_off_t, curl_off_t ultotal, curl_off_t ulnow)
{
    auto *t = static_cast<Transfer *>(userp);
    if (t->cancel && t->cancel->load())
        return 1;
    if (ultotal > 0 && ulnow > 0) {
        const int tenth = int(ulnow * 10 / ultotal);
        if (tenth != t->lastTenth) {
            t->lastTenth = tenth;
            t->say(QStringLiteral("Sendt %1 af %2 bytes").arg(qint64(ulnow)).arg(qint64(ultotal)));
        }
    }
    return 0;
}

TFtpFejl fejlFor(CURLcode code)
{
    switch (code) {
    case CURLE_OK:
        return TFtpFejl::Ingen;
    case CURLE_URL_MALFORMAT:
    case CURLE_UNSUPPORTED_PROTOCOL:
        return TFtpFejl::Indstillinger;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_GOT_NOTHING:
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
        return TFtpFejl::Forbindelse;
    case CURLE_LOGIN_DENIED:
        return TFtpFejl::Login;
    case CURLE_REMOTE_ACCESS_DENIED:
        return TFtpFejl::Mappe;
    case CURLE_UPLOAD_FAILED:
    case CURLE_PARTIAL_FILE:
    case CURLE_REMOTE_DISK_FULL:
    case CURLE_QUOTE_ERROR:
        return TFtpFejl::Gem;
    case CURLE_FTP_PORT_FAILED:
    case CURLE_FTP_ACCEPT_FAILED:
    case CURLE_FTP_ACCEPT_TIMEOUT:
    case CURLE_FTP_CANT_GET_HOST:
    case CURLE_FTP_COULDNT_SET_TYPE:
        return TFtpFejl::Dataforbindelse;
    case CURLE_OPERATION_TIMEDOUT:
        return TFtpFejl::Tid;
    case CURLE_ABORTED_BY_CALLBACK:
        return TFtpFejl::Afbrudt;
    case CURLE_READ_ERROR:
        return TFtpFejl::Fil;
    default:
        return TFtpFejl::Andet;
    }
}

// The folder as the address's path: each part percent-encoded, and a
// leading "/" kept as "%2F" so the client changes to it as one absolute
// folder instead of walking down from the login folder.
QByteArray urlPath(const QString &mappe, const QString &file)
{
    QByteArray dir = mappe.startsWith(u'/') ? QByteArrayLiteral("%2F") : QByteArray();
    const QStringList parts = mappe.split(u'/', Qt::SkipEmptyParts);
    for (int i = 0; i < parts.size(); ++i) {
        if (i > 0)
            dir += '/';
        dir += QUrl::toPercentEncoding(parts[i]);
    }
    return '/' + dir + '/' + QUrl::toPercentEncoding(file);
}

QByteArray urlHost(const QString &host)
{
    const QString h = host.trimmed();
    if (h.contains(u':') && !h.startsWith(u'['))
        return '[' + h.toUtf8() + ']';
    return h.toUtf8();
}

// A text file as the client must be given it in ASCII type: line ends as
// single LF, which it sends as CR LF (it would turn a CR LF into CR CR LF).
struct TextSource {
    QByteArray data;
    qsizetype pos = 0;
};

QByteArray withLfEnds(QByteArray bytes)
{
    bytes.replace("\r\n", "\n");
    bytes.replace('\r', '\n');
    return bytes;
}

size_t readText(char *buffer, size_t size, size_t items, void *userp)
{
    auto *src = static_cast<TextSource *>(userp);
    const size_t n = std::min(size * items, size_t(src->data.size() - src->pos));
    std::memcpy(buffer, src->data.constData() + src->pos, n);
    src->pos += qsizetype(n);
    return n;
}

struct CurlHandle {
    CURL *easy = curl_easy_init();
    CURLU *url = curl_url();
    std::FILE *file = nullptr;
    TextSource text;
    ~CurlHandle()
    {
        // Closes the connection (QUIT) while the status hooks still live.
        if (easy)
            curl_easy_cleanup(easy);
        if (url)
            curl_url_cleanup(url);
        if (file)
            std::fclose(file);
    }
};

TFtpResultat failure(TFtpFejl fejl, const QString &detail)
{
    TFtpResultat r;
    r.fejl = fejl;
    r.besked = ftpFejltekst(fejl) + u'.';
    if (!detail.isEmpty())
        r.besked += u'\r' + detail;
    return r;
}

TFtpResultat run(const TFtpForbindelse &c, const QString &localFile, Transfer &t)
{
    const QFileInfo info(localFile);
    if (!info.isFile())
        return failure(TFtpFejl::Fil, QStringLiteral("Filen findes ikke: ") + localFile);
    if (!c.komplet())
        return failure(TFtpFejl::Indstillinger, QString());

    CurlHandle h;
    if (!h.easy || !h.url)
        return failure(TFtpFejl::Andet, QStringLiteral("FTP-klienten kunne ikke startes."));
    const bool ascii = overfoerselstype(localFile) == TFtpType::Ascii;
    curl_off_t size = info.size();
    if (ascii) {
        QFile f(localFile);
        if (!f.open(QIODevice::ReadOnly))
            return failure(TFtpFejl::Fil, localFile + u'\r' + f.errorString());
        h.text.data = withLfEnds(f.readAll());
        size = h.text.data.size();
    } else {
        h.file = std::fopen(QFile::encodeName(localFile).constData(), "rb");
        if (!h.file)
            return failure(TFtpFejl::Fil, localFile);
    }

    if (curl_url_set(h.url, CURLUPART_SCHEME, "ftp", 0) != CURLUE_OK
        || curl_url_set(h.url, CURLUPART_HOST, urlHost(c.host).constData(), 0) != CURLUE_OK
        || curl_url_set(h.url, CURLUPART_PORT, QByteArray::number(c.portNummer()).constData(), 0) != CURLUE_OK
        || curl_url_set(h.url, CURLUPART_PATH, urlPath(c.mappe, info.fileName()).constData(), 0) != CURLUE_OK)
        return failure(TFtpFejl::Indstillinger, QStringLiteral("Host: ") + c.host);

    char errors[CURL_ERROR_SIZE] = {};
    const QByteArray user = c.brugernavn.toUtf8();
    const QByteArray password = c.password.toUtf8();
    CURL *e = h.easy;
    curl_easy_setopt(e, CURLOPT_CURLU, h.url);
    curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(e, CURLOPT_USERNAME, user.constData());
    curl_easy_setopt(e, CURLOPT_PASSWORD, password.constData());
    curl_easy_setopt(e, CURLOPT_UPLOAD, 1L);
    if (ascii) {
        curl_easy_setopt(e, CURLOPT_READFUNCTION, readText);
        curl_easy_setopt(e, CURLOPT_READDATA, &h.text);
    } else {
        curl_easy_setopt(e, CURLOPT_READDATA, h.file);
    }
    curl_easy_setopt(e, CURLOPT_INFILESIZE_LARGE, size);
    curl_easy_setopt(e, CURLOPT_FTPPORT, "-");
    curl_easy_setopt(e, CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_SINGLECWD));
    curl_easy_setopt(e, CURLOPT_TRANSFERTEXT, ascii ? 1L : 0L);
    curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT, 0L);
    curl_easy_setopt(e, CURLOPT_SERVER_RESPONSE_TIMEOUT, 60L);
    curl_easy_setopt(e, CURLOPT_ACCEPTTIMEOUT_MS, 60000L);
    curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(e, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(e, CURLOPT_ERRORBUFFER, errors);
    curl_easy_setopt(e, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(e, CURLOPT_DEBUGFUNCTION, onDebug);
    curl_easy_setopt(e, CURLOPT_DEBUGDATA, &t);
    curl_easy_setopt(e, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(e, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(e, CURLOPT_XFERINFODATA, &t);

    t.say(QStringLiteral("Forbinder til %1 port %2 (%3)")
              .arg(c.host.trimmed())
              .arg(c.portNummer())
              .arg(ascii ? QStringLiteral("tekst") : QStringLiteral("binær")));
    const CURLcode code = curl_easy_perform(e);
    if (code == CURLE_OK)
        return {};
    QString detail = QString::fromUtf8(errors).trimmed();
    if (detail.isEmpty())
        detail = QString::fromUtf8(curl_easy_strerror(code));
    const TFtpFejl fejl = fejlFor(code);
    // The server's own words, when its last reply was a refusal.
    if (fejl != TFtpFejl::Afbrudt && (t.lastReply.startsWith(u'4') || t.lastReply.startsWith(u'5')))
        detail += QStringLiteral("\rServeren svarede: ") + t.lastReply;
    return failure(fejl, detail);
}

} // namespace

TFtpType overfoerselstype(const QString &localFile)
{
    const QString ext = extensionOf(localFile).toLower();
    if (!textExtensions().contains(ext))
        return TFtpType::Binaer;
    QFile f(localFile);
    if (f.open(QIODevice::ReadOnly) && f.read(65536).contains('\0'))
        return TFtpType::Binaer;
    return TFtpType::Ascii;
}

QString ftpFejltekst(TFtpFejl fejl)
{
    switch (fejl) {
    case TFtpFejl::Ingen:
        return QString();
    case TFtpFejl::Indstillinger:
        return QStringLiteral("Host, port, brugernavn, password eller mappe kan ikke bruges");
    case TFtpFejl::Fil:
        return QStringLiteral("Filen kunne ikke læses");
    case TFtpFejl::Forbindelse:
        return QStringLiteral("Der kunne ikke skabes forbindelse til serveren");
    case TFtpFejl::Login:
        return QStringLiteral("Serveren afviste brugernavn eller password");
    case TFtpFejl::Mappe:
        return QStringLiteral("Serveren afviste skift til mappen");
    case TFtpFejl::Gem:
        return QStringLiteral("Serveren afviste at gemme filen");
    case TFtpFejl::Dataforbindelse:
        return QStringLiteral("Dataforbindelsen til serveren kunne ikke åbnes");
    case TFtpFejl::Tid:
        return QStringLiteral("Serveren svarede ikke i tide");
    case TFtpFejl::Afbrudt:
        return QStringLiteral("Overførslen blev afbrudt");
    case TFtpFejl::Andet:
        break;
    }
    return QStringLiteral("Overførslen til serveren mislykkedes");
}

TFtpResultat ftpUpload(const TFtpForbindelse &c, const QString &localFile,
                       const std::function<void(const QString &)> &status, const std::atomic_bool *cancel)
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    Transfer t;
    t.status = &status;
    t.cancel = cancel;
    TFtpResultat r = run(c, localFile, t);
    if (r.ok())
        t.say(ftpUploaded());
    else
        t.say(QStringLiteral("Fejl: ") + QString(r.besked).replace(u'\r', QStringLiteral(" - ")));
    t.say(ftpAfsluttet());
    return r;
}

} // namespace taglund
