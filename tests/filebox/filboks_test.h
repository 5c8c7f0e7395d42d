#pragma once
// A file box engine over a temporary folder tree, with the boxes answered
// by script, the trash and home folder moved into the same temporary
// folder, and Danish number formats.
#include "filebox/handlinger.h"
#include "filebox/stilledialoger.h"
#include "ui/questions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <unistd.h>

namespace taglund::test {

// Writes a tree from lines: "dir/" a folder, "dir/a.txt=text" a file with
// its text ("dir/a.txt" alone: empty), "link->target" a symbolic link.
inline void makeTree(const QString &root, const QStringList &entries)
{
    for (const QString &line : entries) {
        if (line.contains(QLatin1String("->"))) {
            const QString link = line.section(QLatin1String("->"), 0, 0);
            const QString target = line.section(QLatin1String("->"), 1);
            QDir().mkpath(QFileInfo(root + u'/' + link).path());
            QVERIFY(QFile::link(target, root + u'/' + link));
        } else if (line.endsWith(u'/')) {
            QVERIFY(QDir().mkpath(root + u'/' + line));
        } else {
            const QString path = root + u'/' + line.section(u'=', 0, 0);
            QDir().mkpath(QFileInfo(path).path());
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(line.section(u'=', 1).toUtf8());
        }
    }
}

// The tree in the same notation, sorted, hidden entries included.
inline QStringList snapshot(const QString &root, const QString &prefix = QString())
{
    QStringList out;
    const QDir dir(root);
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &fi : entries) {
        const QString rel = prefix + fi.fileName();
        if (fi.isSymLink()) {
            out << rel + QStringLiteral("->") + fi.symLinkTarget().section(u'/', -1);
        } else if (fi.isDir()) {
            out << rel + u'/';
            out << snapshot(fi.absoluteFilePath(), rel + u'/');
        } else {
            QFile f(fi.absoluteFilePath());
            f.open(QIODevice::ReadOnly);
            const QByteArray bytes = f.readAll();
            out << (bytes.isEmpty() ? rel : rel + u'=' + QString::fromUtf8(bytes));
        }
    }
    return out;
}

// Sets an environment variable for as long as the object lives.
class ScopedEnv {
public:
    ScopedEnv(const char *name, const QString &value) : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
        qputenv(name, QFile::encodeName(value));
    }
    ~ScopedEnv()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    bool m_had;
    QByteArray m_old;
};

struct Filboks {
    QTemporaryDir tmp;
    QString root;   // the tree the tests work in
    QString home;
    ScopedEnv homeEnv{"HOME", tmp.path() + QStringLiteral("/home")};
    ScopedEnv dataEnv{"XDG_DATA_HOME", tmp.path() + QStringLiteral("/home/.local/share")};
    ui::Script script;
    TListeModel liste;
    TStilleDialoger dialoger;
    THandlinger funk;

    Filboks()
    {
        root = tmp.path() + QStringLiteral("/t");
        home = tmp.path() + QStringLiteral("/home");
        QDir().mkpath(root);
        QDir().mkpath(home + QStringLiteral("/.local/share"));
        QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark));
        ui::setScript(&script);
        funk.Struktur2 = &liste;
        funk.Brugernavn = QStringLiteral("tester");
        funk.setDialoger(&dialoger);
        funk.setFremdriftsVindue(&dialoger);
        funk.setEgenskabsVisning(&dialoger);
        funk.setPapirkurvMappe(trash());
    }
    ~Filboks() { ui::setScript(nullptr); }

    QString trash() const { return home + QStringLiteral("/.local/share/Trash"); }
    QString path(const QString &rel) const { return rel.isEmpty() ? root : root + u'/' + rel; }
    void vis(const QString &rel) { funk.makeStruktur2(path(rel), true, true); }

    // Selects the entries with these texts ("" selects nothing); the last one is the focused one.
    bool vaelg(const QStringList &texts)
    {
        for (int i = 0; i < liste.count(); ++i)
            liste.setSelected(i, false);
        liste.setCurrent(-1);
        for (const QString &t : texts) {
            int found = -1;
            for (int i = 0; i < liste.count(); ++i)
                if (liste.text(i) == t)
                    found = i;
            if (found < 0)
                return false;
            liste.setSelected(found, true);
            liste.setCurrent(found);
        }
        funk.infoStruktur2();
        return true;
    }

    QStringList texts() const
    {
        QStringList out;
        for (int i = 0; i < liste.count(); ++i)
            out << liste.text(i);
        return out;
    }

    // The tree and the trash's files, as one list.
    QStringList tilstand() const
    {
        QStringList s = snapshot(root);
        for (const QString &t : snapshot(trash() + QStringLiteral("/files"))) {
            const QString name = t.section(u'=', 0, 0).section(QLatin1String("->"), 0, 0);
            if (!(name.endsWith(u'/') ? name.chopped(1) : name).contains(u'/'))
                s << QStringLiteral("kurv:") + t;
        }
        return s;
    }

    void svar(const QString &answers)
    {
        for (const QString &a : answers.split(u' ', Qt::SkipEmptyParts))
            script.answers << (a == QLatin1String("Ja") ? ui::Answer::Ja : ui::Answer::Nej);
    }
};

} // namespace taglund::test
