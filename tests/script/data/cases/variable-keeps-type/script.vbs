x = "abc"
x = 5
If x = "b" Then
