#include "generators/snippetcatalogue.h"

namespace taglund {

namespace {

using enum TSnippetKind;

const TSnippet struktur[] = {
    {"", "<article></article>", Block, "<article>", "</article>"},
    {"", "<aside></aside>", Pair, "<aside>", "</aside>"},
    {"", "<details></details>", Pair, "<details>", "</details>"},
    {"", "<details><summary></summary></details>", BlockPair, "<details>", "</details>", "<summary>", "</summary>"},
    {"", "<figure></figure>", Block, "<figure>", "</figure>"},
    {"", "<figure><figcaption></figcaption><figure>", BlockPair, "<figure>", "</figure>", "<figcaption>",
     "</figcaption>"},
    {"", "<footer></footer>", Pair, "<footer>", "</footer>"},
    {"", "<header></header>", Pair, "<header>", "</header>"},
    {"", "<main></main>", Block, "<main>", "</main>"},
    {"", "<section></section>", Block, "<section>", "</section>"},
    {"", "<summary></summary>", Pair, "<summary>", "</summary>"},
};

const TSnippet tekst[] = {
    {"Overskrifter", "<h1></h1>", Pair, "<h1>", "</h1>"},
    {"Overskrifter", "<h2></h2>", Pair, "<h2>", "</h2>"},
    {"Overskrifter", "<h3></h3>", Pair, "<h3>", "</h3>"},
    {"Overskrifter", "<h4></h4>", Pair, "<h4>", "</h4>"},
    {"Overskrifter", "<h5></h5>", Pair, "<h5>", "</h5>"},
    {"Overskrifter", "<h6></h6>", Pair, "<h6>", "</h6>"},
    {"Formatering", " <b></b>", Pair, "<b>", "</b>"},
    {"Formatering", "<bdi></bdi>", Pair, "<bdi>", "</bdi>"},
    {"Formatering", "<del></del>", Pair, "<del>", "</del>"},
    {"Formatering", "<em></em>", Pair, "<em>", "</em>"},
    {"Formatering", "<i></i>", Pair, "<i>", "</i>"},
    {"Formatering", "<ins></ins>", Pair, "<ins>", "</ins>"},
    {"Formatering", "<mark></mark>", Pair, "<mark>", "</mark>"},
    {"Formatering", "<s></s>", Pair, "<s>", "</s>"},
    {"Formatering", "<small></small>", Pair, "<small>", "</small>"},
    {"Formatering", "<strong></strong>", Pair, "<strong>", "</strong>"},
    {"Formatering", "<sub></sub>", Pair, "<sub>", "</sub>"},
    {"Formatering", "<sup></sup>", Pair, "<sup>", "</sup>"},
    {"Formatering", "<u></u>", Pair, "<u>", "</u>"},
    {"Indhold", "<abbr></abbr>", Pair, "<abbr>", "</abbr>"},
    {"Indhold", "<address></address>", Pair, "<address>", "</address>"},
    // The caret goes between the tags, not into the empty value.
    {"Indhold", "<bdo dir=\"\"></bdo>", Pair, "<bdo dir=\"\">", "</bdo>"},
    {"Indhold", "<blockquote></blockquote>", Pair, "<blockquote>", "</blockquote>"},
    {"Indhold", "<cite></cite>", Pair, "<cite>", "</cite>"},
    {"Indhold", "<code></code>", Pair, "<code>", "</code>"},
    {"Indhold", "<dfn></dfn>", Pair, "<dfn>", "</dfn>"},
    {"Indhold", "<kbd></kbd>", Pair, "<kbd>", "</kbd>"},
    {"Indhold", "<pre></pre>", Pair, "<pre>", "</pre>"},
    {"Indhold", "<q></q>", Pair, "<q>", "</q>"},
    {"Indhold", "<samp></samp>", Pair, "<samp>", "</samp>"},
    {"Indhold", "<time></time>", Pair, "<time>", "</time>"},
    {"Indhold", "<var></var>", Pair, "<var>", "</var>"},
    {"", "<div></div>", Pair, "<div>", "</div>"},
    {"", "<p></p>", Pair, "<p>", "</p>"},
    {"", "<span></span>", Pair, "<span>", "</span>"},
    {"", "", Separator},
    {"", "<br>", Single, "<br>"},
    {"", "<wbr>", Single, "<wbr>"},
};

const TSnippet links[] = {
    {"", "<a href=\"\"></a>", Pair, "<a href=\"", "\"></a>"},
    {"", "<a href=\"\" target=\"\"></a>", Pair, "<a href=\"", "\" target=\"\"></a>"},
    {"", "<a download=\"\"></a>", Pair, "<a download=\"", "\"></a>"},
    {"Med target", "<a href=\"\" target=\"_blank\"></a>", Pair, "<a href=\"", "\" target=\"_blank\"></a>"},
    {"Med target", "<a href=\"\" target=\"_parent\"></a>", Pair, "<a href=\"", "\" target=\"_parent\"></a>"},
    {"Med target", "<a href=\"\" target=\"_self\"></a>", Pair, "<a href=\"", "\" target=\"_self\"></a>"},
    {"Med target", "<a href=\"\" target=\"_top\"></a>", Pair, "<a href=\"", "\" target=\"_top\"></a>"},
    // The caption has always read "Framenamne"; the written name is "Framename".
    {"Med target", "<a href=\"\" target=\"Framenamne\"></a>", Pair, "<a href=\"", "\" target=\"Framename\"></a>"},
    {"Link til eksterne dokumenter", "<link rel=\"stylesheet\" type=\"text/css\" href=\"\">", Pair,
     "<link rel=\"stylesheet\" type=\"text/css\" href=\"", "\">"},
    {"Link til eksterne dokumenter", "<script type=\"text/javascript\" src=\"\"></script>", Pair,
     "<script type=\"text/javascript\" src=\"", "\"></script>"},
    {"", "", Separator},
    {"", "<nav></nav> ", Pair, "<nav>", "</nav>"},
};

const TSnippet form[] = {
    {"Form", "<form action=\"\"></form>", Pair, "<form action=\"", "\"></form>"},
    {"Form", "<form action=\"\" method=\"get\"></form>", Pair, "<form action=\"", "\" method=\"get\"></form>"},
    {"Form", "<form action=\"\" method=\"post\"></form>", Pair, "<form action=\"", "\" method=\"post\"></form>"},
    {"Input", "<input type=\"button\">", Single, "<input type=\"button\">"},
    {"Input", "<input type=\"checkbox\">", Single, "<input type=\"checkbox\">"},
    {"Input", "<input type=\"color\">", Single, "<input type=\"color\">"},
    {"Input", "<input type=\"date\">", Single, "<input type=\"date\">"},
    {"Input", "<input type=\"datetime\">", Single, "<input type=\"datetime\">"},
    {"Input", "<input type=\"datetime-local\">", Single, "<input type=\"datetime-local\">"},
    {"Input", "<input type=\"email\">", Single, "<input type=\"email\">"},
    {"Input", "<input type=\"file\">", Single, "<input type=\"file\">"},
    {"Input", "<input type=\"hidden\">", Single, "<input type=\"hidden\">"},
    {"Input", "<input type=\"image\">", Single, "<input type=\"image\">"},
    {"Input", "<input type=\"month\">", Single, "<input type=\"month\">"},
    {"Input", "<input type=\"number\">", Single, "<input type=\"number\">"},
    {"Input", "<input type=\"password\">", Single, "<input type=\"password\">"},
    {"Input", "<input type=\"radio\">", Single, "<input type=\"radio\">"},
    {"Input", "<input type=\"range\">", Single, "<input type=\"range\">"},
    {"Input", "<input type=\"reset\">", Single, "<input type=\"reset\">"},
    {"Input", "<input type=\"search\">", Single, "<input type=\"search\">"},
    {"Input", "<input type=\"submit\">", Single, "<input type=\"submit\">"},
    {"Input", "<input type=\"tel\">", Single, "<input type=\"tel\">"},
    {"Input", "<input type=\"text\">", Single, "<input type=\"text\">"},
    {"Input", "<input type=\"time\">", Single, "<input type=\"time\">"},
    {"Input", "<input type=\"url\">", Single, "<input type=\"url\">"},
    {"Input", "<input type=\"week\">", Single, "<input type=\"week\">"},
    {"Select", "<optgroup label=\"\"></optgroup>", Pair, "<optgroup label=\"", "\"></optgroup>"},
    {"Select", "<option value=\"\"></option>", Pair, "<option value=\"", "\"></option>"},
    {"Textarea", "<textarea rows=\"\" cols=\"\"></textarea>", Pair, "<textarea rows=\"", "\" cols=\"\"></textarea>"},
    {"", "<input type=\"\">", Pair, "<input type=\"", "\">"},
    {"", "", Separator},
    {"", "<button></button>", Pair, "<button>", "</button>"},
    {"", "<label></label>", Pair, "<label>", "</label>"},
    {"", "<legend></legend>", Pair, "<legend>", "</legend>"},
    {"", "<meter></meter>", Pair, "<meter>", "</meter>"},
    {"", "<option></option>", Pair, "<option>", "</option>"},
    {"", "<output></output>", Pair, "<output>", "</output>"},
    {"", "<keygen>", Single, "<keygen>"},
    // Written whole: the caret ends after the end tag.
    {"", "<textarea></textarea>", Single, "<textarea></textarea>"},
    {"", "", Separator},
    {"", "<datalist></datalist>", Block, "<datalist>", "</datalist>"},
    {"", "<fieldset></fieldset>", Block, "<fieldset>", "</fieldset>"},
    {"", "<form></form>", Block, "<form>", "</form>"},
    {"", "<optgroup></optgroup>", Block, "<optgroup>", "</optgroup>"},
    {"", "<select></select>", Block, "<select>", "</select>"},
};

const TSnippet medie[] = {
    {"Audio", "<audio src=\"\" controls></audio>", Pair, "<audio src=\"", "\" controls></audio>"},
    {"Audio", "<audio controls></audio>", Block, "<audio controls>", "</audio>"},
    {"Audio", "<source src=\"\">", Pair, "<source src=\"", "\">"},
    {"Audio", "<source src=\"\" type=\"\">", Pair, "<source src=\"", "\" type=\"\">"},
    {"Video", "<video src=\"\" controls></video>", Pair, "<video src=\"", "\" controls></video>"},
    {"Video", "<video controls></video>", Block, "<video controls>", "</video>"},
    {"Video", "<source src=\"\">", Pair, "<source src=\"", "\">"},
    {"Video", "<source src=\"\" type=\"\">", Pair, "<source src=\"", "\" type=\"\">"},
    {"Canvas", "<canvas id=\"\"></canvas>", Pair, "<canvas id=\"", "\"></canvas>"},
    {"Canvas", "<canvas id=\"\" height=\"\" width=\"\"></canvas>", Pair, "<canvas id=\"",
     "\" height=\"\" width=\"\"></canvas>"},
    {"Canvas", "<script></script>", Block, "<script>", "</script>"},
    {"Embed", "<embed src=\"\">", Pair, "<embed src=\"", "\">"},
    {"Img", "<img src=\"\" alt=\"\" title=\"\">", Pair, "<img src=\"", "\" alt=\"\" title=\"\">"},
    {"Img", "<img src=\"\" alt=\"\" usemap=\"#\">", Pair, "<img src=\"", "\" alt=\"\" usemap=\"#\">"},
    {"Img", "<map name=\"\"></map>", Pair, "<map name=\"", "\"></map>"},
    {"Img", "<area shape=\"\" coords=\"\" href=\"\" alt=\"\">", Pair, "<area shape=\"",
     "\" coords=\"\" href=\"\" alt=\"\">"},
    {"Object", "<object data=\"\"></object>", Pair, "<object data=\"", "\"></object>"},
    {"Object", "<param name=\"\" value=\"\">", Pair, "<param name=\"", "\" value=\"\">"},
    {"", "<audio></audio>", Pair, "<audio>", "</audio>"},
    {"", "<canvas></canvas>", Pair, "<canvas>", "</canvas>"},
    {"", "<map></map>", Pair, "<map>", "</map>"},
    {"", "<object></object>", Pair, "<object>", "</object>"},
    {"", "<video></video>", Pair, "<video>", "</video>"},
    {"", "", Separator},
    {"", "<area>", Single, "<area>"},
    {"", "<embed>", Single, "<embed>"},
    {"", "<img>", Single, "<img>"},
    {"", "<param>", Single, "<param>"},
    {"", "<source>", Single, "<source>"},
    {"", "<track>", Single, "<track>"},
};

const TSnippet skema[] = {
    {"Colgroup", "<colgroup span=\"\" style=\"\"></colgroup>", Pair, "<colgroup span=\"",
     "\" style=\"\"></colgroup>"},
    {"Colgroup", "<colgroup><col span=\"\" style=\"\"></colgroup>", Pair, "<colgroup><col span=\"",
     "\" style=\"\"></colgroup>"},
    {"Colgroup", "<col span=\"\" style=\"\">", Pair, "<col span=\"", "\" style=\"\">"},
    {"", "<caption></caption>", Pair, "<caption>", "</caption>"},
    {"", "<colgroup></colgroup>", Pair, "<colgroup>", "</colgroup>"},
    {"", "<col>", Single, "<col>"},
    {"", "<table></table>", Pair, "<table>", "</table>"},
    {"", "<tbody></tbody>", Pair, "<tbody>", "</tbody>"},
    {"", "<td></td>", Pair, "<td>", "</td>"},
    {"", "<tfoot></tfoot>", Pair, "<tfoot>", "</tfoot>"},
    {"", "<th></th>", Pair, "<th>", "</th>"},
    {"", "<thead></thead>", Pair, "<thead>", "</thead>"},
    {"", "<tr></tr>", Pair, "<tr>", "</tr>"},
};

const TSnippet lister[] = {
    {"Ordnet liste", "<ol type=\"\"></ol>", Pair, "<ol type=\"", "\"></ol>"},
    {"Ordnet liste", "<ol type=\"\" start=\"\"></ol>", Pair, "<ol type=\"", "\" start=\"\"></ol>"},
    {"", "<dd></dd>", Pair, "<dd>", "</dd>"},
    {"", "<dl></dl>", Pair, "<dl>", "</dl>"},
    {"", "<dt></dt>", Pair, "<dt>", "</dt>"},
    {"", "<li></li>", Pair, "<li>", "</li>"},
    {"", "<ol></ol>", Pair, "<ol>", "</ol>"},
    {"", "<ul></ul>", Pair, "<ul>", "</ul>"},
};

const TSnippet tegn[] = {
    {"", "Mellemrum", Single, "&nbsp;", "", "", "", "Udskriver et ekstra mellemrum"},
    {"", "Større end", Single, "&gt;"},
    {"", "Mindre end", Single, "&lt;"},
    {"", "Ampersant", Single, "&amp;"},
    {"", "", Separator},
    // Turning the angle brackets of a selection into references and back.
    {"", "Udskift", Command, "AUdskift"},
    {"", "Annuller", Command, "AAnnuller"},
};

const TSnippet attributter[] = {
    {"", "Indsæt style-attribut", Attribute, "style", "", "", "", "", "Ctrl+Alt+G", "AIndsaetStyleAttribut"},
    {"", "Indsæt class-attribut", Attribute, "class", "", "", "", "", "Ctrl+Alt+B", "AIndsaetClassAttribut"},
    {"", "Indsæt id-attribut", Attribute, "id", "", "", "", "", "Ctrl+Alt+I", "AIndsaetIdAttribut"},
    {"", "Indsæt onclick-event", Attribute, "onclick", "", "", "", "", "Ctrl+Alt+D", "AIndsaetOnclickEvent"},
    {"", "", Separator},
    {"", "Style-koder: <style></style>", Block, "<style>", "</style>"},
    {"", "Script-koder: <script><script>", Block, "<script>", "</script>"},
};

const TSnippet cssSelectorer[] = {
    {"", "Html kode selector: ELEMENT{}", CssBlock, "ELEMENT{", "}"},
    {"", "Class selector: .CLASS{}", CssBlock, ".CLASS{", "}"},
    {"", "Id selector: #ID{}", CssBlock, "#ID{", "}"},
    {"", "", Separator},
    {"", "Selector information...", Help, "CSS", "CSS Selectors"},
    {"", "Farve information...", Help, "CSS", "CSS Colors"},
    {"", "Måleenheder...", Help, "CSS", "CSS Units"},
    {"", "Boksmodellen...", Help, "CSS", "Boksmodellen"},
};

const TSnippet javaScript[] = {
    {"", "if...", OpenBlock, "if (BETINGELSE){\n\n}"},
    {"", "if...else", OpenBlock, "if (BETINGELSE){\n\n}\nelse{\n\n}"},
    {"", "if...else if...else", OpenBlock, "if (BETINGELSE){\n\n}\nelse if (BETINGELSE){\n\n}\nelse{\n\n}"},
    {"", "switch...", OpenBlock,
     "switch (VARIABEL){\ncase VÆRDI: \nKODE;\nbreak;\ncase VÆRDI: \nKODE;\nbreak;\ndefault:\nKODE;\n}"},
    {"", "for (i=...", OpenBlock, "for (i=0;i<VÆRDI;i++){\n\n}"},
    {"", "for(...in...", OpenBlock, "for (ELE in OBJEKT){\n\n}"},
    {"", "while...", OpenBlock, "while (BETINGELSE){\n\n}"},
    {"", "do...while...", OpenBlock, "do{\n\n}\nwhile (BETINGELSE)"},
    {"", "function...", OpenBlock, "function(kommaAdskilteParametre){\n\n}"},
};

const TSnippet vbsStrukturer[] = {
    {"", "If ... End If", Block, "If BETINGELSE Then", "End If"},
    {"", "Select Case ... End Select", CaseBlock, "Select Case VARIABEL\nCase VÆRDI", "End Select"},
    {"", "Do While ... Loop", Block, "Do While BETINGELSE", "Loop"},
    {"", "Do Until ... Loop", Block, "Do Until BETINGELSE", "Loop"},
    {"", "Do ... Loop While", Block, "Do", "Loop While BETINGELSE"},
    {"", "Do ... Loop Until", Block, "Do", "Loop Until BETINGELSE"},
    {"", "For Each ... in ... Next", Block, "For Each ELE In ELEMENTER", "Next"},
    {"", "For ... To ... Next", Block, "For VAR = VÆRDI To VÆRDI", "Next"},
    {"", "For ... To .... Step ... Next", Block, "For VAR = VÆRDI To VÆRDI Step VÆRDI", "Next"},
    {"", "Function ... End Function", Block, "Function FUNKTIONSNAVN", "End Function"},
    {"", "Sub ... End Sub", Block, "Sub PROCEDURENAVN", "End Sub"},
    {"", "Class ... End Class", Block, "Class OBJEKTNAVN", "End Class"},
    {"Private", "Function ... End Function", Block, "Private Function FUNKTIONSNAVN", "End Function"},
    {"Private", "Sub ... End Sub", Block, "Private Sub PROCEDURENAVN", "End Sub"},
    {"Public", "Function ... End Function", Block, "Public Function FUNKTIONSNAVN", "End Function"},
    {"Public", "Sub ... End Sub", Block, "Public Sub PROCEDURENAVN", "End Sub"},
    {"Public", "Property Let ... End Property", Block, "Public Property Let PROPERTYNAVN(VALUE)", "End Property"},
    {"Public", "Property Get ... End Property", Block, "Public Property Get PROPERTYNAVN", "End Property"},
    {"Public", "Property Set ... End Property", Block, "Public Property Set PROPERTYNAVN(VALUE)", "End Property"},
};

const TSnippet vbsObjekter[] = {
    {"", "Network", Text, "Set Network = CreateObject(\"WScript.Network\")"},
    {"", "Shell", Text, "Set Shell = CreateObject(\"WScript.Shell\")"},
    {"", "WSHController", Text, "Set Controller = WScript.CreateObject(\"WSHController\")"},
    {"", "Scripting.Dictionary", Text, "Set Dictionary = CreateObject(\"Scripting.Dictionary\")"},
    {"", "Scripting.FileSystemObject", Text, "Set fso = CreateObject(\"Scripting.FileSystemObject\")"},
    {"", "Drive", Text, "Set Drive = fso.GetDrive(driveName)"},
    {"", "File", Text, "Set File = fso.GetFile(filename)"},
    {"", "Folder", Text, "Set Folder = fso.GetFolder(foldername) "},
    {"", "TextStream", Text, "Set TextStream = fso.OpenTextFile(filename,IOmode,doCreate)"},
};

const TSnippet wscriptEcho[] = {
    {"", "WScript.Echo ", Text, "WScript.Echo "},
    {"", "MsgBox TEKST,64,OVERSKRIFT", Text, "MsgBox TEKST,64,OVERSKRIFT"},
    {"", "brugerRespons = MsgBox(Spm,4+32,\"Spørgsmål\")", Text, "brugerRespons = MsgBox(Spm,4+32,\"Spørgsmål\")"},
    {"", "Ny Linje: VbCrLf ", Text, "& VbCrLf &"},
};

const TSnippet vbsFunktioner[] = {
    {"Kommunikation", "Kommunikation", VbsEntry, "Kommunikation"},
    {"Kommunikation", "InputBox", VbsEntry, "InputBox"},
    {"Kommunikation", "MsgBox", VbsEntry, "MsgBox"},
    {"Kommunikation", "Popup", VbsEntry, "Popup"},
    {"Kommunikation", "Echo", VbsEntry, "Echo"},
    {"", "Array funktioner", VbsEntry, "Array funktioner"},
    {"", "String funktioner", VbsEntry, "String funktioner"},
    {"", "Date_Time funktioner", VbsEntry, "Date_Time funktioner"},
    {"", "Matematiske funktioner", VbsEntry, "Matematiske funktioner"},
    {"", "Konverterings funktioner", VbsEntry, "Konverterings funktioner"},
    {"", "Formaterings funktioner", VbsEntry, "Formaterings funktioner"},
    {"", "Andre funktioner", VbsEntry, "Andre funktioner"},
};

} // namespace

const QList<TSnippetMenu> &snippetMenus()
{
    static const QList<TSnippetMenu> menus = {
        {"Struktur", struktur},
        {"Tekst", tekst},
        {"Links", links},
        {"Form", form},
        {"Medie", medie},
        {"Skema", skema},
        {"Lister", lister},
        {"Tegn", tegn},
        {"Attributter", attributter},
        {"Vis css selectorer", cssSelectorer},
        {"JavaScript strukturer", javaScript},
        {"VbScript strukturer", vbsStrukturer},
        {"VbScript objekter", vbsObjekter},
        {"WScript.Echo", wscriptEcho},
        {"Funktioner", vbsFunktioner},
    };
    return menus;
}

const TSnippetMenu *snippetMenu(const QString &id)
{
    for (const TSnippetMenu &m : snippetMenus())
        if (u8(m.id) == id)
            return &m;
    return nullptr;
}

bool writesText(TSnippetKind kind)
{
    switch (kind) {
    case Pair:
    case Single:
    case Text:
    case Block:
    case CssBlock:
    case CaseBlock:
    case OpenBlock:
    case BlockPair:
    case Attribute:
        return true;
    case Help:
    case VbsEntry:
    case Command:
    case Separator:
        return false;
    }
    return false;
}

} // namespace taglund
