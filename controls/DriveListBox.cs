using System;
using System.Collections.Generic;
using System.ComponentModel;
using System.IO;
using System.Windows.Forms;

namespace Kavel.Controls
{
    /// <summary>
    /// A drop-down list of the machine's drives: the drive letters on Windows,
    /// the root and the mounted file systems that Mono reports elsewhere.
    /// <see cref="Drive"/> is the chosen drive's root ("C:\", "/"); choosing
    /// another drive, by hand or by code, raises <see cref="Change"/>.
    /// </summary>
    [DefaultEvent("Change")]
    [DefaultProperty("Drive")]
    public class DriveListBox : ComboBox
    {
        sealed class DriveItem
        {
            internal string Root;
            internal string Text;

            public override string ToString()
            {
                return Text;
            }
        }

        DriveItem current;
        bool selecting;

        /// <summary>Raised when <see cref="Drive"/> changes.</summary>
        [Description("Raised when the chosen drive changes.")]
        public event EventHandler Change;

        /// <summary>A list of the drives, with the drive of the current folder chosen.</summary>
        public DriveListBox()
        {
            DropDownStyle = ComboBoxStyle.DropDownList;
            Fill(ReadDrives());
            Choose(DriveOf(FileSystemView.StartFolder()));
        }

        /// <summary>
        /// The chosen drive's root, as the system names it: "C:\" on Windows,
        /// "/" or a mount point elsewhere; empty when the machine shows no
        /// drive. Set it to a drive letter ("d", "d:", "d:\", "d: [LABEL]") or
        /// to any path on the drive. Throws ArgumentException for a value that
        /// names no drive of the list, IOException for a drive that cannot be
        /// read (not ready, no disc).
        /// </summary>
        [Browsable(false)]
        [DesignerSerializationVisibility(DesignerSerializationVisibility.Hidden)]
        public string Drive
        {
            get { return current == null ? "" : current.Root; }
            set
            {
                if (value == null)
                    throw new ArgumentNullException("value");
                string text = value.Trim();
                if (FileSystemView.CaseInsensitivePaths && text.Length == 1 && char.IsLetter(text[0]))
                    text += ":";
                string path = FileSystemView.FullFolderPath(text);
                List<DriveItem> drives = ReadDrives();
                DriveItem found = Find(drives, path);
                if (found == null)
                    throw new ArgumentException("No drive '" + value + "' on this machine.", "value");
                if (!FileSystemView.FolderExists(found.Root))
                    throw new IOException("The drive '" + found.Root + "' cannot be read (not ready, or no disc).");
                Fill(drives);
                if (Choose(Find(ListedDrives(), found.Root, exact: true)))
                    OnChange(EventArgs.Empty);
            }
        }

        /// <summary>The items are the drives, read when needed: never kept in a form's code.</summary>
        [Browsable(false)]
        [DesignerSerializationVisibility(DesignerSerializationVisibility.Hidden)]
        public new ObjectCollection Items
        {
            get { return base.Items; }
        }

        /// <summary>Reads the drives anew (one may have come or gone), then redraws.
        /// (It hides Control.Refresh rather than overriding it: Windows Forms
        /// calls that one itself, as when it clears the items, and must not
        /// read the file system each time.)</summary>
        public new void Refresh()
        {
            Fill(ReadDrives());
            DriveItem keep = current == null ? null : Find(ListedDrives(), current.Root, exact: true);
            if (keep != null)
                Choose(keep);
            else if (Choose(DriveOf(FileSystemView.StartFolder())))
                OnChange(EventArgs.Empty);
            base.Refresh();
        }

        /// <summary>Raises <see cref="Change"/>.</summary>
        protected virtual void OnChange(EventArgs e)
        {
            EventHandler handler = Change;
            if (handler != null)
                handler(this, e);
        }

        /// <summary>
        /// A drive chosen by hand becomes <see cref="Drive"/> when it can be
        /// read; one that cannot (a drive with no disc) is not taken, and the
        /// list goes back to the drive it had.
        /// </summary>
        protected override void OnSelectedIndexChanged(EventArgs e)
        {
            if (!selecting)
            {
                var chosen = SelectedItem as DriveItem;
                if (chosen != null && chosen != current)
                {
                    if (FileSystemView.FolderExists(chosen.Root))
                    {
                        current = chosen;
                        base.OnSelectedIndexChanged(e);
                        OnChange(EventArgs.Empty);
                        return;
                    }
                    Choose(current);
                    return;
                }
            }
            base.OnSelectedIndexChanged(e);
        }

        /// <summary>Puts a drive in the box; true when it was not the chosen one.</summary>
        bool Choose(DriveItem drive)
        {
            bool changed = drive != current && (drive == null || current == null || !FileSystemView.SamePath(drive.Root, current.Root));
            current = drive;
            selecting = true;
            try
            {
                SelectedIndex = drive == null ? -1 : Items.IndexOf(drive);
            }
            finally
            {
                selecting = false;
            }
            return changed;
        }

        /// <summary>Lists the drives, keeping the item of the chosen drive when it is still there.</summary>
        void Fill(List<DriveItem> drives)
        {
            if (current != null)
            {
                int same = drives.FindIndex(d => FileSystemView.SamePath(d.Root, current.Root));
                if (same >= 0)
                    drives[same] = current;
            }
            selecting = true;
            BeginUpdate();
            try
            {
                base.Items.Clear();
                foreach (DriveItem drive in drives)
                    base.Items.Add(drive);
                SelectedIndex = current == null ? -1 : base.Items.IndexOf(current);
            }
            finally
            {
                EndUpdate();
                selecting = false;
            }
        }

        List<DriveItem> ListedDrives()
        {
            var drives = new List<DriveItem>();
            foreach (object item in base.Items)
                drives.Add((DriveItem)item);
            return drives;
        }

        /// <summary>The drive that holds a path: the one with the longest root that starts it.</summary>
        DriveItem DriveOf(string path)
        {
            return Find(ListedDrives(), path) ?? (base.Items.Count > 0 ? (DriveItem)base.Items[0] : null);
        }

        static DriveItem Find(List<DriveItem> drives, string path, bool exact = false)
        {
            DriveItem best = null;
            foreach (DriveItem drive in drives)
            {
                string root = FileSystemView.TrimSeparators(drive.Root);
                bool holds = FileSystemView.SamePath(root, path)
                    || (!exact && path.Length > root.Length && path.StartsWith(root, FileSystemView.PathComparison)
                        && (IsSeparator(path[root.Length]) || IsSeparator(root[root.Length - 1])));
                if (holds && (best == null || root.Length > FileSystemView.TrimSeparators(best.Root).Length))
                    best = drive;
            }
            return best;
        }

        static bool IsSeparator(char c)
        {
            return c == Path.DirectorySeparatorChar || c == Path.AltDirectorySeparatorChar;
        }

        /// <summary>
        /// The drives to show: every one the system reports that has a folder
        /// at its root, less the kernel's own file systems on Linux, and the
        /// root on Linux whatever is reported. A drive that does not answer
        /// (no disc) is shown without a label.
        /// </summary>
        static List<DriveItem> ReadDrives()
        {
            var drives = new List<DriveItem>();
            DriveInfo[] all;
            try
            {
                all = DriveInfo.GetDrives();
            }
            catch (Exception e) when (FileSystemView.IsFileSystemError(e))
            {
                all = new DriveInfo[0];
            }
            foreach (DriveInfo info in all)
            {
                try
                {
                    string root = info.Name;
                    if (string.IsNullOrEmpty(root) || info.DriveType == DriveType.NoRootDirectory || IsSystemMount(root))
                        continue;
                    string text = root;
                    if (FileSystemView.CaseInsensitivePaths && root.Length >= 2 && root[1] == ':')
                    {
                        // As the drive box of old showed it: "c: [LABEL]".
                        text = root.Substring(0, 2).ToLowerInvariant();
                        string label = Label(info);
                        if (label.Length > 0)
                            text += " [" + label + "]";
                    }
                    else if (!FileSystemView.FolderExists(root))
                    {
                        // A file mounted in place of another (a container's
                        // /etc/hosts) is no drive.
                        continue;
                    }
                    drives.Add(new DriveItem { Root = root, Text = text });
                }
                catch (Exception e) when (FileSystemView.IsFileSystemError(e))
                {
                }
            }
            // The root is always there, also where the system reports no
            // file system mounted on it (a chroot).
            if (!FileSystemView.CaseInsensitivePaths && !drives.Exists(d => d.Root == "/"))
                drives.Add(new DriveItem { Root = "/", Text = "/" });
            drives.Sort((a, b) => FileSystemView.CompareNames(a.Root, b.Root));
            return drives;
        }

        static string Label(DriveInfo info)
        {
            try
            {
                if (!info.IsReady)
                    return "";
                return info.VolumeLabel ?? "";
            }
            catch (Exception e) when (FileSystemView.IsFileSystemError(e))
            {
                return "";
            }
        }

        static bool IsSystemMount(string root)
        {
            if (FileSystemView.CaseInsensitivePaths)
                return false;
            foreach (string system in new[] { "/proc", "/sys", "/dev", "/run" })
            {
                if (root == system || root.StartsWith(system + "/", StringComparison.Ordinal))
                    return !root.StartsWith("/run/media/", StringComparison.Ordinal);
            }
            return false;
        }
    }
}
