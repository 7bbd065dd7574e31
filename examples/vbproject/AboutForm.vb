Imports System.Windows.Forms

' The behaviour of the form that AboutForm.fms describes; the generated part
' declares the constructor, Dispose, components, InitializeComponent and the
' controls' fields.
Partial Public Class AboutForm

    Private Sub AboutForm_Load(sender As Object, e As EventArgs) Handles MyBase.Load
        Credits.Items.AddRange(New Object() {"Form: AboutForm.fms", "Compiled by kavel"})
    End Sub

    Private Sub Volume_ValueChanged(sender As Object, e As EventArgs) Handles Volume.ValueChanged
        Text = "About (volume " & Volume.Value.ToString() & ")"
    End Sub

    Private Sub CloseButton_Click(sender As Object, e As EventArgs) Handles CloseButton.Click
        Close()
    End Sub

End Class
