x = test.ukendt(1)
n = len("a")
m = mangler(2)
Set q = CreateObject("a.b")
