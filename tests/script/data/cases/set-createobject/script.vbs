Set fso = CreateObject("Scripting.FileSystemObject")
Set sh = WScript.CreateObject("WScript.Shell")
Set d = CreateObject("Scripting.Dictionary")
Set c = WScript.CreateObject("WSHController")
