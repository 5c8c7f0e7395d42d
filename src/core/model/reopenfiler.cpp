#include "core/model/reopenfiler.h"

#include "core/text/paths.h"
#include "core/text/textfile.h"

#include <QFile>
#include <QFileInfo>

namespace taglund {

namespace {

bool isSep(QChar c)
{
    return c == u'/' || c == u'\\';
}

} // namespace

TReopenFiler::TReopenFiler(QObject *parent) : QObject(parent) {}

void TReopenFiler::setFilantal(int n)
{
    if (n < 1)
        return;
    m_filantal = n;
    if (m_ropen.size() > n) {
        m_ropen.resize(n);
        emit changed();
    }
}

int TReopenFiler::indexOfPath(const QString &path) const
{
    // A folder is the same folder with or without its trailing separator.
    const bool folders = m_itemtype == TItemtype::itBibliotek;
    const QString wanted = folders ? withoutTrailingSeparator(path) : path;
    for (qsizetype i = 0; i < m_ropen.size(); ++i) {
        const QString &p = m_ropen[i].Filnavn;
        if ((folders ? withoutTrailingSeparator(p) : p) == wanted)
            return int(i);
    }
    return -1;
}

bool TReopenFiler::stillThere(const QString &path) const
{
    switch (m_itemtype) {
    case TItemtype::itFil:
        return QFileInfo(path).isFile();
    case TItemtype::itBibliotek:
        return QFileInfo(path).isDir();
    case TItemtype::itAndet:
        break;
    }
    return true;
}

void TReopenFiler::InsertItem(const QString &path, const QString &caption)
{
    if (m_itemtype == TItemtype::itFil && !QFileInfo(path).isFile())
        return;
    if (m_itemtype != TItemtype::itAndet) {
        const int old = indexOfPath(path);
        if (old >= 0)
            m_ropen.removeAt(old);
    }
    if (m_ropen.size() >= m_filantal)
        m_ropen.resize(m_filantal - 1);
    m_ropen.prepend({caption, path});
    emit changed();
}

void TReopenFiler::DeleteItem(const QString &path)
{
    DeleteItemAt(indexOfPath(path));
}

void TReopenFiler::DeleteItemByCaption(const QString &caption)
{
    for (qsizetype i = 0; i < m_ropen.size(); ++i)
        if (m_ropen[i].Caption == caption) {
            DeleteItemAt(int(i));
            return;
        }
}

void TReopenFiler::DeleteItemAt(int index)
{
    if (index < 0 || index >= m_ropen.size())
        return;
    m_ropen.removeAt(index);
    emit changed();
}

void TReopenFiler::DeleteAllItems()
{
    if (m_ropen.isEmpty())
        return;
    m_ropen.clear();
    emit changed();
}

void TReopenFiler::DeleteItemFile()
{
    if (!m_itemfile.isEmpty())
        QFile::remove(m_itemfile);
    m_itemfile.clear();
    m_ropen.clear();
    emit changed();
}

QString TReopenFiler::GetCaption(int index) const
{
    return index >= 0 && index < m_ropen.size() ? m_ropen[index].Caption : QString();
}

QList<TReopenMenuItem> TReopenFiler::MakeMenu(int imageIndex) const
{
    QList<TReopenMenuItem> items;
    if (m_ropen.isEmpty())
        return items;
    for (qsizetype i = 0; i < m_ropen.size(); ++i) {
        const TReopenRec &r = m_ropen[i];
        if (r.Filnavn.isEmpty() && m_itemtype != TItemtype::itAndet)
            break;
        TReopenMenuItem item;
        item.caption = r.Caption;
        item.hint = r.Filnavn;
        item.entryIndex = int(i);
        item.imageIndex = imageIndex >= 0 ? imageIndex : m_onlyOneImage ? m_imageStartNr : m_imageStartNr + int(i);
        const int position = m_menuStartNr + int(i);
        item.breakBefore = m_breakNr > 0 && position > 0 && position % m_breakNr == 0;
        items.append(item);
    }
    if (m_medMenuStreg)
        items.append({TReopenMenuItem::Kind::Separator, {}, {}, -1, -1, false});
    if (!m_deleteCap.isEmpty())
        items.append({TReopenMenuItem::Kind::DeleteAll, m_deleteCap, m_deleteHint, -1, -1, false});
    return items;
}

QString TReopenFiler::Klik(int menuPosition)
{
    const int index = menuPosition - m_menuStartNr;
    if (index < 0 || index >= m_ropen.size())
        return {};
    const QString path = m_ropen[index].Filnavn;
    if (!stillThere(path)) {
        DeleteItemAt(index);
        return {};
    }
    return path;
}

bool TReopenFiler::GemReopenFiler(QString *error) const
{
    if (m_itemfile.isEmpty())
        return true;
    SettingsWriter w;
    w.number(m_filantal).number(Antal());
    for (const TReopenRec &r : m_ropen)
        w.text(r.Caption).text(r.Filnavn);
    return w.save(m_itemfile, error);
}

void TReopenFiler::HentReopenFiler()
{
    const bool had = !m_ropen.isEmpty();
    m_ropen.clear();
    if (m_itemfile.isEmpty() || !QFileInfo::exists(m_itemfile)) {
        if (had)
            emit changed();
        return;
    }
    QStringList lines;
    TextFile::readLines(m_itemfile, lines);
    SettingsReader r(lines);
    int maximum = 0;
    int count = 0;
    if (!r.number(maximum) || !r.number(count) || maximum < 1) {
        // Too short or not written by us: start over with an empty list.
        m_filantal = 10;
    } else {
        m_filantal = maximum;
        // Never more entries than the file holds, nor than the maximum allows.
        const int pairs = int((lines.size() - 2) / 2);
        count = qBound(0, count, qMin(pairs, maximum));
        for (int i = 0; i < count; ++i)
            m_ropen.append({lines[2 + 2 * i], lines[3 + 2 * i]});
    }
    if (had || !m_ropen.isEmpty())
        emit changed();
}

QString TReopenFiler::captionFromCapNavn(const QString &capNavn)
{
    qsizetype i = 0;
    while (i < capNavn.size() && capNavn[i].isDigit())
        ++i;
    QString rest = capNavn.mid(i);
    const qsizetype dot = rest.indexOf(u'.');
    if (dot >= 0)
        rest.remove(dot, 1);
    return rest;
}

QString TReopenFiler::folderCaption(const QString &path)
{
    QString p = path;
    if (!extensionOf(p).isEmpty()) {
        p = folderOf(p);
        if (p.isEmpty() || !QFileInfo(p).isDir())
            return {};
    }
    qsizetype end = p.size();
    if (end > 0 && isSep(p[end - 1]))
        --end;
    qsizetype i = end - 1;
    while (i >= 0 && !isSep(p[i]))
        --i;
    return p.mid(i + 1, end - i - 1);
}

void insertDocumentFile(TReopenFiler &files, const QString &filnavn, const QString &capNavn)
{
    if (!filnavn.isEmpty())
        files.InsertItem(filnavn, TReopenFiler::captionFromCapNavn(capNavn));
}

void insertDocumentFolder(TReopenFiler &folders, const QString &filnavn)
{
    const QString folder = folderOf(filnavn);
    if (!folder.isEmpty())
        folders.InsertItem(folder, TReopenFiler::folderCaption(folder));
}

namespace {

void setupList(TReopenFiler &list, TItemtype type, int firstImage, const QString &file)
{
    list.setFilantal(10);
    list.setItemtype(type);
    list.setMenuStartNr(2);
    list.setImageStartNr(firstImage);
    list.setOnlyOneImageIndex(false);
    list.setBreakNr(0);
    list.setMedMenuStreg(true);
    list.setDeleteItemCap(QStringLiteral("Slet listen"));
    list.setDeleteItemHint(QStringLiteral("Start en ny liste"));
    list.setItemfile(file);
}

} // namespace

void setupRecentFiles(TReopenFiler &files, const QString &optdir)
{
    setupList(files, TItemtype::itFil, 24, joinPath(optdir, QStringLiteral("reopen.txt")));
}

void setupRecentFolders(TReopenFiler &folders, const QString &optdir)
{
    setupList(folders, TItemtype::itBibliotek, 34, joinPath(optdir, QStringLiteral("reopendir.txt")));
}

} // namespace taglund
