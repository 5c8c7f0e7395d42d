Set fso = CreateObject("Scripting.FileSystemObject")
x = 1
Set mappe = fso.GetFolder("c:\data")
y = 2
