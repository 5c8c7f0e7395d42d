#pragma once
// What the tests of the whole program do right after the main window is shown.
#include "app/mainform.h"
#include "filebox/filbokskommandoer.h"
#include "filebox/openfilform.h"

#include <QtTest>

namespace taglund::test {

// The files of the command line and the document list open once the window
// is on screen.
inline void waitForStartFiles(Tmainform &main)
{
    QTRY_VERIFY(!main.startFilesPending());
}

// The save tests answer the save dialog. While the file box is visible it is
// the save-as panel instead, so those tests close it after the first show.
inline void closeFilebox(Tmainform &main)
{
    if (auto *f = main.part<TFilboksKommandoer>(); f && f->filboksLavet())
        f->filboks()->close();
}

} // namespace taglund::test
