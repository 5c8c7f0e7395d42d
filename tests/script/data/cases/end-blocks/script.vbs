End Function
End
End If
