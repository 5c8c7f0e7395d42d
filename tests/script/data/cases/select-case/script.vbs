navn = "x"
Select Case navn
Select Case ukendt
