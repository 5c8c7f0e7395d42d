x = 1
y = "b"
