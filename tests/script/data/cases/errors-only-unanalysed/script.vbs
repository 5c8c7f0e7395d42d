Option Explicit
Dim fso
Set fso = CreateObject("Scripting.FileSystemObject")
Const A = 1
x = Len("a", "b")
