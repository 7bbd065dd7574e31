// Opens compiled form classes in the Windows Forms runtime, one after the
// other in one process, and checks that each looks as its generated lines
// say. Run by tools/formsopen under mono and a virtual X server.
//   mono formsopen.exe MANIFEST [REPORT]
// Each MANIFEST line is one form, five fields separated by tabs:
//   ASSEMBLY  VB  SOURCE  PNG  LABEL
// the compiled assembly holding the form class, the generated .vb it was
// compiled from, the .fms source ("" if unknown), where to save a picture of
// the client area ("" for none) and the name to report the form under.
// REPORT, when given, receives every control's runtime Location, Size and
// Visible and every form's ClientSize.
//
// A form passes when it opens without an exception; every control's runtime
// Location and Size equal its generated lines, and the form's ClientSize its
// generated one; every option button that the source hides is not visible
// and every other control is, with a width and a height above 0 in its
// lines; the form's and each control's Text is the text the source gives it,
// character for character; and the form and its visible controls painted.
// What Mono does differently, and only that, is allowed for: a window is at
// least 1 pixel high, a multiline text box at least 20; text boxes never
// raise Paint, and a list box of 4 pixels or less has no client area to
// paint. Visible sibling controls that overlap are reported, not failed.
//
// Where kavel's description of the form (NAME.json) stands beside the .vb,
// it must give every control the runtime's Bounds (with the same allowances
// for Mono) and the form the runtime's ClientSize; where its picture
// (NAME.svg) stands there too, every visible control must be drawn, clipped
// to the runtime's Bounds (an option button's relative to its frame), no
// hidden one drawn, and its client area must be the runtime's.
//
// Standard output: per failing form a line "FAIL LABEL" and one indented line
// per fault; per overlap "overlap LABEL: A and B"; and a summary line.
// Exit status: 0 every form passed, 1 a form failed, 2 bad usage.
using System;
using System.Collections.Generic;
using System.Diagnostics;
using System.Drawing;
using System.Drawing.Imaging;
using System.IO;
using System.Reflection;
using System.Text;
using System.Text.RegularExpressions;
using System.Threading;
using System.Windows.Forms;
using System.Xml;

// What the generated lines and the source say a form should look like.
class Expectation
{
    public string ClassName;
    public Size? ClientSize;
    // Lower-case control name (without Visual Basic's brackets) to its lines.
    public Dictionary<string, Point> Locations = new Dictionary<string, Point>();
    public Dictionary<string, Size> Sizes = new Dictionary<string, Size>();
    // Option buttons with "visible = false" in the source.
    public HashSet<string> Hidden = new HashSet<string>();
    // The texts the source gives the form and its controls (a text box's
    // label under the label's name), as the source's characters.
    public string FormText;
    public Dictionary<string, string> Texts = new Dictionary<string, string>();
    // What kavel's description and picture beside the .vb say, by lower-case
    // field name; null where there is none.
    public Size? DescribedClientSize;
    public Dictionary<string, Rectangle> Described;
    public Size? DrawnClientSize;
    public Dictionary<string, Rectangle> Drawn;

    static readonly Regex classLine = new Regex(@"^Public Class (\S+)\s*$");
    // Both the "Point(a, b)" and the narrow "Point(a,b)" forms.
    static readonly Regex locationLine =
        new Regex(@"^\s*Me\.(\S+)\.Location = New System\.Drawing\.Point\((-?\d+), ?(-?\d+)\)\s*$");
    static readonly Regex sizeLine =
        new Regex(@"^\s*Me\.(\S+)\.Size = New System\.Drawing\.Size\((-?\d+), ?(-?\d+)\)\s*$");
    static readonly Regex clientSizeLine =
        new Regex(@"^\s*(?:Me|MyBase)\.ClientSize = New System\.Drawing\.Size\((-?\d+), ?(-?\d+)\)\s*$");
    static readonly Regex declarationLine = new Regex(@"^\s*Friend (?:Shadows )?WithEvents (\S+) As (\S+)\s*$");

    public static string Bare(string name)
    {
        if (name.StartsWith("[") && name.EndsWith("]")) name = name.Substring(1, name.Length - 2);
        return name.ToLowerInvariant();
    }

    public static Expectation Read(string vbPath, string sourcePath)
    {
        var e = new Expectation();
        var declared = new List<KeyValuePair<string, string>>();   // name and type, in order
        foreach (string line in File.ReadAllLines(vbPath)) {
            Match m;
            if ((m = declarationLine.Match(line)).Success) {
                declared.Add(new KeyValuePair<string, string>(Bare(m.Groups[1].Value), m.Groups[2].Value));
            } else if (e.ClassName == null && (m = classLine.Match(line)).Success) {
                e.ClassName = Bare(m.Groups[1].Value);
            } else if ((m = locationLine.Match(line)).Success) {
                e.Locations[Bare(m.Groups[1].Value)] =
                    new Point(int.Parse(m.Groups[2].Value), int.Parse(m.Groups[3].Value));
            } else if ((m = sizeLine.Match(line)).Success) {
                e.Sizes[Bare(m.Groups[1].Value)] =
                    new Size(int.Parse(m.Groups[2].Value), int.Parse(m.Groups[3].Value));
            } else if ((m = clientSizeLine.Match(line)).Success) {
                e.ClientSize = new Size(int.Parse(m.Groups[1].Value), int.Parse(m.Groups[2].Value));
            }
        }
        if (sourcePath != "") {
            List<string> words = Words(sourcePath);
            e.Hidden = HiddenOptions(words);
            // A text box's label is declared right after it.
            var labels = new Dictionary<string, string>();
            for (int i = 0; i + 1 < declared.Count; ++i)
                if (declared[i].Value == "System.Windows.Forms.TextBox") labels[declared[i].Key] = declared[i + 1].Key;
            ReadTexts(words, labels, e);
        }
        string description = Path.ChangeExtension(vbPath, ".json");
        if (File.Exists(description)) ReadDescription(description, Path.ChangeExtension(vbPath, ".svg"), e);
        return e;
    }

    // The description's client size and rectangles, and those of the picture.
    static void ReadDescription(string jsonPath, string svgPath, Expectation e)
    {
        var root = (Dictionary<string, object>)Json.Parse(File.ReadAllText(jsonPath, Encoding.UTF8));
        var form = (Dictionary<string, object>)root["form"];
        var client = (Dictionary<string, object>)form["clientSize"];
        e.DescribedClientSize = new Size(Json.Int(client["width"]), Json.Int(client["height"]));
        e.Described = new Dictionary<string, Rectangle>();
        var fieldOf = new Dictionary<string, string>();   // the name as written to the field
        foreach (object item in (List<object>)root["controls"]) {
            var c = (Dictionary<string, object>)item;
            string field = (string)c["field"];
            fieldOf[(string)c["name"]] = field;
            if (!c.ContainsKey("location")) continue;   // a timer
            var at = (Dictionary<string, object>)c["location"];
            var size = (Dictionary<string, object>)c["size"];
            e.Described[field] = new Rectangle(Json.Int(at["x"]), Json.Int(at["y"]),
                                               Json.Int(size["width"]), Json.Int(size["height"]));
        }
        if (!File.Exists(svgPath)) return;
        var svg = new XmlDocument { XmlResolver = null };
        svg.Load(svgPath);
        var ns = new XmlNamespaceManager(svg.NameTable);
        ns.AddNamespace("s", "http://www.w3.org/2000/svg");
        var clips = new Dictionary<string, Rectangle>();
        foreach (XmlElement clip in svg.SelectNodes("//s:clipPath", ns)) {
            var r = (XmlElement)clip.SelectSingleNode("s:rect", ns);
            if (r == null) continue;
            Func<string, int> number = name => r.HasAttribute(name) ? int.Parse(r.GetAttribute(name)) : 0;
            clips[clip.GetAttribute("id")] =
                new Rectangle(number("x"), number("y"), number("width"), number("height"));
        }
        e.Drawn = new Dictionary<string, Rectangle>();
        foreach (XmlElement g in svg.SelectNodes("//s:g[@data-name]", ns)) {
            string field, clip = g.GetAttribute("clip-path");
            Rectangle r;
            if (clip.StartsWith("url(#") && clips.TryGetValue(clip.Substring(5, clip.Length - 6), out r) &&
                fieldOf.TryGetValue(g.GetAttribute("data-name"), out field))
                e.Drawn[field] = r;
        }
        var area = (XmlElement)svg.SelectSingleNode("//s:g[@data-client-area]", ns);
        if (area != null) {
            string[] wh = area.GetAttribute("data-client-area").Split('x');
            e.DrawnClientSize = new Size(int.Parse(wh[0]), int.Parse(wh[1]));
        }
    }

    // The words of a source. Its words are case-insensitive, an apostrophe
    // starts a comment and a quoted text runs to the next double quote on its
    // line; a text is kept as the word "\"" followed by its bytes, one char
    // each (the source is read as ISO-8859-1 for that).
    static List<string> Words(string sourcePath)
    {
        var words = new List<string>();
        foreach (string line in File.ReadAllLines(sourcePath, Encoding.GetEncoding("iso-8859-1"))) {
            var word = new StringBuilder();
            for (int i = 0; i <= line.Length; ++i) {
                char c = i < line.Length ? line[i] : '\n';
                if (c < 128 && char.IsLetterOrDigit(c)) { word.Append(char.ToLowerInvariant(c)); continue; }
                if (word.Length > 0) { words.Add(word.ToString()); word.Clear(); }
                if (c == '=') words.Add("=");
                else if (c == '"') {
                    int close = line.IndexOf('"', i + 1);
                    words.Add("\"" + (close < 0 ? line.Substring(i + 1) : line.Substring(i + 1, close - i - 1)));
                    i = close < 0 ? line.Length : close;
                } else if (c == '\'') break;
            }
            words.Add("\n");
        }
        return words;
    }

    // The characters of Windows-1252 0x80 to 0x9F; the other bytes are their
    // own code, and so are the five the code page leaves free, as Windows
    // reads them.
    static readonly int[] windows1252 = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

    static byte[] BytesOf(string word)
    {
        var bytes = new byte[word.Length - 1];
        for (int i = 1; i < word.Length; ++i) bytes[i - 1] = (byte)word[i];
        return bytes;
    }

    // The texts of the source as characters: its texts are read together,
    // as UTF-8 when all of them are valid UTF-8, else as Windows-1252 (one
    // source file, read in one encoding).
    static void ReadTexts(List<string> words, Dictionary<string, string> labels, Expectation e)
    {
        var strict = new UTF8Encoding(false, true);
        bool utf8 = true;
        foreach (string w in words) {
            if (!w.StartsWith("\"")) continue;
            try { strict.GetString(BytesOf(w)); } catch (ArgumentException) { utf8 = false; }
        }
        Func<string, string> decode = w => {
            byte[] bytes = BytesOf(w);
            if (utf8) return strict.GetString(bytes);
            var text = new StringBuilder();
            foreach (byte b in bytes) text.Append((char)(b >= 0x80 && b < 0xA0 ? windows1252[b - 0x80] : b));
            return text.ToString();
        };
        Func<int, string, string> attribute = (from, name) => {   // the text of the next such attribute
            for (int j = from; j + 2 < words.Count; ++j)
                if (words[j] == name && words[j + 1] == "=" && words[j + 2].StartsWith("\"")) return decode(words[j + 2]);
            return null;
        };
        bool inForm = true;
        for (int i = 0; i + 1 < words.Count; ++i) {
            string w = words[i];
            if (w == "section") inForm = false;
            if (inForm && w == "caption" && e.FormText == null) e.FormText = attribute(i, "caption");
            if (w == "commandbutton" || w == "checkbox" || w == "frame" || w == "optionbutton") {
                string text = attribute(i + 2, "caption");
                if (text != null) e.Texts[words[i + 1]] = text;
            } else if (w == "textbox") {
                e.Texts[words[i + 1]] = "";
                string label, text = attribute(i + 2, "label");
                if (text != null && labels.TryGetValue(words[i + 1], out label)) e.Texts[label] = text;
            }
        }
    }

    // The option buttons that a source declares with "visible = false"; an
    // option button's attributes end at its "end".
    static HashSet<string> HiddenOptions(List<string> words)
    {
        var hidden = new HashSet<string>();
        for (int i = 0; i + 1 < words.Count; ++i) {
            if (words[i] != "optionbutton") continue;
            string name = words[i + 1];
            for (int j = i + 2; j < words.Count && words[j] != "end"; ++j)
                if (words[j] == "visible" && j + 2 < words.Count && words[j + 1] == "=" && words[j + 2] == "false")
                    hidden.Add(name);
        }
        return hidden;
    }
}

// Just enough JSON for kavel's description: objects, arrays, strings,
// numbers, true, false and null.
static class Json
{
    public static object Parse(string text)
    {
        int at = 0;
        object value = Value(text, ref at);
        Blanks(text, ref at);
        if (at != text.Length) throw new FormatException("JSON: text after the value at " + at);
        return value;
    }

    public static int Int(object number) { return (int)(double)number; }

    static void Blanks(string t, ref int at)
    {
        while (at < t.Length && (t[at] == ' ' || t[at] == '\t' || t[at] == '\n' || t[at] == '\r')) ++at;
    }

    static object Value(string t, ref int at)
    {
        Blanks(t, ref at);
        if (at >= t.Length) throw new FormatException("JSON: the text ends where a value is due");
        char c = t[at];
        if (c == '{') {
            var o = new Dictionary<string, object>();
            ++at;
            Blanks(t, ref at);
            if (t[at] == '}') { ++at; return o; }
            for (;;) {
                Blanks(t, ref at);
                string key = String(t, ref at);
                Blanks(t, ref at);
                Expect(t, ref at, ':');
                o[key] = Value(t, ref at);
                Blanks(t, ref at);
                if (t[at] == ',') { ++at; continue; }
                Expect(t, ref at, '}');
                return o;
            }
        }
        if (c == '[') {
            var a = new List<object>();
            ++at;
            Blanks(t, ref at);
            if (t[at] == ']') { ++at; return a; }
            for (;;) {
                a.Add(Value(t, ref at));
                Blanks(t, ref at);
                if (t[at] == ',') { ++at; continue; }
                Expect(t, ref at, ']');
                return a;
            }
        }
        if (c == '"') return String(t, ref at);
        foreach (string word in new[] { "true", "false", "null" })
            if (string.CompareOrdinal(t, at, word, 0, word.Length) == 0) {
                at += word.Length;
                return word == "null" ? null : (object)(word == "true");
            }
        int start = at;
        while (at < t.Length && "+-0123456789.eE".IndexOf(t[at]) >= 0) ++at;
        if (at == start) throw new FormatException("JSON: unexpected '" + c + "' at " + at);
        return double.Parse(t.Substring(start, at - start), System.Globalization.CultureInfo.InvariantCulture);
    }

    static void Expect(string t, ref int at, char c)
    {
        if (at >= t.Length || t[at] != c) throw new FormatException("JSON: '" + c + "' expected at " + at);
        ++at;
    }

    static string String(string t, ref int at)
    {
        Expect(t, ref at, '"');
        var s = new StringBuilder();
        while (t[at] != '"') {
            char c = t[at++];
            if (c != '\\') { s.Append(c); continue; }
            char e = t[at++];
            switch (e) {
            case 'n': s.Append('\n'); break;
            case 't': s.Append('\t'); break;
            case 'r': s.Append('\r'); break;
            case 'b': s.Append('\b'); break;
            case 'f': s.Append('\f'); break;
            case 'u': s.Append((char)Convert.ToInt32(t.Substring(at, 4), 16)); at += 4; break;
            default: s.Append(e); break;
            }
        }
        ++at;
        return s.ToString();
    }
}

class Outcome
{
    public string Label;
    public bool Opened;
    public List<string> Faults = new List<string>();
    public List<string> Overlaps = new List<string>();
}

static class FormsOpen
{
    const int PaintTimeoutMs = 3000;

    static Outcome current;   // the form being opened, for exceptions raised in its events

    static int Main(string[] args)
    {
        if (args.Length < 1 || args.Length > 2) {
            Console.Error.WriteLine("usage: mono formsopen.exe MANIFEST [REPORT]");
            return 2;
        }
        // Windows Forms reaches the X display in a type initializer the first
        // time a control is made; if that fails, every form of this process
        // would fail with it, so it is tried once here, and a failure is the
        // display's, not a form's: status 3, and the caller may start over.
        try {
            new Control().Dispose();
        } catch (Exception e) {
            Console.Error.WriteLine("formsopen: the X display cannot be used: " + Describe(e, null));
            return 3;
        }
        Application.SetUnhandledExceptionMode(UnhandledExceptionMode.CatchException);
        Application.ThreadException += (sender, e) => {
            if (current != null) current.Faults.Add("exception while shown: " + Describe(e.Exception, null));
        };
        TextWriter report = args.Length > 1 ? new StreamWriter(args[1]) : TextWriter.Null;
        var loaded = new Dictionary<string, Assembly>();
        int forms = 0, opened = 0, failed = 0, overlaps = 0, overlapForms = 0;
        var timer = Stopwatch.StartNew();
        foreach (string line in File.ReadAllLines(args[0])) {
            if (line == "") continue;
            string[] f = line.Split('\t');
            if (f.Length != 5) {
                Console.Error.WriteLine("formsopen: bad manifest line: " + line);
                return 2;
            }
            Assembly assembly;
            if (!loaded.TryGetValue(f[0], out assembly)) loaded[f[0]] = assembly = Assembly.LoadFrom(f[0]);
            Outcome o = Open(assembly, f[1], f[2], f[3], f[4], report);
            ++forms;
            if (o.Opened) ++opened;
            if (o.Faults.Count > 0) {
                ++failed;
                Console.WriteLine("FAIL " + o.Label);
                foreach (string fault in o.Faults) Console.WriteLine("    " + fault);
            }
            if (o.Overlaps.Count > 0) ++overlapForms;
            foreach (string overlap in o.Overlaps) {
                ++overlaps;
                Console.WriteLine("overlap " + o.Label + ": " + overlap);
            }
            Console.Out.Flush();
        }
        report.Close();
        Console.WriteLine("formsopen: {0} forms in {1:0.0} s: {2} opened, {3} passed, {4} failed, {5} overlaps in {6} forms",
                          forms, timer.Elapsed.TotalSeconds, opened, forms - failed, failed, overlaps, overlapForms);
        return failed == 0 ? 0 : 1;
    }

    // An exception in one line: its type and message, and where the form's
    // own code raised it (with the line of the .vb when its symbols exist).
    static string Describe(Exception e, Type formType)
    {
        while (e is TargetInvocationException && e.InnerException != null) e = e.InnerException;
        string text = e.GetType().FullName + ": " + e.Message.Replace("\n", " ").Replace("\r", "");
        // A type initializer's failure says its cause only in its innermost exception.
        if (e is TypeInitializationException) {
            Exception cause = e;
            while (cause.InnerException != null) cause = cause.InnerException;
            if (cause != e)
                text += " (" + cause.GetType().FullName + ": " + cause.Message.Replace("\n", " ").Replace("\r", "") + ")";
        }
        var trace = new StackTrace(e, true);
        for (int i = 0; i < trace.FrameCount; ++i) {
            StackFrame frame = trace.GetFrame(i);
            MethodBase method = frame.GetMethod();
            if (method == null || formType == null || method.DeclaringType != formType) continue;
            text += " (in " + method.Name;
            if (frame.GetFileLineNumber() > 0)
                text += ", line " + frame.GetFileLineNumber() + " of " + Path.GetFileName(frame.GetFileName());
            return text + ")";
        }
        return text;
    }

    // The form's controls: the members of its class that hold one. Visual
    // Basic makes each WithEvents field a property of the field's name, and
    // not every control has a Name line, so the members are what names them.
    static List<KeyValuePair<string, Control>> Controls(Form form)
    {
        var list = new List<KeyValuePair<string, Control>>();
        var flags = BindingFlags.Instance | BindingFlags.Public | BindingFlags.NonPublic | BindingFlags.DeclaredOnly;
        foreach (PropertyInfo p in form.GetType().GetProperties(flags)) {
            if (p.GetIndexParameters().Length != 0 || !typeof(Control).IsAssignableFrom(p.PropertyType)) continue;
            var control = p.GetValue(form, null) as Control;
            if (control != null) list.Add(new KeyValuePair<string, Control>(p.Name.ToLowerInvariant(), control));
        }
        return list;
    }

    // A text in double quotes, with every character outside printable ASCII
    // by its code.
    static string Quote(string text)
    {
        var s = new StringBuilder("\"");
        foreach (char c in text) {
            if (c >= 32 && c < 127) s.Append(c);
            else s.AppendFormat("<U+{0:X4}>", (int)c);
        }
        return s.Append('"').ToString();
    }

    static string Show(Point p) { return "(" + p.X + ", " + p.Y + ")"; }
    static string Show(Size s) { return "(" + s.Width + ", " + s.Height + ")"; }

    // Whether a visible control can be expected to raise Paint under Mono.
    static bool Paints(Control c)
    {
        if (c is TextBoxBase) return false;
        if (c is ListBox && c.Height <= 4) return false;
        return true;
    }

    static Outcome Open(Assembly assembly, string vbPath, string sourcePath, string pngPath, string label,
                        TextWriter report)
    {
        var o = new Outcome { Label = label };
        Expectation want;
        try {
            want = Expectation.Read(vbPath, sourcePath);
        } catch (Exception e) {
            o.Faults.Add("cannot read the generated file or the source: " + e.Message);
            return o;
        }
        Type type = want.ClassName == null ? null : assembly.GetType(want.ClassName, false, true);
        if (type == null || !typeof(Form).IsAssignableFrom(type)) {
            o.Faults.Add("no form class " + (want.ClassName ?? "(no Public Class line)") + " in " + Path.GetFileName(assembly.Location));
            return o;
        }
        Form form;
        try {
            form = (Form)Activator.CreateInstance(type);
        } catch (Exception e) {
            o.Faults.Add("exception while created: " + Describe(e, type));
            return o;
        }
        current = o;
        try {
            Check(form, type, want, pngPath, o, report);
        } catch (Exception e) {
            o.Faults.Add("exception while opened: " + Describe(e, type));
        } finally {
            try {
                form.Close();
                form.Dispose();
                Application.DoEvents();
            } catch (Exception e) {
                o.Faults.Add("exception while closed: " + Describe(e, type));
            }
            current = null;
        }
        return o;
    }

    static void Check(Form form, Type type, Expectation want, string pngPath, Outcome o, TextWriter report)
    {
#pragma warning disable 618   // AutoScale: the generated class sets AutoScaleBaseSize
        form.AutoScale = false;
#pragma warning restore 618
        form.AutoScaleMode = AutoScaleMode.None;
        // There is no window manager: put the window where the picture is taken.
        form.StartPosition = FormStartPosition.Manual;
        form.Location = Point.Empty;
        List<KeyValuePair<string, Control>> controls = Controls(form);
        var painted = new HashSet<Control>();
        PaintEventHandler paint = (sender, e) => painted.Add((Control)sender);
        form.Paint += paint;
        foreach (var c in controls) {
            // Mono rounds a list box's height to whole rows unless told not to.
            var list = c.Value as ListBox;
            if (list != null) list.IntegralHeight = false;
            c.Value.Paint += paint;
        }

        form.Show();
        o.Opened = true;
        var clock = Stopwatch.StartNew();
        Func<bool> allPainted = () => {
            if (!painted.Contains(form)) return false;
            foreach (var c in controls)
                if (c.Value.Visible && Paints(c.Value) && !painted.Contains(c.Value)) return false;
            return true;
        };
        while (!allPainted() && clock.ElapsedMilliseconds < PaintTimeoutMs) {
            Application.DoEvents();
            Thread.Sleep(1);
        }
        // A picture taken right after the last paint is black: once more.
        Application.DoEvents();

        report.WriteLine("form {0} class {1} ClientSize {2}", o.Label, type.Name, Show(form.ClientSize));
        foreach (var c in controls)
            report.WriteLine("    {0} {1} Location {2} Size {3} Visible {4}", c.Key, c.Value.GetType().Name,
                             Show(c.Value.Location), Show(c.Value.Size), c.Value.Visible);

        // Position and size.
        if (want.ClientSize == null) {
            o.Faults.Add("no ClientSize line");
        } else {
            Size expected = want.ClientSize.Value;
            if (expected.Height < 1) expected.Height = 1;   // a window is at least 1 pixel high
            if (form.ClientSize != expected)
                o.Faults.Add("form ClientSize " + Show(form.ClientSize) + ", lines say " + Show(want.ClientSize.Value));
        }
        var seen = new HashSet<string>();
        foreach (var c in controls) {
            string name = c.Key;
            Control control = c.Value;
            seen.Add(name);
            Point location;
            Size size;
            if (!want.Locations.TryGetValue(name, out location) || !want.Sizes.TryGetValue(name, out size)) {
                o.Faults.Add(name + ": no Location or no Size line");
                continue;
            }
            if (control.Location != location)
                o.Faults.Add(name + ": Location " + Show(control.Location) + ", lines say " + Show(location));
            Size expected = size;
            if (expected.Height < 1) expected.Height = 1;
            var text = control as TextBox;
            if (text != null && text.Multiline && expected.Height < 20) expected.Height = 20;
            if (control.Size != expected)
                o.Faults.Add(name + ": Size " + Show(control.Size) + ", lines say " + Show(size));
        }
        foreach (string name in want.Locations.Keys)
            if (!seen.Contains(name)) o.Faults.Add(name + ": has a Location line but no control of that name");

        // kavel's description and picture, against the runtime.
        if (want.Described != null) {
            Size client = want.DescribedClientSize.Value;
            if (client.Height < 1) client.Height = 1;
            if (form.ClientSize != client)
                o.Faults.Add("form ClientSize " + Show(form.ClientSize) + ", the description says " +
                             Show(want.DescribedClientSize.Value));
            if (want.Drawn != null && want.DrawnClientSize != want.DescribedClientSize)
                o.Faults.Add("the picture's client area is " +
                             (want.DrawnClientSize == null ? "missing" : Show(want.DrawnClientSize.Value)) +
                             ", the description's " + Show(want.DescribedClientSize.Value));
            foreach (var c in controls) {
                Rectangle described, drawn;
                if (!want.Described.TryGetValue(c.Key, out described)) {
                    o.Faults.Add(c.Key + ": not in the description");
                    continue;
                }
                Rectangle expected = described;
                if (expected.Height < 1) expected.Height = 1;
                var box = c.Value as TextBox;
                if (box != null && box.Multiline && expected.Height < 20) expected.Height = 20;
                if (c.Value.Bounds != expected)
                    o.Faults.Add(c.Key + ": Bounds " + Show(c.Value.Bounds) + ", the description says " + Show(described));
                if (want.Drawn == null) continue;
                bool isDrawn = want.Drawn.TryGetValue(c.Key, out drawn);
                if (!c.Value.Visible && isDrawn) o.Faults.Add(c.Key + ": hidden, but drawn in the picture");
                if (c.Value.Visible && !isDrawn) o.Faults.Add(c.Key + ": not drawn in the picture");
                if (c.Value.Visible && isDrawn && drawn != described)
                    o.Faults.Add(c.Key + ": drawn at " + Show(drawn) + ", the description says " + Show(described));
            }
        }

        // Visibility, as the source asks.
        foreach (var c in controls) {
            bool hidden = want.Hidden.Contains(c.Key);
            if (hidden && c.Value.Visible) o.Faults.Add(c.Key + ": shown, but hidden in the source");
            if (!hidden && !c.Value.Visible) o.Faults.Add(c.Key + ": not visible");
            // Mono makes a window of no height 1 pixel high, but nothing
            // can be seen of a control whose lines give it no area.
            Size size;
            if (!hidden && want.Sizes.TryGetValue(c.Key, out size) && (size.Width <= 0 || size.Height <= 0))
                o.Faults.Add(c.Key + ": cannot be seen: its lines give it the size " + Show(size));
        }

        // Texts, character for character as the source has them.
        if (want.FormText != null && form.Text != want.FormText)
            o.Faults.Add("form Text " + Quote(form.Text) + ", the source says " + Quote(want.FormText));
        foreach (var c in controls) {
            string text;
            if (want.Texts.TryGetValue(c.Key, out text) && c.Value.Text != text)
                o.Faults.Add(c.Key + ": Text " + Quote(c.Value.Text) + ", the source says " + Quote(text));
        }

        // Painting.
        if (!painted.Contains(form)) o.Faults.Add("the form did not paint");
        var unpainted = new List<string>();
        foreach (var c in controls)
            if (c.Value.Visible && Paints(c.Value) && !painted.Contains(c.Value)) unpainted.Add(c.Key);
        if (unpainted.Count > 0) o.Faults.Add("did not paint: " + string.Join(", ", unpainted.ToArray()));

        // Visible siblings that overlap.
        for (int i = 0; i < controls.Count; ++i) {
            Control a = controls[i].Value;
            if (!a.Visible) continue;
            for (int j = i + 1; j < controls.Count; ++j) {
                Control b = controls[j].Value;
                if (!b.Visible || a.Parent != b.Parent) continue;
                Rectangle both = Rectangle.Intersect(a.Bounds, b.Bounds);
                if (both.Width > 0 && both.Height > 0)
                    o.Overlaps.Add(controls[i].Key + " " + Show(a.Bounds) + " and " + controls[j].Key + " " + Show(b.Bounds));
            }
        }

        if (pngPath != "") Picture(form, pngPath, o);
    }

    static bool Black(Bitmap bitmap)
    {
        BitmapData data = bitmap.LockBits(new Rectangle(Point.Empty, bitmap.Size), ImageLockMode.ReadOnly,
                                           PixelFormat.Format24bppRgb);
        try {
            var row = new byte[bitmap.Width * 3];
            for (int y = 0; y < bitmap.Height; ++y) {
                System.Runtime.InteropServices.Marshal.Copy(data.Scan0 + y * data.Stride, row, 0, row.Length);
                foreach (byte b in row)
                    if (b != 0) return false;
            }
            return true;
        } finally {
            bitmap.UnlockBits(data);
        }
    }

    static string Show(Rectangle r) { return "(" + r.X + ", " + r.Y + ", " + r.Width + ", " + r.Height + ")"; }

    // The client area as the screen shows it. (DrawToBitmap draws only the
    // background under Mono.)
    static void Picture(Form form, string pngPath, Outcome o)
    {
        Size size = form.ClientSize;
        if (size.Width < 1 || size.Height < 1) {
            o.Faults.Add("no picture: the client area is empty");
            return;
        }
        Point corner = form.PointToScreen(Point.Empty);
        using (Bitmap bitmap = XScreen.Grab(corner, size) ?? CopyFromScreen(corner, size)) {
            if (Black(bitmap)) o.Faults.Add("the picture is black");
            bitmap.Save(pngPath, ImageFormat.Png);
        }
    }

    static Bitmap CopyFromScreen(Point corner, Size size)
    {
        var bitmap = new Bitmap(size.Width, size.Height, PixelFormat.Format24bppRgb);
        using (Graphics g = Graphics.FromImage(bitmap))
            g.CopyFromScreen(corner, Point.Empty, size);
        return bitmap;
    }
}

// A rectangle of the X screen in one request. Graphics.CopyFromScreen does
// the same under Mono but reads the pixels one by one, some 50 ms for a
// large form; this takes a few. Null when the screen is not one of 24 or 32
// bits a pixel, or there is no display: the caller then falls back on
// CopyFromScreen.
static class XScreen
{
    [System.Runtime.InteropServices.DllImport("libX11.so.6")]
    static extern IntPtr XOpenDisplay(IntPtr name);
    [System.Runtime.InteropServices.DllImport("libX11.so.6")]
    static extern IntPtr XDefaultRootWindow(IntPtr display);
    [System.Runtime.InteropServices.DllImport("libX11.so.6")]
    static extern IntPtr XGetImage(IntPtr display, IntPtr drawable, int x, int y, uint width, uint height,
                                   UIntPtr planes, int format);
    [System.Runtime.InteropServices.DllImport("libX11.so.6")]
    static extern int XDestroyImage(IntPtr image);
    [System.Runtime.InteropServices.DllImport("libX11.so.6")]
    static extern int XSync(IntPtr display, bool discard);

    // The first fields of Xlib's XImage, as laid out on a 64-bit machine.
    [System.Runtime.InteropServices.StructLayout(System.Runtime.InteropServices.LayoutKind.Sequential)]
    struct XImage
    {
        public int width, height, xoffset, format;
        public IntPtr data;
        public int byteOrder, bitmapUnit, bitmapBitOrder, bitmapPad, depth, bytesPerLine, bitsPerPixel;
    }

    const int ZPixmap = 2;
    static IntPtr display;
    static bool failed;

    public static Bitmap Grab(Point corner, Size size)
    {
        if (failed || IntPtr.Size != 8) return null;
        try {
            if (display == IntPtr.Zero) display = XOpenDisplay(IntPtr.Zero);
            if (display == IntPtr.Zero) { failed = true; return null; }
            XSync(display, false);
            IntPtr handle = XGetImage(display, XDefaultRootWindow(display), corner.X, corner.Y,
                                      (uint)size.Width, (uint)size.Height, new UIntPtr(ulong.MaxValue), ZPixmap);
            if (handle == IntPtr.Zero) return null;
            try {
                var image = (XImage)System.Runtime.InteropServices.Marshal.PtrToStructure(handle, typeof(XImage));
                if (image.bitsPerPixel != 32 || image.byteOrder != 0 || image.width != size.Width ||
                    image.height != size.Height) {
                    failed = true;
                    return null;
                }
                // Least significant byte first, 32 bits a pixel: blue, green,
                // red and a byte of nothing, as a 32-bit RGB bitmap has them.
                var bitmap = new Bitmap(size.Width, size.Height, PixelFormat.Format32bppRgb);
                BitmapData data = bitmap.LockBits(new Rectangle(Point.Empty, size), ImageLockMode.WriteOnly,
                                                  PixelFormat.Format32bppRgb);
                var row = new byte[size.Width * 4];
                for (int y = 0; y < size.Height; ++y) {
                    System.Runtime.InteropServices.Marshal.Copy(image.data + y * image.bytesPerLine, row, 0, row.Length);
                    System.Runtime.InteropServices.Marshal.Copy(row, 0, data.Scan0 + y * data.Stride, row.Length);
                }
                bitmap.UnlockBits(data);
                return bitmap;
            } finally {
                XDestroyImage(handle);
            }
        } catch (DllNotFoundException) {
            failed = true;
            return null;
        } catch (EntryPointNotFoundException) {
            failed = true;
            return null;
        }
    }
}
