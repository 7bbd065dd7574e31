' A form with the three list boxes declared and laid out as kavel's
' generated code does, and the classic wiring of a file picker: three
' one-line handlers, drive to folder to file. (Its controls are Public, not
' Friend as generated, so that the C# check can reach them.)
Public Class ClassicWiring
    Inherits System.Windows.Forms.Form

    Public Sub New()
        MyBase.New()
        InitializeComponent()
    End Sub

    Public WithEvents Drive1 As Kavel.Controls.DriveListBox
    Public WithEvents Dir1 As Kavel.Controls.DirListBox
    Public WithEvents File1 As Kavel.Controls.FileListBox
    Public WithEvents Label1 As System.Windows.Forms.Label

    <System.Diagnostics.DebuggerStepThrough()> Private Sub InitializeComponent()
        Me.Drive1 = New Kavel.Controls.DriveListBox()
        Me.Dir1 = New Kavel.Controls.DirListBox()
        Me.File1 = New Kavel.Controls.FileListBox()
        Me.Label1 = New System.Windows.Forms.Label()
        Me.SuspendLayout()
        '
        ' Drive1
        '
        Me.Drive1.Location = New System.Drawing.Point(8, 8)
        Me.Drive1.Name = "Drive1"
        Me.Drive1.Size = New System.Drawing.Size(200, 21)
        Me.Drive1.TabIndex = 0
        '
        ' Dir1
        '
        Me.Dir1.Location = New System.Drawing.Point(8, 36)
        Me.Dir1.Name = "Dir1"
        Me.Dir1.Size = New System.Drawing.Size(200, 160)
        Me.Dir1.TabIndex = 1
        '
        ' File1
        '
        Me.File1.Location = New System.Drawing.Point(216, 8)
        Me.File1.Name = "File1"
        Me.File1.Size = New System.Drawing.Size(200, 188)
        Me.File1.TabIndex = 2
        Me.File1.Pattern = "*.*"
        Me.File1.Archive = True
        Me.File1.Hidden = False
        Me.File1.Normal = True
        Me.File1.ReadOnly = True
        Me.File1.System = False
        '
        ' Label1
        '
        Me.Label1.Location = New System.Drawing.Point(8, 204)
        Me.Label1.Name = "Label1"
        Me.Label1.Size = New System.Drawing.Size(408, 21)
        Me.Label1.TabIndex = 3
        Me.Label1.Text = ""
        '
        ' ClassicWiring
        '
        Me.ClientSize = New System.Drawing.Size(424, 232)
        Me.Controls.Add(Me.Drive1)
        Me.Controls.Add(Me.Dir1)
        Me.Controls.Add(Me.File1)
        Me.Controls.Add(Me.Label1)
        Me.Name = "ClassicWiring"
        Me.Text = "Classic wiring"
        Me.ResumeLayout(False)
    End Sub

    Private Sub Drive1_Change(sender As Object, e As System.EventArgs) Handles Drive1.Change
        Dir1.Path = Drive1.Drive
    End Sub

    Private Sub Dir1_Change(sender As Object, e As System.EventArgs) Handles Dir1.Change
        File1.Path = Dir1.Path
    End Sub

    Private Sub File1_SelectedIndexChanged(sender As Object, e As System.EventArgs) Handles File1.SelectedIndexChanged
        Label1.Text = File1.FileName
    End Sub
End Class
