#pragma once
// The save tests answer the save dialog. While the file box is visible it is
// the save-as panel instead, so those tests close it after the first show.
#include "app/mainform.h"
#include "filebox/filbokskommandoer.h"
#include "filebox/openfilform.h"

namespace taglund::test {

inline void closeFilebox(Tmainform &main)
{
    if (auto *f = main.part<TFilboksKommandoer>(); f && f->filboksLavet())
        f->filboks()->close();
}

} // namespace taglund::test
