WScript.Echo x
MsgBox "Hej", 64
