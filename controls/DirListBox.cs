using System;
using System.Collections.Generic;
using System.ComponentModel;
using System.Drawing;
using System.IO;
using System.Windows.Forms;

namespace Kavel.Controls
{
    /// <summary>
    /// The folder tree around <see cref="Path"/>, as the directory list box of
    /// old showed it: the root and each folder down to the current one, open,
    /// one under the other, then the current folder's subfolders, closed.
    /// Double-clicking a folder (or Enter on it) makes it the current one;
    /// every change of <see cref="Path"/> raises <see cref="Change"/>.
    /// Hidden and system folders are not listed among the subfolders.
    /// </summary>
    [DefaultEvent("Change")]
    [DefaultProperty("Path")]
    public class DirListBox : ListBox
    {
        sealed class FolderItem
        {
            internal string FullPath;
            internal string Name;
            internal int Level;
            internal bool Open;

            public override string ToString()
            {
                return Name;
            }
        }

        string path;
        int openCount;

        /// <summary>Raised when <see cref="Path"/> changes.</summary>
        [Description("Raised when the current folder changes.")]
        public event EventHandler Change;

        /// <summary>The tree around the folder the process runs in.</summary>
        public DirListBox()
        {
            DrawMode = DrawMode.OwnerDrawFixed;
            path = FileSystemView.StartFolder();
            Fill();
        }

        /// <summary>
        /// The current folder, as a full path with no separator at its end
        /// (unless it is a root). Set it to a folder (a relative path is taken
        /// from the process's current folder; a drive as the drive box gives
        /// it, "c:" or "c: [LABEL]", is its root). Setting it always reads the
        /// folder anew, and raises <see cref="Change"/> when the folder is
        /// another one. Throws DirectoryNotFoundException, and changes nothing,
        /// when there is no such folder; ArgumentException for a value that is
        /// no path at all. A folder that exists but cannot be read is taken,
        /// and shown with no subfolders.
        /// </summary>
        [Browsable(false)]
        [DesignerSerializationVisibility(DesignerSerializationVisibility.Hidden)]
        public string Path
        {
            get { return path; }
            set
            {
                string full = FileSystemView.FullFolderPath(value);
                if (!FileSystemView.FolderExists(full))
                    throw new DirectoryNotFoundException("No folder '" + value + "'.");
                Go(full);
            }
        }

        /// <summary>
        /// The position of the chosen folder as the old control counted it:
        /// -1 the current folder, -2 its parent and so on up to the root,
        /// 0 to <see cref="DirListCount"/> - 1 its subfolders.
        /// </summary>
        [Browsable(false)]
        [DesignerSerializationVisibility(DesignerSerializationVisibility.Hidden)]
        public int DirListIndex
        {
            get { return SelectedIndex < 0 ? -1 : SelectedIndex - openCount; }
            set
            {
                if (value < -openCount || value >= DirListCount)
                    throw new ArgumentOutOfRangeException("value", value, "No folder at this position.");
                SelectedIndex = value + openCount;
            }
        }

        /// <summary>The number of subfolders listed under the current folder.</summary>
        [Browsable(false)]
        public int DirListCount
        {
            get { return base.Items.Count - openCount; }
        }

        /// <summary>
        /// The full path of the folder at a position counted as
        /// <see cref="DirListIndex"/> counts; empty for a position with no folder.
        /// </summary>
        public string DirList(int index)
        {
            int at = index + openCount;
            return at >= 0 && at < base.Items.Count ? ((FolderItem)base.Items[at]).FullPath : "";
        }

        /// <summary>The items are the folders, read when needed: never kept in a form's code.</summary>
        [Browsable(false)]
        [DesignerSerializationVisibility(DesignerSerializationVisibility.Hidden)]
        public new ObjectCollection Items
        {
            get { return base.Items; }
        }

        /// <summary>Reads the current folder anew, then redraws.
        /// (It hides Control.Refresh rather than overriding it: Windows Forms
        /// calls that one itself, as when it clears the items, and must not
        /// read the file system each time.)</summary>
        public new void Refresh()
        {
            Fill();
            base.Refresh();
        }

        /// <summary>Raises <see cref="Change"/>.</summary>
        protected virtual void OnChange(EventArgs e)
        {
            EventHandler handler = Change;
            if (handler != null)
                handler(this, e);
        }

        /// <summary>A double-click opens the chosen folder.</summary>
        protected override void OnDoubleClick(EventArgs e)
        {
            base.OnDoubleClick(e);
            OpenChosen();
        }

        /// <summary>Enter opens the chosen folder.</summary>
        protected override void OnKeyDown(KeyEventArgs e)
        {
            base.OnKeyDown(e);
            if (!e.Handled && e.KeyCode == Keys.Enter && !e.Alt && !e.Control)
            {
                OpenChosen();
                e.Handled = true;
            }
        }

        /// <summary>
        /// Each folder indented by its depth, behind a small folder, open for
        /// the current folder and those above it. Our drawing never fails out
        /// of the control: what cannot be drawn is left blank. DrawItem
        /// handlers are called after it.
        /// </summary>
        protected override void OnDrawItem(DrawItemEventArgs e)
        {
            try
            {
                e.DrawBackground();
                if (e.Index >= 0 && e.Index < base.Items.Count)
                {
                    var folder = (FolderItem)base.Items[e.Index];
                    Rectangle bounds = e.Bounds;
                    int size = Math.Max(8, Math.Min(bounds.Height - 4, 14));
                    int x = bounds.X + 2 + Math.Min(folder.Level, 24) * (size * 2 / 3 + 2);
                    int y = bounds.Y + (bounds.Height - size) / 2;
                    DrawFolder(e.Graphics, x, y, size, folder.Open, e.ForeColor);
                    var text = new Rectangle(x + size + 4, bounds.Y, Math.Max(0, bounds.Right - x - size - 4), bounds.Height);
                    TextRenderer.DrawText(e.Graphics, folder.Name, e.Font ?? Font, text, e.ForeColor,
                        TextFormatFlags.Left | TextFormatFlags.VerticalCenter | TextFormatFlags.NoPrefix
                        | TextFormatFlags.SingleLine | TextFormatFlags.EndEllipsis);
                }
                e.DrawFocusRectangle();
            }
            catch (Exception error) when (!(error is OutOfMemoryException))
            {
            }
            base.OnDrawItem(e);
        }

        static void DrawFolder(Graphics graphics, int x, int y, int size, bool open, Color line)
        {
            int height = size * 3 / 4;
            int top = y + (size - height) / 2;
            using (var pen = new Pen(line))
            using (var fill = new SolidBrush(open ? Color.FromArgb(255, 230, 160) : Color.FromArgb(240, 200, 90)))
            {
                // The tab, then the body; an open folder has its front tilted.
                graphics.FillRectangle(fill, x, top, size / 2, 2);
                graphics.DrawRectangle(pen, x, top, size / 2, 2);
                graphics.FillRectangle(fill, x, top + 2, size, height - 2);
                graphics.DrawRectangle(pen, x, top + 2, size, height - 2);
                if (open)
                    graphics.DrawLine(pen, x + 2, top + 2 + (height - 2) / 2, x + size, top + 2 + (height - 2) / 2);
            }
        }

        /// <summary>
        /// Makes the chosen folder the current one. A folder that has gone
        /// since it was listed is not opened: the list is read anew instead.
        /// Nothing here throws; what the Change handlers throw is theirs, and
        /// goes where any event handler's exception goes.
        /// </summary>
        void OpenChosen()
        {
            var folder = SelectedItem as FolderItem;
            if (folder == null)
                return;
            if (FileSystemView.FolderExists(folder.FullPath))
                Go(folder.FullPath);
            else
                Fill();
        }

        void Go(string full)
        {
            bool changed = !FileSystemView.SamePath(full, path);
            path = full;
            Fill();
            if (changed)
                OnChange(EventArgs.Empty);
        }

        /// <summary>
        /// Lists the folders from the root down to the current one, then the
        /// subfolders that can be read, and chooses the current folder.
        /// </summary>
        void Fill()
        {
            var chain = new List<string>();
            for (string folder = path; !string.IsNullOrEmpty(folder); folder = ParentFolder(folder))
                chain.Insert(0, folder);
            var items = new List<FolderItem>();
            for (int i = 0; i < chain.Count; i++)
                items.Add(new FolderItem { FullPath = chain[i], Name = FolderName(chain[i]), Level = i, Open = true });
            foreach (string name in FileSystemView.Subfolders(path))
                items.Add(new FolderItem { FullPath = System.IO.Path.Combine(path, name), Name = name, Level = chain.Count, Open = false });
            BeginUpdate();
            try
            {
                base.Items.Clear();
                foreach (FolderItem item in items)
                    base.Items.Add(item);
                openCount = chain.Count;
                SelectedIndex = openCount - 1;
            }
            finally
            {
                EndUpdate();
            }
        }

        static string ParentFolder(string folder)
        {
            try
            {
                return System.IO.Path.GetDirectoryName(folder);
            }
            catch (Exception e) when (FileSystemView.IsFileSystemError(e))
            {
                return null;
            }
        }

        static string FolderName(string folder)
        {
            string name = System.IO.Path.GetFileName(folder);
            return string.IsNullOrEmpty(name) ? folder : name;
        }
    }
}
