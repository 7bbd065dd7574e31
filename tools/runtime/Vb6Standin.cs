// The names of the three Visual Basic 6 list boxes that forms for .NET
// Framework declare (DriveListBox, DirListBox and FileListBox of the
// namespace Microsoft.VisualBasic.Compatibility.VB6), bound to kavel's own
// list boxes of Kavel.Controls. Mono has no Microsoft.VisualBasic.Compatibility
// assembly, so without these a form that uses one cannot load under Mono;
// through them such a form opens with the real drives, folders and files
// that Kavel.Controls lists, as a form for modern .NET does. They exist only
// for tools/formsopen and are not part of the compiler's output.
namespace Microsoft.VisualBasic.Compatibility.VB6
{
    public class DriveListBox : Kavel.Controls.DriveListBox
    {
    }

    public class DirListBox : Kavel.Controls.DirListBox
    {
    }

    public class FileListBox : Kavel.Controls.FileListBox
    {
    }
}
