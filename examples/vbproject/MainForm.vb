Imports System.Windows.Forms

' The behaviour of the form that MainForm.fms describes. kavel compiles
' MainForm.fms into the other part of this class (the constructor, Dispose,
' components, InitializeComponent and a Friend WithEvents field per
' control), so this part declares none of them.
Partial Public Class MainForm

    ' Start-up code: runs once, before the form is first shown.
    Private Sub MainForm_Load(sender As Object, e As EventArgs) Handles MyBase.Load
        Colours.Items.AddRange(New Object() {"Red", "Green", "Blue"})
        Colours.SelectedIndex = 0
        SmallSize.Checked = True
    End Sub

    Private Sub OkButton_Click(sender As Object, e As EventArgs) Handles OkButton.Click
        Close()
    End Sub

    Private Sub AboutButton_Click(sender As Object, e As EventArgs) Handles AboutButton.Click
        Using about As New AboutForm()
            about.ShowDialog(Me)
        End Using
    End Sub

End Class
