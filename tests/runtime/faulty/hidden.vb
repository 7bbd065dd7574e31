Public Class faulthidden
    Inherits System.Windows.Forms.Form

    Public Sub New()
        MyBase.New()
        InitializeComponent()
    End Sub

    Friend WithEvents choice As System.Windows.Forms.GroupBox
    Friend WithEvents shown As System.Windows.Forms.RadioButton
    Friend WithEvents parked As System.Windows.Forms.RadioButton
    Friend WithEvents decoy As System.Windows.Forms.RadioButton
    Friend WithEvents [next] As System.Windows.Forms.RadioButton
    <System.Diagnostics.DebuggerStepThrough()> Private Sub InitializeComponent()
        Me.choice = New System.Windows.Forms.GroupBox()
        Me.shown = New System.Windows.Forms.RadioButton()
        Me.parked = New System.Windows.Forms.RadioButton()
        Me.decoy = New System.Windows.Forms.RadioButton()
        Me.[next] = New System.Windows.Forms.RadioButton()
        Me.choice.SuspendLayout()
        Me.SuspendLayout()
        Me.choice.Controls.AddRange(New System.Windows.Forms.Control() {Me.shown, Me.parked, Me.decoy, Me.[next]})
        Me.choice.Location = New System.Drawing.Point(40, 24)
        Me.choice.Size = New System.Drawing.Size(400, 97)
        Me.choice.TabIndex = 4
        Me.choice.Text = "Pick one"
        Me.shown.Location = New System.Drawing.Point(24, 32)
        Me.shown.Size = New System.Drawing.Size(81, 33)
        Me.shown.TabIndex = 0
        Me.shown.Text = "Shown"
        Me.parked.Location = New System.Drawing.Point(120, 32)
        Me.parked.Size = New System.Drawing.Size(81, 33)
        Me.parked.TabIndex = 1
        Me.parked.Text = "Parked"
        Me.decoy.Location = New System.Drawing.Point(216, 32)
        Me.decoy.Size = New System.Drawing.Size(81, 33)
        Me.decoy.TabIndex = 2
        Me.decoy.Text = "visible = false"
        Me.[next].Location = New System.Drawing.Point(1, 12)
        Me.[next].Size = New System.Drawing.Size(81, 33)
        Me.[next].TabIndex = 3
        Me.[next].Text = "Next"
        Me.[next].Visible = False
        Me.ClientSize = New System.Drawing.Size(480, 213)
        Me.Controls.AddRange(New System.Windows.Forms.Control() {Me.choice})
        Me.Name = "faulthidden"
        Me.Text = "Hidden options"
        Me.choice.ResumeLayout(False)
        Me.ResumeLayout(False)
    End Sub
End Class
