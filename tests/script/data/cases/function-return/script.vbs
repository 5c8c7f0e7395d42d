Function Hilsen(navn)
    Hilsen = "Hej"
End Function
Function Dobbelt(x)
  Dobbelt = x * 2
End Function
Sub Vis(t)
End Sub
h = Hilsen("Anna")
Function Sidst()
