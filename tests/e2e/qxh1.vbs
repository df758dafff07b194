' A real late-bound automation client: creates the server by its ProgID and sends one request.
' Usage: cscript //nologo qxh1.vbs LINES VERB DOCUMENT STATUS
Option Explicit
Dim args, lines, fields(7), request, i, server, result
Set args = WScript.Arguments
lines = CInt(args(0))
fields(0) = args(1)
fields(2) = args(2)
fields(7) = args(3)
request = ""
For i = 0 To lines - 1
  If i > 0 Then request = request & vbCrLf
  If i <= 7 Then request = request & fields(i)
Next
Set server = CreateObject("TavrelCommander.TavrelCH1Exe")
result = server.QXH1(request)
WScript.Echo "RESULT=" & result & " TYPE=" & TypeName(result)
Set server = Nothing
