Do
Loop Until x > 5
Do While (n < 3)
Loop x
