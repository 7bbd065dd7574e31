Public Class lying
    Inherits System.Windows.Forms.Form

    Public Sub New()
        MyBase.New()
        InitializeComponent()
    End Sub

    Private components As System.ComponentModel.IContainer
    Friend WithEvents okbutton As System.Windows.Forms.Button
    Friend WithEvents namebox As System.Windows.Forms.TextBox
    Friend WithEvents lbl2 As System.Windows.Forms.Label
    Friend WithEvents agree As System.Windows.Forms.CheckBox
    Friend WithEvents clock As System.Windows.Forms.Timer
    <System.Diagnostics.DebuggerStepThrough()> Private Sub InitializeComponent()
        Me.components = New System.ComponentModel.Container()
        Me.okbutton = New System.Windows.Forms.Button()
        Me.namebox = New System.Windows.Forms.TextBox()
        Me.lbl2 = New System.Windows.Forms.Label()
        Me.agree = New System.Windows.Forms.CheckBox()
        Me.clock = New System.Windows.Forms.Timer(Me.components)
        Me.SuspendLayout()
        ' The lines and the runtime agree; its description (lying.json) does
        ' not: it moves okbutton, renumbers namebox, gives lbl2 another type,
        ' leaves agree out, adds a control the form lacks, and says another
        ' interval and another client size.
        Me.okbutton.Location = New System.Drawing.Point(40, 56)
        Me.okbutton.Name = "okbutton"
        Me.okbutton.Size = New System.Drawing.Size(81, 33)
        Me.okbutton.TabIndex = 0
        Me.okbutton.Text = "OK"
        Me.namebox.Location = New System.Drawing.Point(268, 62)
        Me.namebox.MultiLine = 1
        Me.namebox.Name = "namebox"
        Me.namebox.Size = New System.Drawing.Size(121, 21)
        Me.namebox.TabIndex = 1
        Me.namebox.Text = ""
        Me.lbl2.Location = New System.Drawing.Point(161, 56)
        Me.lbl2.Name = "lbl2"
        Me.lbl2.Size = New System.Drawing.Size(81, 33)
        Me.lbl2.TabIndex = 2
        Me.lbl2.Text = "Name:"
        Me.agree.Location = New System.Drawing.Point(469, 62)
        Me.agree.Name = "agree"
        Me.agree.Size = New System.Drawing.Size(81, 21)
        Me.agree.TabIndex = 3
        Me.agree.Text = "I agree"
Me.clock.Interval = 250
        Me.ClientSize = New System.Drawing.Size(590, 213)
        Me.Controls.AddRange(New System.Windows.Forms.Control() {Me.okbutton, Me.namebox, Me.lbl2, Me.agree})
        Me.Name = "lying"
        Me.Text = "A description that lies"
        Me.ResumeLayout(False)
    End Sub
End Class
