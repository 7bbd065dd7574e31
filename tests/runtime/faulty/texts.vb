Public Class faulttexts
    Inherits System.Windows.Forms.Form

    Public Sub New()
        MyBase.New()
        InitializeComponent()
    End Sub

    Friend WithEvents doubled As System.Windows.Forms.Button
    Friend WithEvents right As System.Windows.Forms.Button
    Friend WithEvents box As System.Windows.Forms.TextBox
    Friend WithEvents lbl3 As System.Windows.Forms.Label
    <System.Diagnostics.DebuggerStepThrough()> Private Sub InitializeComponent()
        Me.doubled = New System.Windows.Forms.Button()
        Me.right = New System.Windows.Forms.Button()
        Me.box = New System.Windows.Forms.TextBox()
        Me.lbl3 = New System.Windows.Forms.Label()
        Me.SuspendLayout()
        ' Typographic quotes doubled, as in a plain double quote: Visual Basic
        ' reads each pair as one plain double quote.
        Me.doubled.Location = New System.Drawing.Point(132, 40)
        Me.doubled.Size = New System.Drawing.Size(81, 33)
        Me.doubled.TabIndex = 0
        Me.doubled.Text = "say ““hi””"
        Me.right.Location = New System.Drawing.Point(132, 99)
        Me.right.Size = New System.Drawing.Size(81, 33)
        Me.right.TabIndex = 1
        Me.right.Text = "say " & Microsoft.VisualBasic.ChrW(&H201C) & "hi" & Microsoft.VisualBasic.ChrW(&H201D)
        Me.box.Location = New System.Drawing.Point(187, 158)
        Me.box.MultiLine = 1
        Me.box.Size = New System.Drawing.Size(81, 21)
        Me.box.TabIndex = 2
        Me.box.Text = "typed"
        ' The label is the text box's, declared right after it.
        Me.lbl3.Location = New System.Drawing.Point(80, 158)
        Me.lbl3.Size = New System.Drawing.Size(81, 33)
        Me.lbl3.TabIndex = 3
        Me.lbl3.Text = "Nom" & Microsoft.VisualBasic.ChrW(&H201D)
        Me.ClientSize = New System.Drawing.Size(312, 213)
        Me.Controls.AddRange(New System.Windows.Forms.Control() {Me.doubled, Me.right, Me.box, Me.lbl3})
        Me.Name = "faulttexts"
        Me.Text = "Quotes " & Microsoft.VisualBasic.ChrW(&H201C) & "here" & Microsoft.VisualBasic.ChrW(&H201D)
        Me.ResumeLayout(False)

    End Sub

End Class
