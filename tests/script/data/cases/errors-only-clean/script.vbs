Option Explicit
Dim fso
Set fso = CreateObject("Scripting.FileSystemObject")
x = "a"
WScript.Echo x
