Imports System.Windows.Forms

' The forms' controls are compiled from MainForm.fms and AboutForm.fms on
' every build (kavel writes that part of each class under obj/); their
' behaviour is in MainForm.vb and AboutForm.vb.
Module Program
    <STAThread>
    Sub Main()
        Application.EnableVisualStyles()
        Application.Run(New MainForm())
    End Sub
End Module
