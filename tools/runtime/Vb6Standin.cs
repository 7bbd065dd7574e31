// Stand-ins for the three Visual Basic 6 list boxes that generated forms
// declare: DriveListBox, DirListBox and FileListBox of the namespace
// Microsoft.VisualBasic.Compatibility.VB6. Mono has no
// Microsoft.VisualBasic.Compatibility assembly, so without these a form that
// uses one cannot load under Mono. They exist only so that tools/formsopen
// can open such forms; they are not part of the compiler's output, copy no
// behaviour of the real controls (no drives, folders or files are listed)
// and keep only their shape: the drive list drops down like a combo box, the
// folder and file lists are plain list boxes.
namespace Microsoft.VisualBasic.Compatibility.VB6
{
    public class DriveListBox : System.Windows.Forms.ComboBox
    {
    }

    public class DirListBox : System.Windows.Forms.ListBox
    {
    }

    public class FileListBox : System.Windows.Forms.ListBox
    {
    }
}
