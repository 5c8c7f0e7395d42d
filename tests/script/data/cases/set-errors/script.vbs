Set a b = CreateObject("Scripting.Dictionary")
Set w = GetObject("winmgmts:\\.\root\cimv2")
Set q = CreateObject("Scripting.Nothing")
Set
