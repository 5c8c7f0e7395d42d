#pragma once
#include <QString>
#include <QStringList>
#include <functional>

namespace taglund {

// The files the program opens at first show. `open` opens one file by type.

// The command line: only a pair of quotes around a whole name is taken off
// (left by a shell); a quote inside a name belongs to it. Returns what could
// not be opened, each as "name: why", for one message.
QStringList openCommandLine(const QStringList &arguments, const std::function<void(const QString &)> &open);

// The document list "dokumenter.txt": a line that cannot be a document's
// path is skipped, so a damaged list never asks about every line. Returns
// how many lines were skipped.
int openDocumentList(const QString &listFile, const std::function<void(const QString &)> &open);

} // namespace taglund
