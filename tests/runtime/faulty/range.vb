Public Class faultrange
    Inherits System.Windows.Forms.Form

    Public Sub New()
        MyBase.New()
        InitializeComponent()
    End Sub

    Friend WithEvents level As System.Windows.Forms.HScrollbar
    <System.Diagnostics.DebuggerStepThrough()> Private Sub InitializeComponent()
        Me.level = New System.Windows.Forms.HScrollbar()
        Me.SuspendLayout()
        Me.level.LargeChange = 5
        Me.level.Location = New System.Drawing.Point(40,40)
        Me.level.Minimum = 0
        Me.level.Maximum = 10
        Me.level.Size = New System.Drawing.Size(161,17)
        Me.level.Value = 50
        Me.ClientSize = New System.Drawing.Size(312, 213)
        Me.Controls.AddRange(New System.Windows.Forms.Control() {Me.level})
        Me.Name = "faultrange"
        Me.ResumeLayout(False)
    End Sub
End Class
