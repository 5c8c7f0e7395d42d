On Error Resume Next
On Error GoTo 0
