' Oprydning og sikkerhedskopi af en datamappe
' Kores hver nat af opgavestyringen med cscript
Option Explicit
Dim fso, shell, net, log, filTyper, kilde, maal, dage, antal, slettet
Dim mappe, fil, undermappe, tekst, svar, bruger, computer

On Error Resume Next
Set fso = CreateObject("Scripting.FileSystemObject")
Set shell = CreateObject("WScript.Shell")
Set net = CreateObject("WScript.Network")
Set filTyper = CreateObject("Scripting.Dictionary")
On Error GoTo 0

kilde = "C:\Data\Projekter"
maal = "D:\Backup\Projekter"
dage = 30
antal = 0
slettet = 0
bruger = net.UserName
computer = net.ComputerName

If WScript.Arguments.Count > 0 Then
    kilde = WScript.Arguments(0)
End If

If Not fso.FolderExists(kilde) Then
    WScript.Echo "Mappen findes ikke: " & kilde
    WScript.Quit 1
End If

If fso.FolderExists(maal) = False Then
    fso.CreateFolder maal
End If

Set log = fso.OpenTextFile(maal & "\backup.log", 8, True)
log.WriteLine "Start " & Now & " af " & bruger & " paa " & computer

Set mappe = fso.GetFolder(kilde)
For Each fil In mappe.Files
    tekst = LCase(fso.GetExtensionName(fil.Name))
    If filTyper.Exists(tekst) Then
        filTyper.Item(tekst) = filTyper.Item(tekst) + 1
    Else
        filTyper.Add tekst, 1
    End If
    If DateDiff("d", fil.DateLastModified, Now) > dage Then
        KopierFil fil, maal
    End If
Next

For Each undermappe In mappe.SubFolders
    GennemgaaMappe undermappe
Next

SkrivOversigt
log.WriteLine "Kopieret: " & antal & " filer"
log.WriteLine "Slettet: " & slettet & " filer"
log.WriteLine "Slut " & Now
log.Close

svar = MsgBox("Backup er faerdig. Vil du se loggen?", vbYesNo + vbQuestion, "Backup")
If svar = vbYes Then
    shell.Run "notepad.exe " & Chr(34) & maal & "\backup.log" & Chr(34), 1, False
End If

Set log = Nothing
Set fso = Nothing
WScript.Quit 0

' Kopierer en fil til maalmappen og sletter den gamle
Sub KopierFil(f, til)
    Dim ny
    ny = fso.BuildPath(til, f.Name)
    If fso.FileExists(ny) Then
        fso.DeleteFile ny, True
        slettet = slettet + 1
    End If
    f.Copy ny, True
    antal = antal + 1
    log.WriteLine "Kopieret " & f.Path
End Sub

' Gaar en undermappe igennem og kopierer de gamle filer
Sub GennemgaaMappe(m)
    Dim f2
    For Each f2 In m.Files
        If ErGammel(f2) Then
            KopierFil f2, maal
        End If
    Next
End Sub

' Sand naar filen ikke er aendret i det antal dage der er valgt
Function ErGammel(f)
    ErGammel = DateDiff("d", f.DateLastModified, Now) > dage
End Function

' Navnet paa en fil uden mappe og filtype
Function KortNavn(sti)
    KortNavn = fso.GetBaseName(sti)
End Function

' Skriver hvor mange filer der var af hver type
Sub SkrivOversigt()
    Dim noegle, linje
    For Each noegle In filTyper.Keys
        linje = noegle & ": " & filTyper.Item(noegle)
        log.WriteLine linje
    Next
End Sub

' Fri plads paa drevet i gigabyte
Function FriPlads(bogstav)
    Dim drev
    Set drev = fso.GetDrive(bogstav)
    FriPlads = Round(drev.FreeSpace / 1024 / 1024 / 1024, 1)
End Function

' Rydder midlertidige filer op
Sub RydTemp()
    Dim temp, t
    Set temp = fso.GetSpecialFolder(2)
    For Each t In temp.Files
        If LCase(fso.GetExtensionName(t.Name)) = "tmp" Then
            t.Delete True
        End If
    Next
End Sub

' Miljoevariabler til loggen
Sub SkrivMiljoe()
    Dim miljoe, vaerdi
    Set miljoe = shell.Environment("Process")
    vaerdi = miljoe.Item("TEMP")
    log.WriteLine "TEMP = " & vaerdi
    log.WriteLine "Windows: " & shell.ExpandEnvironmentStrings("%WINDIR%")
End Sub

' Laver en genvej paa skrivebordet til backupmappen
Sub LavGenvej()
    Dim genvej, skrivebord
    skrivebord = shell.SpecialFolders("Desktop")
    Set genvej = shell.CreateShortcut(skrivebord & "\Backup.lnk")
    genvej.TargetPath = maal
    genvej.Description = "Backup af projekter"
    genvej.Save
End Sub

' Antal filer i en mappe
Function TaelFiler(sti)
    TaelFiler = fso.GetFolder(sti).Files.Count
End Function

' Laeser en liste af mapper fra en tekstfil
Sub LaesListe(navn)
    Dim ts, l
    Set ts = fso.OpenTextFile(navn, 1)
    Do Until ts.AtEndOfStream
        l = Trim(ts.ReadLine)
        If Len(l) > 0 Then
            WScript.Echo l
        End If
    Loop
    ts.Close
End Sub
