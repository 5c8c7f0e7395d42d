For i = 1 To 10 Step 2
For i = 1
For j = 0 To n
