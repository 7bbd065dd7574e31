Public Class faultsizes
    Inherits System.Windows.Forms.Form

    Public Sub New()
        MyBase.New()
        InitializeComponent()
    End Sub

    Friend WithEvents oneline As System.Windows.Forms.TextBox
    Friend WithEvents multi As System.Windows.Forms.TextBox
    Friend WithEvents flat As System.Windows.Forms.ListBox
    Friend WithEvents away As System.Windows.Forms.Button
    Friend WithEvents loose As System.Windows.Forms.Button
    <System.Diagnostics.DebuggerStepThrough()> Private Sub InitializeComponent()
        Me.oneline = New System.Windows.Forms.TextBox()
        Me.multi = New System.Windows.Forms.TextBox()
        Me.flat = New System.Windows.Forms.ListBox()
        Me.away = New System.Windows.Forms.Button()
        Me.loose = New System.Windows.Forms.Button()
        Me.SuspendLayout()
        Me.oneline.Location = New System.Drawing.Point(40, 40)
        Me.oneline.MultiLine = 0
        Me.oneline.Size = New System.Drawing.Size(100, 5)
        Me.multi.Location = New System.Drawing.Point(40, 80)
        Me.multi.MultiLine = 1
        Me.multi.Size = New System.Drawing.Size(100, 13)
        Me.flat.Location = New System.Drawing.Point(40, 120)
        Me.flat.Size = New System.Drawing.Size(120, 0)
        Me.away.Location = New System.Drawing.Point(200, 40)
        Me.away.Size = New System.Drawing.Size(81, 33)
        Me.away.Visible = False
        Me.ClientSize = New System.Drawing.Size(312, 213)
        Me.Controls.AddRange(New System.Windows.Forms.Control() {Me.oneline, Me.multi, Me.flat, Me.away, Me.loose})
        Me.Name = "faultsizes"
        Me.ResumeLayout(False)
    End Sub
End Class
