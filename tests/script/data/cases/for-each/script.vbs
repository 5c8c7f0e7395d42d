Set fso = CreateObject("Scripting.FileSystemObject")
Set mappe = fso.GetFolder("c:\data")
For Each f In mappe.Files
n = f.Name
For Each u In mappe.SubFolders
For Each d In fso.Drives
Set dic = CreateObject("Scripting.Dictionary")
For Each k In dic.Keys
