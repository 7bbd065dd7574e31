Public Class goodform
    Inherits System.Windows.Forms.Form

    Public Sub New()
        MyBase.New()
        InitializeComponent()
    End Sub

    Private components As System.ComponentModel.IContainer
    Friend WithEvents one As System.Windows.Forms.Button
    Friend WithEvents two As System.Windows.Forms.Button
    Friend WithEvents items As System.Windows.Forms.ListBox
    Friend WithEvents checks As System.Windows.Forms.CheckedListBox
    Friend WithEvents choice As System.Windows.Forms.GroupBox
    Friend WithEvents [next] As System.Windows.Forms.RadioButton
    Friend WithEvents [loop] As System.Windows.Forms.RadioButton
    Friend WithEvents clock As System.Windows.Forms.Timer
    Friend WithEvents drives As Microsoft.VisualBasic.Compatibility.VB6.DriveListBox
    Friend WithEvents folders As Microsoft.VisualBasic.Compatibility.VB6.DirListBox
    Friend WithEvents files As Microsoft.VisualBasic.Compatibility.VB6.FileListBox
    Friend WithEvents level As System.Windows.Forms.VScrollbar
    Friend WithEvents notes As System.Windows.Forms.TextBox
    Friend WithEvents lbl9 As System.Windows.Forms.Label
    <System.Diagnostics.DebuggerStepThrough()> Private Sub InitializeComponent()
        Me.components = New System.ComponentModel.Container()
        Me.one = New System.Windows.Forms.Button()
        Me.two = New System.Windows.Forms.Button()
        Me.items = New System.Windows.Forms.ListBox()
        Me.checks = New System.Windows.Forms.CheckedListBox()
        Me.choice = New System.Windows.Forms.GroupBox()
        Me.[next] = New System.Windows.Forms.RadioButton()
        Me.[loop] = New System.Windows.Forms.RadioButton()
        Me.clock = New System.Windows.Forms.Timer(Me.components)
        Me.drives = New Microsoft.VisualBasic.Compatibility.VB6.DriveListBox()
        Me.folders = New Microsoft.VisualBasic.Compatibility.VB6.DirListBox()
        Me.files = New Microsoft.VisualBasic.Compatibility.VB6.FileListBox()
        Me.level = New System.Windows.Forms.VScrollbar()
        Me.notes = New System.Windows.Forms.TextBox()
        Me.lbl9 = New System.Windows.Forms.Label()
        Me.choice.SuspendLayout()
        Me.SuspendLayout()
        Me.one.Location = New System.Drawing.Point(40, 40)
        Me.one.Size = New System.Drawing.Size(81, 33)
        Me.one.TabIndex = 0
        Me.one.Text = "One"
        Me.two.Location = New System.Drawing.Point(100, 60)
        Me.two.Size = New System.Drawing.Size(81, 33)
        Me.two.TabIndex = 1
        Me.two.Text = "Two"
        Me.items.Location = New System.Drawing.Point(40, 120)
        Me.items.Size = New System.Drawing.Size(120, 50)
        Me.items.TabIndex = 2
        Me.checks.Location = New System.Drawing.Point(180, 120)
        Me.checks.Size = New System.Drawing.Size(120, 49)
        Me.checks.TabIndex = 3
        Me.choice.Controls.AddRange(New System.Windows.Forms.Control() {Me.[next], Me.[loop]})
        Me.choice.Location = New System.Drawing.Point(320, 40)
        Me.choice.Size = New System.Drawing.Size(129, 97)
        Me.choice.TabIndex = 6
        Me.choice.Text = "Pick"
        Me.[next].Location = New System.Drawing.Point(1, 12)
        Me.[next].Size = New System.Drawing.Size(81, 33)
        Me.[next].TabIndex = 4
        Me.[next].Text = "Next"
        Me.[next].Visible = False
        Me.[loop].Location = New System.Drawing.Point(24, 32)
        Me.[loop].Size = New System.Drawing.Size(81, 33)
        Me.[loop].TabIndex = 5
        Me.[loop].Text = "Loop"
Me.clock.Interval = 100
        Me.drives.Location = New System.Drawing.Point(40,200)
        Me.drives.Size = New System.Drawing.Size(121,21)
        Me.drives.TabIndex = 7
        Me.folders.Location = New System.Drawing.Point(180,190)
        Me.folders.Size = New System.Drawing.Size(121,51)
        Me.folders.TabIndex = 8
        Me.files.Location = New System.Drawing.Point(320,190)
        Me.files.Size = New System.Drawing.Size(121,45)
        Me.files.TabIndex = 9
        Me.level.Location = New System.Drawing.Point(470,40)
        Me.level.Minimum = 5
        Me.level.Maximum = 7
        Me.level.Size = New System.Drawing.Size(17,161)
        Me.level.TabIndex = 10
        Me.level.Value = 6
        Me.notes.Location = New System.Drawing.Point(40, 260)
        Me.notes.MultiLine = 1
        Me.notes.Size = New System.Drawing.Size(200, 60)
        Me.notes.TabIndex = 11
        Me.lbl9.Location = New System.Drawing.Point(260, 260)
        Me.lbl9.Size = New System.Drawing.Size(81, 33)
        Me.lbl9.TabIndex = 12
        Me.lbl9.Text = "Notes"
        Me.AutoScaleBaseSize = New System.Drawing.Size(5, 13)
        Me.ClientSize = New System.Drawing.Size(520, 340)
        Me.Controls.AddRange(New System.Windows.Forms.Control() {Me.one, Me.two, Me.items, Me.checks, Me.choice, Me.drives, Me.folders, Me.files, Me.level, Me.notes, Me.lbl9})
        Me.Name = "goodform"
        Me.Text = "Everything as its lines say"
        Me.choice.ResumeLayout(False)
        Me.ResumeLayout(False)
    End Sub
End Class
