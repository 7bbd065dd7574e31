' The behaviour of the form that KavelForm1.fms describes. On every build
' kavel compiles KavelForm1.fms into the other part of this class: the
' constructor New, Dispose, components, InitializeComponent and a field for
' each control (Friend WithEvents, named as in the .fms). This part declares
' none of those; it adds event handlers, with Handles, and anything else.
Partial Public Class KavelForm1

    Private Sub OkButton_Click(sender As Object, e As EventArgs) Handles OkButton.Click
        Me.DialogResult = System.Windows.Forms.DialogResult.OK
        Close()
    End Sub

End Class
