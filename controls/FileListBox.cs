using System;
using System.Collections.Generic;
using System.ComponentModel;
using System.IO;
using System.Windows.Forms;
using IOPath = System.IO.Path;

namespace Kavel.Controls
{
    /// <summary>
    /// The files of the folder <see cref="Path"/> whose names match
    /// <see cref="Pattern"/> and whose attributes the five attribute
    /// properties let through, sorted by name. A change of
    /// <see cref="Path"/> raises <see cref="PathChange"/>, one of
    /// <see cref="Pattern"/> <see cref="PatternChange"/>.
    /// </summary>
    [DefaultEvent("PathChange")]
    [DefaultProperty("Pattern")]
    public class FileListBox : ListBox
    {
        const string AllFiles = "*.*";

        string path;
        string pattern = AllFiles;
        bool archive = true, hidden, normal = true, readOnly = true, system;

        /// <summary>Raised when <see cref="Path"/> changes (by code, or through <see cref="FileName"/>).</summary>
        [Description("Raised when the listed folder changes.")]
        public event EventHandler PathChange;

        /// <summary>Raised when <see cref="Pattern"/> changes (by code, or through <see cref="FileName"/>).</summary>
        [Description("Raised when the pattern of the listed files changes.")]
        public event EventHandler PatternChange;

        /// <summary>The files of the folder the process runs in.</summary>
        public FileListBox()
        {
            path = FileSystemView.StartFolder();
            Fill(keepChoice: false);
        }

        /// <summary>
        /// The folder whose files are listed, as a full path with no separator
        /// at its end (unless it is a root). Setting it always reads the folder
        /// anew (so <c>File1.Path = File1.Path</c> shows new files), and raises
        /// <see cref="PathChange"/> when the folder is another one. Throws
        /// DirectoryNotFoundException, and changes nothing, when there is no
        /// such folder; ArgumentException for a value that is no path at all.
        /// A folder that exists but cannot be read is taken, and shows no files.
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
                bool changed = !FileSystemView.SamePath(full, path);
                path = full;
                Fill(keepChoice: !changed);
                if (changed)
                    OnPathChange(EventArgs.Empty);
            }
        }

        /// <summary>
        /// The names of the files to list: one or more patterns separated by
        /// ";" ("*.txt;*.md"), where "*" stands for any characters and "?" for
        /// one, compared without regard to case; "*.*" and "*" match every
        /// file, a pattern ending in "." (such as "*.") names with no dot.
        /// Empty or null means "*.*".
        /// </summary>
        [DefaultValue(AllFiles)]
        [Description("The names of the files to list, such as *.txt;*.md.")]
        [DesignerSerializationVisibility(DesignerSerializationVisibility.Visible)]
        public string Pattern
        {
            get { return pattern; }
            set
            {
                string text = string.IsNullOrEmpty(value) ? AllFiles : value;
                bool changed = !string.Equals(text, pattern, StringComparison.Ordinal);
                pattern = text;
                Fill(keepChoice: !changed);
                if (changed)
                    OnPatternChange(EventArgs.Empty);
            }
        }

        /// <summary>
        /// The name of the chosen file (no folder), empty when none is
        /// chosen. Setting it to a name chooses that file when it is listed;
        /// a value with a folder in it sets <see cref="Path"/> to that folder
        /// first, and a name with "*" or "?" in it becomes <see cref="Pattern"/>.
        /// </summary>
        [Browsable(false)]
        [DesignerSerializationVisibility(DesignerSerializationVisibility.Hidden)]
        public string FileName
        {
            get { return SelectedItem as string ?? ""; }
            set
            {
                if (value == null)
                    throw new ArgumentNullException("value");
                string name = value;
                int split = Math.Max(value.LastIndexOf(IOPath.DirectorySeparatorChar), value.LastIndexOf(IOPath.AltDirectorySeparatorChar));
                if (split < 0 && FileSystemView.CaseInsensitivePaths && value.Length >= 2 && value[1] == ':')
                    split = 1;
                if (split >= 0)
                {
                    string folder = value.Substring(0, split + 1);
                    Path = folder;
                    name = value.Substring(split + 1);
                }
                if (name.IndexOf('*') >= 0 || name.IndexOf('?') >= 0)
                {
                    Pattern = name;
                    return;
                }
                int index = -1;
                for (int i = 0; i < base.Items.Count && index < 0; i++)
                {
                    if (string.Equals((string)base.Items[i], name, FileSystemView.PathComparison))
                        index = i;
                }
                if (index >= 0 || SelectionMode != SelectionMode.None)
                    SelectedIndex = index;
            }
        }

        /// <summary>Whether files with the archive attribute are listed (default true).</summary>
        [DefaultValue(true)]
        [DesignerSerializationVisibility(DesignerSerializationVisibility.Visible)]
        public bool Archive
        {
            get { return archive; }
            set { SetFilter(ref archive, value); }
        }

        /// <summary>Whether hidden files are listed (default false). On Mono under Linux, a name starting with a dot is hidden.</summary>
        [DefaultValue(false)]
        [DesignerSerializationVisibility(DesignerSerializationVisibility.Visible)]
        public bool Hidden
        {
            get { return hidden; }
            set { SetFilter(ref hidden, value); }
        }

        /// <summary>Whether files with none of the archive, hidden, read-only and system attributes are listed (default true).</summary>
        [DefaultValue(true)]
        [DesignerSerializationVisibility(DesignerSerializationVisibility.Visible)]
        public bool Normal
        {
            get { return normal; }
            set { SetFilter(ref normal, value); }
        }

        /// <summary>Whether read-only files are listed (default true).</summary>
        [DefaultValue(true)]
        [DesignerSerializationVisibility(DesignerSerializationVisibility.Visible)]
        public bool ReadOnly
        {
            get { return readOnly; }
            set { SetFilter(ref readOnly, value); }
        }

        /// <summary>Whether system files are listed (default false).</summary>
        [DefaultValue(false)]
        [DesignerSerializationVisibility(DesignerSerializationVisibility.Visible)]
        public bool System
        {
            get { return system; }
            set { SetFilter(ref system, value); }
        }

        /// <summary>The items are the files, read when needed: never kept in a form's code.</summary>
        [Browsable(false)]
        [DesignerSerializationVisibility(DesignerSerializationVisibility.Hidden)]
        public new ObjectCollection Items
        {
            get { return base.Items; }
        }

        /// <summary>Reads the folder anew, keeping the chosen file if it is still there, then redraws.
        /// (It hides Control.Refresh rather than overriding it: Windows Forms
        /// calls that one itself, as when it clears the items, and must not
        /// read the file system each time.)</summary>
        public new void Refresh()
        {
            Fill(keepChoice: true);
            base.Refresh();
        }

        /// <summary>Raises <see cref="PathChange"/>.</summary>
        protected virtual void OnPathChange(EventArgs e)
        {
            EventHandler handler = PathChange;
            if (handler != null)
                handler(this, e);
        }

        /// <summary>Raises <see cref="PatternChange"/>.</summary>
        protected virtual void OnPatternChange(EventArgs e)
        {
            EventHandler handler = PatternChange;
            if (handler != null)
                handler(this, e);
        }

        void SetFilter(ref bool filter, bool value)
        {
            if (filter == value)
                return;
            filter = value;
            Fill(keepChoice: true);
        }

        /// <summary>
        /// Whether a file's attributes let it be listed: each of the archive,
        /// hidden, read-only and system attributes that it has must be let
        /// through by the property of that name, and a file with none of them
        /// is listed when <see cref="Normal"/> is true. Other attributes
        /// (compressed, encrypted, ...) play no part.
        /// </summary>
        bool Passes(FileAttributes attributes)
        {
            bool any = false;
            if ((attributes & FileAttributes.Archive) != 0)
            {
                if (!archive)
                    return false;
                any = true;
            }
            if ((attributes & FileAttributes.Hidden) != 0)
            {
                if (!hidden)
                    return false;
                any = true;
            }
            if ((attributes & FileAttributes.ReadOnly) != 0)
            {
                if (!readOnly)
                    return false;
                any = true;
            }
            if ((attributes & FileAttributes.System) != 0)
            {
                if (!system)
                    return false;
                any = true;
            }
            return any || normal;
        }

        void Fill(bool keepChoice)
        {
            string chosen = keepChoice ? SelectedItem as string : null;
            var patterns = new List<string>();
            foreach (string part in pattern.Split(';'))
            {
                string trimmed = part.Trim();
                if (trimmed.Length > 0)
                    patterns.Add(trimmed);
            }
            var names = new List<string>();
            foreach (KeyValuePair<string, FileAttributes> file in FileSystemView.Files(path))
            {
                if (Passes(file.Value) && Matches(file.Key, patterns))
                    names.Add(file.Key);
            }
            names.Sort(FileSystemView.CompareNames);
            BeginUpdate();
            try
            {
                base.Items.Clear();
                foreach (string name in names)
                    base.Items.Add(name);
                int index = chosen == null ? -1 : names.IndexOf(chosen);
                if (index >= 0 && SelectionMode != SelectionMode.None)
                    SelectedIndex = index;
            }
            finally
            {
                EndUpdate();
            }
        }

        static bool Matches(string name, List<string> patterns)
        {
            if (patterns.Count == 0)
                return true;
            foreach (string one in patterns)
            {
                if (one == "*" || one == AllFiles)
                    return true;
                if (one.EndsWith(".", StringComparison.Ordinal) && one.Length > 1)
                {
                    if (name.IndexOf('.') < 0 && Wildcard(name, 0, one.Substring(0, one.Length - 1), 0))
                        return true;
                }
                else if (Wildcard(name, 0, one, 0))
                    return true;
            }
            return false;
        }

        /// <summary>Whether name[n..] matches pattern[p..], "*" any run of characters, "?" one, case aside.</summary>
        static bool Wildcard(string name, int n, string pattern, int p)
        {
            int starP = -1, starN = 0;
            while (n < name.Length)
            {
                if (p < pattern.Length && pattern[p] == '*')
                {
                    starP = p++;
                    starN = n;
                }
                else if (p < pattern.Length && (pattern[p] == '?' || SameLetter(pattern[p], name[n])))
                {
                    p++;
                    n++;
                }
                else if (starP >= 0)
                {
                    p = starP + 1;
                    n = ++starN;
                }
                else
                {
                    return false;
                }
            }
            while (p < pattern.Length && pattern[p] == '*')
                p++;
            return p == pattern.Length;
        }

        static bool SameLetter(char a, char b)
        {
            return a == b || char.ToUpperInvariant(a) == char.ToUpperInvariant(b);
        }
    }
}
