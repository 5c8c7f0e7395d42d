WScript.StdOut.WriteLine "x"
Set fso = CreateObject("Scripting.FileSystemObject")
p = fso.GetFolder("c:\").ParentFolder.Path
WScript.Arguments.Named.Exists "a"
