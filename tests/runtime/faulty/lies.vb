Public Class liesform
    Inherits System.Windows.Forms.Form

    Public Sub New()
        MyBase.New()
        InitializeComponent()
    End Sub

    Private components As System.ComponentModel.IContainer
    Friend WithEvents go As System.Windows.Forms.Button
    Friend WithEvents stay As System.Windows.Forms.Button
    Friend WithEvents pick As System.Windows.Forms.GroupBox
    Friend WithEvents first As System.Windows.Forms.RadioButton
    Friend WithEvents second As System.Windows.Forms.RadioButton
    Friend WithEvents tick As System.Windows.Forms.Timer

    <System.Diagnostics.DebuggerStepThrough()> Private Sub InitializeComponent()
        Me.components = New System.ComponentModel.Container()
        Me.go = New System.Windows.Forms.Button()
        Me.stay = New System.Windows.Forms.Button()
        Me.pick = New System.Windows.Forms.GroupBox()
        Me.first = New System.Windows.Forms.RadioButton()
        Me.second = New System.Windows.Forms.RadioButton()
        Me.tick = New System.Windows.Forms.Timer(Me.components)
        Me.pick.SuspendLayout()
        Me.SuspendLayout()
        ' The lines and the runtime agree. The description (lies.json) moves
        ' go a pixel to the right; the picture (lies.svg) draws go where the
        ' lines have it, stay a pixel lower, the frame twice, second, which
        ' is hidden, and a control that is in neither, leaves out first and
        ' the timer, and gives its client area another height.
        Me.go.Location = New System.Drawing.Point(40, 40)
        Me.go.Size = New System.Drawing.Size(81, 33)
        Me.go.TabIndex = 0
        Me.go.Text = "Go"
        Me.stay.Location = New System.Drawing.Point(140, 40)
        Me.stay.Size = New System.Drawing.Size(81, 33)
        Me.stay.TabIndex = 1
        Me.stay.Text = "Stay"
        Me.pick.Controls.AddRange(New System.Windows.Forms.Control() {Me.first, Me.second})
        Me.pick.Location = New System.Drawing.Point(240, 40)
        Me.pick.Size = New System.Drawing.Size(129, 97)
        Me.pick.TabIndex = 4
        Me.pick.Text = "Pick"
        Me.first.Location = New System.Drawing.Point(24, 32)
        Me.first.Size = New System.Drawing.Size(81, 33)
        Me.first.TabIndex = 2
        Me.first.Text = "First"
        Me.second.Location = New System.Drawing.Point(1, 12)
        Me.second.Size = New System.Drawing.Size(81, 33)
        Me.second.TabIndex = 3
        Me.second.Text = "Second"
        Me.second.Visible = False
        Me.tick.Interval = 250
        Me.AutoScaleBaseSize = New System.Drawing.Size(5, 13)
        Me.ClientSize = New System.Drawing.Size(400, 213)
        Me.Controls.AddRange(New System.Windows.Forms.Control() {Me.go, Me.stay, Me.pick})
        Me.Name = "liesform"
        Me.Text = "A description that lies"
        Me.pick.ResumeLayout(False)
        Me.ResumeLayout(False)
    End Sub
End Class
