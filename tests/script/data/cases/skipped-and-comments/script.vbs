' kommentar
<job>
x
Dim a, b
Call Vis(1)
ReDim Preserve liste(5)
Wend
Else
Case 1
Next
