Public Class faultinterval
    Inherits System.Windows.Forms.Form

    Public Sub New()
        MyBase.New()
        InitializeComponent()
    End Sub

    Private components As System.ComponentModel.IContainer
    Friend WithEvents clock As System.Windows.Forms.Timer
    <System.Diagnostics.DebuggerStepThrough()> Private Sub InitializeComponent()
        Me.components = New System.ComponentModel.Container()
        Me.clock = New System.Windows.Forms.Timer(Me.components)
        Me.SuspendLayout()
Me.clock.Interval = 0
        Me.ClientSize = New System.Drawing.Size(312, 213)
        Me.Name = "faultinterval"
        Me.ResumeLayout(False)
    End Sub
End Class
