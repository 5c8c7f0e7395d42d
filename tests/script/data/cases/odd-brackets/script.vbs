x = Len(s
WScript.Echo (a
