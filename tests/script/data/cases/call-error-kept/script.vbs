x = Len("a", "b")
y = Now(1)
n = Len("abc")
