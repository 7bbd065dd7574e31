Imports System.Windows.Forms

' The forms are compiled from MainForm.fms and AboutForm.fms on every build;
' kavel writes their classes under obj/.
Module Program
    <STAThread>
    Sub Main()
        Application.EnableVisualStyles()
        Dim main As New MainForm()
        AddHandler main.AboutButton.Click, Sub() Call New AboutForm().ShowDialog(main)
        AddHandler main.OkButton.Click, Sub() main.Close()
        Application.Run(main)
    End Sub
End Module
