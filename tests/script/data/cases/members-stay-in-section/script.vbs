Set fso = CreateObject("Scripting.FileSystemObject")
n = fso.Count
Set ts = fso.OpenTextFile("a.txt", 1)
l = ts.ReadLine
x = ts.Name
