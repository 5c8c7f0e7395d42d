x = "abc"
If x = "a" Then
If y = "a" Then
