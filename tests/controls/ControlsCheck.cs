// Drives the Kavel.Controls list boxes in the Windows Forms runtime of Mono,
// on a folder tree of its own: what they list, how the pattern and the
// attribute filters choose files, the events of the classic wiring (the
// Visual Basic form ClassicWiring), and folders that cannot be read or go
// away while shown. Run by tests/controls-runtime.
//   mono ControlsCheck.exe SCRATCH [PNG]
// SCRATCH is an empty folder to build the tree in; PNG, if given, receives a
// picture of the wired form showing the tree.
// Exit status: 0 every check passed, 1 a check failed, 2 bad usage, 3 the X
// display cannot be used (nothing was checked).
using System;
using System.Collections.Generic;
using System.Diagnostics;
using System.Drawing;
using System.Drawing.Imaging;
using System.IO;
using System.Linq;
using System.Reflection;
using System.Windows.Forms;
using Kavel.Controls;

static class ControlsCheck
{
    static int passed, failed, skipped;
    static readonly List<string> shownErrors = new List<string>();

    static void Check(string name, bool ok, string detail = null)
    {
        if (ok) {
            passed++;
            Console.WriteLine("ok   " + name);
        } else {
            failed++;
            Console.WriteLine("FAIL " + name + (string.IsNullOrEmpty(detail) ? "" : "\n     " + detail));
        }
    }

    static void Equal<T>(string name, T expected, T actual)
    {
        Check(name, EqualityComparer<T>.Default.Equals(expected, actual),
              "expected " + Show(expected) + ", got " + Show(actual));
    }

    static void Names(string name, IEnumerable<string> expected, IEnumerable<string> actual)
    {
        string[] e = expected.ToArray(), a = actual.ToArray();
        Check(name, e.SequenceEqual(a), "expected [" + string.Join(", ", e) + "], got [" + string.Join(", ", a) + "]");
    }

    static void Throws<T>(string name, Action action) where T : Exception
    {
        try {
            action();
            Check(name, false, "expected " + typeof(T).Name + ", nothing was thrown");
        } catch (T) {
            Check(name, true);
        } catch (Exception e) {
            Check(name, false, "expected " + typeof(T).Name + ", got " + e.GetType().Name + ": " + e.Message);
        }
    }

    static void NoThrow(string name, Action action)
    {
        try {
            action();
            Check(name, true);
        } catch (Exception e) {
            Check(name, false, e.GetType().Name + ": " + e.Message);
        }
    }

    static void Skip(string name, string reason)
    {
        skipped++;
        Console.WriteLine("skip " + name + ": " + reason);
    }

    static string Show(object o) { return o == null ? "null" : o is string ? "\"" + o + "\"" : o.ToString(); }

    static IEnumerable<string> Texts(ListBox box) { return box.Items.Cast<object>().Select(i => i.ToString()); }

    static IEnumerable<string> Subfolders(DirListBox box)
    {
        for (int i = 0; i < box.DirListCount; i++) yield return box.DirList(i);
    }

    // A paint of everything shown, as the message loop would do it; what it
    // throws reaches Application.ThreadException.
    static void Paint(params Form[] forms)
    {
        foreach (Form form in forms) form.Refresh();
        for (int i = 0; i < 3; i++) Application.DoEvents();
    }

    // What the user's hand does, through the control's own handlers: a
    // double-click, or Enter.
    static void DoubleClick(Control control)
    {
        typeof(Control).GetMethod("OnDoubleClick", BindingFlags.Instance | BindingFlags.NonPublic)
            .Invoke(control, new object[] { EventArgs.Empty });
    }

    static void PressEnter(Control control)
    {
        typeof(Control).GetMethod("OnKeyDown", BindingFlags.Instance | BindingFlags.NonPublic)
            .Invoke(control, new object[] { new KeyEventArgs(Keys.Enter) });
    }

    static void RaiseChange(DriveListBox drive)
    {
        typeof(DriveListBox).GetMethod("OnChange", BindingFlags.Instance | BindingFlags.NonPublic)
            .Invoke(drive, new object[] { EventArgs.Empty });
    }

    static void Write(string path, string text = "x") { File.WriteAllText(path, text); }

    static bool Chmod(string mode, string path)
    {
        var start = new ProcessStartInfo("chmod", mode + " \"" + path + "\"") { UseShellExecute = false };
        using (Process p = Process.Start(start)) {
            p.WaitForExit();
            return p.ExitCode == 0;
        }
    }

    // The first column of a rectangle of a control, as the screen shows it,
    // where a colour shows; -1 where it shows nowhere.
    static int FirstColumn(Control control, Rectangle area, Color colour)
    {
        Rectangle screen = control.RectangleToScreen(area);
        using (var bitmap = new Bitmap(screen.Width, screen.Height, PixelFormat.Format24bppRgb)) {
            using (Graphics g = Graphics.FromImage(bitmap))
                g.CopyFromScreen(screen.Location, Point.Empty, screen.Size);
            for (int x = 0; x < bitmap.Width; x++)
                for (int y = 0; y < bitmap.Height; y++) {
                    Color c = bitmap.GetPixel(x, y);
                    if (c.R == colour.R && c.G == colour.G && c.B == colour.B) return area.X + x;
                }
        }
        return -1;
    }

    static int Main(string[] args)
    {
        if (args.Length < 1 || args.Length > 2) {
            Console.Error.WriteLine("usage: mono ControlsCheck.exe SCRATCH [PNG]");
            return 2;
        }
        try {
            new Control().Dispose();
        } catch (Exception e) {
            Console.Error.WriteLine("controls_check: the X display cannot be used: " + e.GetBaseException().Message);
            return 3;
        }
        Application.SetUnhandledExceptionMode(UnhandledExceptionMode.CatchException);
        Application.ThreadException += (sender, e) => shownErrors.Add(e.Exception.ToString());
        var timer = Stopwatch.StartNew();
        try {
            Run(Path.GetFullPath(args[0]), args.Length > 1 ? args[1] : null);
        } catch (Exception e) {
            Check("the checks ran to their end", false, e.ToString());
        }
        Check("no exception reached the message loop (paint, click, keys)", shownErrors.Count == 0,
              string.Join("\n     ", shownErrors));
        Console.WriteLine("controls_check: {0} checks passed, {1} failed, {2} skipped ({3:0.0} s)",
                          passed, failed, skipped, timer.Elapsed.TotalSeconds);
        return failed == 0 ? 0 : 1;
    }

    static void Run(string scratch, string png)
    {
        // The tree: three visible subfolders (listed case aside: alpha, beta,
        // Gamma), a hidden one, and files of several extensions, one hidden
        // (a dot-file, hidden as Mono reports it on Linux), one read-only.
        string tree = Path.Combine(scratch, "tree");
        foreach (string d in new[] { "alpha", "beta", "Gamma", ".secret" })
            Directory.CreateDirectory(Path.Combine(tree, d));
        foreach (string f in new[] { "a.txt", "b.md", "c.vb", "D.TXT", "e.md.bak", "noext", ".hidden.txt", "ro.txt" })
            Write(Path.Combine(tree, f));
        Write(Path.Combine(tree, "alpha", "inner.txt"));
        Write(Path.Combine(tree, ".secret", "s.txt"));
        File.SetAttributes(Path.Combine(tree, "ro.txt"), FileAttributes.ReadOnly);
        string alpha = Path.Combine(tree, "alpha"), beta = Path.Combine(tree, "beta"), gamma = Path.Combine(tree, "Gamma");
        string[] allFiles = { "a.txt", "b.md", "c.vb", "D.TXT", "e.md.bak", "noext", "ro.txt" };

        // What the platform says of the files, which the filters rest on.
        const FileAttributes four = FileAttributes.Archive | FileAttributes.Hidden | FileAttributes.ReadOnly | FileAttributes.System;
        Equal("Mono reports a dot-file as hidden (and nothing else of the four)", FileAttributes.Hidden,
              File.GetAttributes(Path.Combine(tree, ".hidden.txt")) & four);
        Equal("Mono reports a file without write permission as read-only", FileAttributes.ReadOnly,
              File.GetAttributes(Path.Combine(tree, "ro.txt")) & four);
        Equal("Mono reports a plain file with none of archive, hidden, read-only, system", (FileAttributes)0,
              File.GetAttributes(Path.Combine(tree, "a.txt")) & four);

        var form = new Form { Text = "Kavel.Controls", ClientSize = new Size(640, 400), StartPosition = FormStartPosition.Manual, Location = new Point(0, 0) };
        var drive = new DriveListBox { Location = new Point(8, 8), Size = new Size(200, 21), Name = "Drive1", TabIndex = 0 };
        var dir = new DirListBox { Location = new Point(8, 36), Size = new Size(300, 340), Name = "Dir1", TabIndex = 1 };
        var file = new FileListBox { Location = new Point(316, 8), Size = new Size(300, 368), Name = "File1", TabIndex = 2 };
        Equal("generated lines: Location", new Point(8, 36), dir.Location);
        Equal("generated lines: Size", 200, drive.Size.Width);
        Equal("generated lines: Name", "File1", file.Name);
        Equal("generated lines: TabIndex", 2, file.TabIndex);
        form.Controls.AddRange(new Control[] { drive, dir, file });
        int dirChanges = 0, pathChanges = 0, patternChanges = 0, driveChanges = 0;
        dir.Change += (s, e) => dirChanges++;
        file.PathChange += (s, e) => pathChanges++;
        file.PatternChange += (s, e) => patternChanges++;
        drive.Change += (s, e) => driveChanges++;
        // Generated lines size the boxes as they size the controls they
        // derive from: the same Size gives the same result.
        var plainList = new ListBox { Location = new Point(700, 8), Size = new Size(121, 97) };
        var plainCombo = new ComboBox { Location = new Point(700, 120), Size = new Size(121, 97) };
        var sizedDir = new DirListBox { Location = new Point(830, 8), Size = new Size(121, 97) };
        var sizedFile = new FileListBox { Location = new Point(960, 8), Size = new Size(121, 97) };
        var sizedDrive = new DriveListBox { Location = new Point(830, 120), Size = new Size(121, 97) };
        form.ClientSize = new Size(1100, 400);
        form.Controls.AddRange(new Control[] { plainList, plainCombo, sizedDir, sizedFile, sizedDrive });
        form.Show();
        Paint(form);
        Equal("a DirListBox takes a Size as a ListBox does", plainList.Size, sizedDir.Size);
        Equal("a FileListBox takes a Size as a ListBox does", plainList.Size, sizedFile.Size);
        Equal("a DriveListBox takes a Size as a ComboBox does", plainCombo.Size, sizedDrive.Size);

        // The defaults.
        string start = Directory.GetCurrentDirectory();
        Equal("a new directory box shows the current folder", start, dir.Path);
        Equal("a new file box lists the current folder", start, file.Path);
        Equal("Pattern defaults to *.*", "*.*", file.Pattern);
        Equal("attribute defaults: Archive, Normal, ReadOnly true; Hidden, System false", "True True True False False",
              string.Join(" ", file.Archive, file.Normal, file.ReadOnly, file.Hidden, file.System));

        // The directory box.
        dir.Path = tree + "/";
        Equal("Path is kept without the separator at its end", tree, dir.Path);
        Equal("setting Path to another folder raises Change once", 1, dirChanges);
        Names("the subfolders are listed by name, case aside, without the hidden one", new[] { alpha, beta, gamma }, Subfolders(dir));
        Equal("DirListIndex is -1 (the current folder)", -1, dir.DirListIndex);
        var chain = new List<string>();
        for (string p = tree; p != null; p = Path.GetDirectoryName(p)) chain.Insert(0, p);
        Names("DirList(-1), -2, ... are the current folder and its parents up to the root",
              Enumerable.Reverse(chain), Enumerable.Range(1, chain.Count).Select(k => dir.DirList(-k)));
        Equal("DirList beyond the root is empty", "", dir.DirList(-chain.Count - 1));
        Equal("DirList beyond the last subfolder is empty", "", dir.DirList(3));
        Names("the list shows the root, each folder down to the current one, then the subfolders",
              new[] { "/" }.Concat(chain.Skip(1).Select(Path.GetFileName)).Concat(new[] { "alpha", "beta", "Gamma" }), Texts(dir));
        Equal("the current folder is the chosen item", chain.Count - 1, dir.SelectedIndex);
        dir.Path = tree;
        Equal("setting Path to the same folder raises no Change", 1, dirChanges);
        Throws<DirectoryNotFoundException>("setting Path to a missing folder throws DirectoryNotFoundException",
                                           () => dir.Path = Path.Combine(tree, "missing"));
        Equal("... and leaves Path as it was", tree, dir.Path);
        Equal("... and raises no Change", 1, dirChanges);
        Throws<ArgumentException>("setting Path to an empty string throws ArgumentException", () => dir.Path = "");
        Directory.SetCurrentDirectory(tree);
        dir.Path = "beta";
        Equal("a relative Path is taken from the current folder", beta, dir.Path);
        Directory.SetCurrentDirectory(start);
        dir.Path = tree;
        dirChanges = 0;
        dir.DirListIndex = 2;
        DoubleClick(dir);
        Equal("a double-click on a subfolder opens it", gamma, dir.Path);
        Equal("... and raises Change", 1, dirChanges);
        dir.DirListIndex = -2;
        PressEnter(dir);
        Equal("Enter on the parent opens it", tree, dir.Path);
        Equal("... and raises Change", 2, dirChanges);
        Paint(form);
        Rectangle currentRow = dir.GetItemRectangle(chain.Count - 1), firstSubfolder = dir.GetItemRectangle(chain.Count);
        int openAt = FirstColumn(dir, currentRow, Color.FromArgb(255, 230, 160));
        int closedAt = FirstColumn(dir, firstSubfolder, Color.FromArgb(240, 200, 90));
        Check("the current folder is drawn with an open folder", openAt >= 0);
        Check("a subfolder is drawn with a closed folder", closedAt >= 0);
        Check("a subfolder is drawn further right than the current folder (indented)", closedAt > openAt,
              "open folder at x = " + openAt + ", closed folder at x = " + closedAt);

        // The file box.
        file.Path = tree;
        Equal("setting Path raises PathChange", 1, pathChanges);
        Names("*.* lists every file that is not hidden, by name, case aside", allFiles, Texts(file));
        file.Pattern = "*.txt;*.md";
        Names("Pattern *.txt;*.md lists the .txt and .md files, case aside", new[] { "a.txt", "b.md", "D.TXT", "ro.txt" }, Texts(file));
        Equal("setting Pattern raises PatternChange", 1, patternChanges);
        file.Pattern = "*.txt;*.md";
        Equal("setting the same Pattern raises no PatternChange", 1, patternChanges);
        file.Pattern = " *.VB ; ?.md ";
        Names("patterns are trimmed, compared case aside, ? is one character", new[] { "b.md", "c.vb" }, Texts(file));
        file.Pattern = "*.";
        Names("Pattern *. lists the names without a dot", new[] { "noext" }, Texts(file));
        file.Pattern = "";
        Equal("an empty Pattern is *.*", "*.*", file.Pattern);
        Names("... and lists every file", allFiles, Texts(file));
        file.Hidden = true;
        Names("Hidden = True lists the dot-file too", new[] { ".hidden.txt" }.Concat(allFiles), Texts(file));
        file.Hidden = false;
        file.ReadOnly = false;
        Names("ReadOnly = False leaves out the read-only file", allFiles.Where(f => f != "ro.txt"), Texts(file));
        file.ReadOnly = true;
        file.Normal = false;
        Names("Normal = False leaves out the files with no attribute", new[] { "ro.txt" }, Texts(file));
        file.Hidden = true;
        Names("Normal = False, Hidden = True: the hidden and the read-only files", new[] { ".hidden.txt", "ro.txt" }, Texts(file));
        file.Hidden = false;
        file.Normal = true;
        file.Archive = false;
        Names("Archive = False changes nothing where no file has the attribute (Mono on Linux)", allFiles, Texts(file));
        file.Archive = true;
        file.System = true;
        Names("System = True changes nothing where no file has the attribute (Mono on Linux)", allFiles, Texts(file));
        file.System = false;
        Equal("no file chosen: FileName is empty", "", file.FileName);
        file.FileName = "c.vb";
        Equal("setting FileName to a listed file chooses it", 2, file.SelectedIndex);
        Equal("... and FileName gives it back", "c.vb", file.FileName);
        file.FileName = Path.Combine(alpha, "inner.txt");
        Equal("FileName with a folder sets Path", alpha, file.Path);
        Equal("... raising PathChange", 2, pathChanges);
        Equal("... and chooses the file", "inner.txt", file.FileName);
        file.FileName = Path.Combine(tree, "*.md");
        Equal("FileName with a folder and a wildcard sets Path", tree, file.Path);
        Equal("... and Pattern", "*.md", file.Pattern);
        Equal("... raising PatternChange", 5, patternChanges);
        Names("... and lists what they say", new[] { "b.md" }, Texts(file));
        file.Pattern = "*.*";
        Write(Path.Combine(tree, "new.txt"));
        file.FileName = "b.md";
        file.Refresh();
        Check("Refresh reads the folder anew", Texts(file).Contains("new.txt"));
        Equal("... keeping the chosen file", "b.md", file.FileName);
        File.Delete(Path.Combine(tree, "new.txt"));
        int before = pathChanges;
        file.Path = file.Path;
        Check("File1.Path = File1.Path reads the folder anew", !Texts(file).Contains("new.txt"));
        Equal("... and raises no PathChange", before, pathChanges);
        Throws<DirectoryNotFoundException>("setting the file box's Path to a missing folder throws DirectoryNotFoundException",
                                           () => file.Path = Path.Combine(tree, "missing"));
        Equal("... and leaves Path as it was", tree, file.Path);

        // The drive box.
        string[] roots = drive.Items.Cast<object>().Select(i => i.ToString()).ToArray();
        Check("the drive box lists the root", roots.Contains("/"), "listed: " + string.Join(", ", roots));
        Check("Drive is a listed drive that holds the current folder",
              roots.Contains(drive.Drive) && (drive.Drive == "/" || start == drive.Drive || start.StartsWith(drive.Drive + "/")),
              "Drive = " + Show(drive.Drive));
        // The drives Mono reports, less the kernel's own and those with no
        // folder at their root (a file mounted over another), and the root
        // where nothing is reported mounted on it (a chroot).
        string[] system = { "/proc", "/sys", "/dev", "/run" };
        string[] reported = DriveInfo.GetDrives().Select(d => d.Name)
            .Where(r => Directory.Exists(r) && !system.Any(k => (r == k || r.StartsWith(k + "/")) && !r.StartsWith("/run/media/")))
            .Concat(new[] { "/" }).Distinct()
            .OrderBy(r => r, StringComparer.OrdinalIgnoreCase).ToArray();
        Names("the drive box lists the drives Mono reports, but the kernel's own", reported, roots);
        driveChanges = 0;
        string holder = drive.Drive;
        drive.Refresh();
        Equal("Refresh keeps the chosen drive", holder, drive.Drive);
        Equal("... and raises no Change", 0, driveChanges);
        drive.Drive = tree;
        Equal("setting Drive to a path chooses the drive that holds it", roots.Where(r => r == "/" || tree == r || tree.StartsWith(r + "/")).OrderBy(r => r.Length).Last(), drive.Drive);
        if (roots.Length > 1) {
            int other = Array.FindIndex(roots, r => r != drive.Drive && Directory.Exists(r));
            driveChanges = 0;
            drive.SelectedIndex = other;
            Equal("choosing another drive by hand sets Drive", roots[other], drive.Drive);
            Equal("... and raises Change", 1, driveChanges);
        } else {
            Skip("choosing another drive by hand", "Mono lists one drive (/) on this machine");
        }
        drive.Drive = "/";
        driveChanges = 0;
        drive.Drive = "/";
        Equal("setting Drive to the drive it has raises no Change", 0, driveChanges);
        Paint(form);

        // The classic wiring, in Visual Basic: drive -> folder -> file.
        var wired = new ClassicWiring { StartPosition = FormStartPosition.Manual, Location = new Point(0, 440) };
        wired.Show();
        Paint(wired);
        wired.Dir1.Path = tree;
        Equal("wiring: Dir1.Path set -> Dir1_Change sets File1.Path", tree, wired.File1.Path);
        Names("... and the file box lists the folder's files", allFiles, Texts(wired.File1));
        wired.Dir1.DirListIndex = 0;
        DoubleClick(wired.Dir1);
        Equal("wiring: a double-click on a folder -> Dir1.Path", alpha, wired.Dir1.Path);
        Equal("... -> File1.Path", alpha, wired.File1.Path);
        Names("... -> File1 lists its file", new[] { "inner.txt" }, Texts(wired.File1));
        wired.File1.SelectedIndex = 0;
        Equal("wiring: choosing a file -> Label1 shows File1.FileName", "inner.txt", wired.Label1.Text);
        RaiseChange(wired.Drive1);
        Equal("wiring: Drive1's Change -> Drive1_Change sets Dir1.Path to the drive", wired.Drive1.Drive, wired.Dir1.Path);
        Equal("... -> File1.Path", wired.Drive1.Drive, wired.File1.Path);
        if (roots.Length > 1) {
            int other = Array.FindIndex(roots, r => r != wired.Drive1.Drive && Directory.Exists(r));
            wired.Drive1.SelectedIndex = other;
            Equal("wiring: another drive chosen by hand -> Dir1.Path", roots[other], wired.Dir1.Path);
            Equal("... -> File1.Path", roots[other], wired.File1.Path);
        } else {
            Skip("wiring: another drive chosen by hand", "Mono lists one drive (/) on this machine");
        }
        wired.Dir1.Path = tree;
        Paint(form, wired);
        if (png != null) {
            Point corner = wired.PointToScreen(Point.Empty);
            using (var bitmap = new Bitmap(wired.ClientSize.Width, wired.ClientSize.Height, PixelFormat.Format24bppRgb)) {
                using (Graphics g = Graphics.FromImage(bitmap))
                    g.CopyFromScreen(corner, Point.Empty, wired.ClientSize);
                bitmap.Save(png, ImageFormat.Png);
            }
        }

        // Folders that go away while shown: survived whoever runs the test.
        string vanish = Path.Combine(scratch, "vanish"), gone = Path.Combine(vanish, "gone");
        Directory.CreateDirectory(gone);
        dir.Path = vanish;
        dirChanges = 0;
        Directory.Delete(gone);
        dir.DirListIndex = 0;
        NoThrow("a double-click on a subfolder removed since it was listed", () => DoubleClick(dir));
        Equal("... leaves Path as it was", vanish, dir.Path);
        Equal("... raises no Change", 0, dirChanges);
        Equal("... and lists the folder anew", 0, dir.DirListCount);
        string doomed = Path.Combine(scratch, "doomed");
        Directory.CreateDirectory(Path.Combine(doomed, "sub"));
        Write(Path.Combine(doomed, "f.txt"));
        dir.Path = doomed;
        file.Path = doomed;
        Directory.Delete(doomed, true);
        NoThrow("Refresh of boxes whose folder was removed", () => { dir.Refresh(); file.Refresh(); Paint(form); });
        Equal("... the directory box keeps the path", doomed, dir.Path);
        Names("... and still shows the folders above it", chain.Take(chain.Count - 1).Concat(new[] { doomed }),
              Enumerable.Range(1, chain.Count).Select(k => dir.DirList(-k)).Reverse());
        Equal("... with no subfolders", 0, dir.DirListCount);
        Equal("... the file box shows no files", 0, file.Items.Count);
        Throws<DirectoryNotFoundException>("... and File1.Path = File1.Path then throws, as for any missing folder",
                                           () => file.Path = file.Path);
        string wiredVanish = Path.Combine(scratch, "wired-vanish");
        Directory.CreateDirectory(Path.Combine(wiredVanish, "gone"));
        wired.Dir1.Path = wiredVanish;
        Directory.Delete(Path.Combine(wiredVanish, "gone"));
        wired.Dir1.DirListIndex = 0;
        NoThrow("wiring: a double-click on a removed folder", () => { DoubleClick(wired.Dir1); Paint(wired); });
        Equal("... leaves File1.Path on the folder shown", wiredVanish, wired.File1.Path);

        // A folder that cannot be read (permissions 000). Whoever may read
        // any folder (root) still reads it: that case is then skipped.
        string outer = Path.Combine(scratch, "outer"), locked = Path.Combine(outer, "locked");
        Directory.CreateDirectory(Path.Combine(locked, "sub"));
        Write(Path.Combine(locked, "f.txt"));
        Check("chmod 000 on a folder", Chmod("000", locked));
        bool readable;
        try {
            Directory.GetFileSystemEntries(locked);
            readable = true;
        } catch (UnauthorizedAccessException) {
            readable = false;
        }
        if (readable) {
            Skip("a folder that cannot be read", "this user reads a folder of permissions 000 (root): no unreadable folder to show");
        } else {
            dir.Path = outer;
            Names("the unreadable folder is listed in its parent", new[] { locked }, Subfolders(dir));
            dir.DirListIndex = 0;
            dirChanges = 0;
            NoThrow("a double-click on the unreadable folder", () => { DoubleClick(dir); Paint(form); });
            Equal("... opens it", locked, dir.Path);
            Equal("... raising Change", 1, dirChanges);
            Equal("... and shows no subfolders", 0, dir.DirListCount);
            NoThrow("setting Path of both boxes to the unreadable folder", () => { dir.Path = locked; file.Path = locked; Paint(form); });
            Equal("... the file box shows no files", 0, file.Items.Count);
            NoThrow("Refresh of both boxes on the unreadable folder", () => { dir.Refresh(); file.Refresh(); });
            wired.Dir1.Path = outer;
            wired.Dir1.DirListIndex = 0;
            NoThrow("wiring: a double-click on the unreadable folder", () => { DoubleClick(wired.Dir1); Paint(wired); });
            Equal("... File1.Path follows", locked, wired.File1.Path);
            Equal("... and lists nothing", 0, wired.File1.Items.Count);
        }
        Chmod("755", locked);

        wired.Close();
        form.Close();
        Application.DoEvents();
    }
}
