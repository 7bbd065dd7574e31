// Opens compiled form classes in the Windows Forms runtime, one after the
// other in one process, and checks that each looks as its generated lines
// and its description say. Run by tools/formsopen under mono and a virtual X
// server.
//   mono formsopen.exe MANIFEST [REPORT]
// Each MANIFEST line is one form, five fields separated by tabs:
//   ASSEMBLY  VB  JSON  PNG  LABEL
// the compiled assembly holding the form class, the generated .vb it was
// compiled from, the description of the laid-out form that kavel wrote with
// it ("" if none), where to save a picture of the client area ("" for none)
// and the name to report the form under. REPORT, when given, receives every
// control's runtime Location, Size and Visible and every form's ClientSize.
//
// A form passes when it opens without an exception; every control's runtime
// Location and Size equal its generated lines, and the form's ClientSize its
// generated one; every option button that the description hides is not
// visible and every other control is, with a width and a height above 0 in
// its lines; the form's and each control's Text is the text the description
// gives it, character for character; and the form and its visible controls
// painted. The description must tell the truth too: its class and client
// size, and each of its controls' location, size and tab index, equal the
// generated lines and what the runtime shows; it names every control of the
// form, each with the type the runtime made, and each timer's interval.
// Where kavel's picture of the form stands beside the description (the same
// name, .svg), it must tell the same: its client area is the description's
// client size, every visible control is drawn once, clipped to the
// description's rectangle (an option button's in its frame's coordinates,
// as the description has it), no hidden one is drawn, and nothing that the
// description does not name.
// What Mono does differently, and only that, is allowed for: a window is at
// least 1 pixel high, a multiline text box at least 20; text boxes never
// raise Paint, and a list box of 4 pixels or less has no client area to
// paint. Visible sibling controls that overlap are reported, not failed.
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
using System.Json;
using System.Reflection;
using System.Text;
using System.Text.RegularExpressions;
using System.Threading;
using System.Windows.Forms;
using System.Xml;

// What the generated lines say a form should look like.
class Lines
{
    public string ClassName;
    public Size? ClientSize;
    // Lower-case control name (without Visual Basic's brackets) to its lines.
    public Dictionary<string, Point> Locations = new Dictionary<string, Point>();
    public Dictionary<string, Size> Sizes = new Dictionary<string, Size>();
    public Dictionary<string, int> TabIndexes = new Dictionary<string, int>();

    static readonly Regex classLine = new Regex(@"^Public Class (\S+)\s*$");
    // Both the "Point(a, b)" and the narrow "Point(a,b)" forms.
    static readonly Regex locationLine =
        new Regex(@"^\s*Me\.(\S+)\.Location = New System\.Drawing\.Point\((-?\d+), ?(-?\d+)\)\s*$");
    static readonly Regex sizeLine =
        new Regex(@"^\s*Me\.(\S+)\.Size = New System\.Drawing\.Size\((-?\d+), ?(-?\d+)\)\s*$");
    static readonly Regex tabIndexLine = new Regex(@"^\s*Me\.(\S+)\.TabIndex = (-?\d+)\s*$");
    static readonly Regex clientSizeLine =
        new Regex(@"^\s*(?:Me|MyBase)\.ClientSize = New System\.Drawing\.Size\((-?\d+), ?(-?\d+)\)\s*$");

    public static string Bare(string name)
    {
        if (name.StartsWith("[") && name.EndsWith("]")) name = name.Substring(1, name.Length - 2);
        return name.ToLowerInvariant();
    }

    // The .vb is read as Visual Basic reads it: as UTF-8 when it is valid
    // UTF-8, else in the code page of a Western Windows, Windows-1252.
    static string[] Read(string vbPath)
    {
        byte[] bytes = File.ReadAllBytes(vbPath);
        string text;
        try {
            text = new UTF8Encoding(false, true).GetString(bytes);
        } catch (ArgumentException) {
            text = Encoding.GetEncoding(1252).GetString(bytes);
        }
        if (text.Length > 0 && text[0] == '\uFEFF') text = text.Substring(1);
        return text.Replace("\r\n", "\n").Split('\n');
    }

    public static Lines Of(string vbPath)
    {
        var e = new Lines();
        foreach (string line in Read(vbPath)) {
            Match m;
            if (e.ClassName == null && (m = classLine.Match(line)).Success) {
                e.ClassName = Bare(m.Groups[1].Value);
            } else if ((m = locationLine.Match(line)).Success) {
                e.Locations[Bare(m.Groups[1].Value)] =
                    new Point(int.Parse(m.Groups[2].Value), int.Parse(m.Groups[3].Value));
            } else if ((m = sizeLine.Match(line)).Success) {
                e.Sizes[Bare(m.Groups[1].Value)] =
                    new Size(int.Parse(m.Groups[2].Value), int.Parse(m.Groups[3].Value));
            } else if ((m = tabIndexLine.Match(line)).Success) {
                e.TabIndexes[Bare(m.Groups[1].Value)] = int.Parse(m.Groups[2].Value);
            } else if ((m = clientSizeLine.Match(line)).Success) {
                e.ClientSize = new Size(int.Parse(m.Groups[1].Value), int.Parse(m.Groups[2].Value));
            }
        }
        return e;
    }
}

// One control of a description.
class Described
{
    public string Name, Field, Kind, Type;
    public Point? Location;
    public Size? Size;
    public int? TabIndex, Interval;
    public bool Visible;
    public string Text;   // null where the .vb sets no Text
}

// The description of the laid-out form that kavel writes beside the .vb
// (--emit=json): the texts it shows, already decoded, the controls by their
// fields, and which of them the source hides.
class Description
{
    public string ClassName, Caption;
    public Size ClientSize;
    public List<Described> Controls = new List<Described>();

    static JsonValue Member(JsonValue o, string key, JsonType type, string where)
    {
        if (o.JsonType != JsonType.Object || !o.ContainsKey(key))
            throw new FormatException(where + " has no \"" + key + "\"");
        JsonValue v = o[key];
        if (v == null || v.JsonType != type)
            throw new FormatException(where + ": \"" + key + "\" is not a " + type.ToString().ToLowerInvariant());
        return v;
    }

    static bool Has(JsonValue o, string key) { return o.ContainsKey(key) && o[key] != null; }

    static string Text(JsonValue o, string key, string where) { return (string)Member(o, key, JsonType.String, where); }
    static int Number(JsonValue o, string key, string where) { return (int)Member(o, key, JsonType.Number, where); }

    static Size SizeOf(JsonValue o, string key, string where)
    {
        JsonValue v = Member(o, key, JsonType.Object, where);
        return new Size(Number(v, "width", where + " " + key), Number(v, "height", where + " " + key));
    }

    public static Description Of(string jsonPath)
    {
        JsonValue root = JsonValue.Parse(File.ReadAllText(jsonPath, new UTF8Encoding(false, true)));
        if (Number(root, "schema", "the description") != 1)
            throw new FormatException("the description is not of schema 1");
        var d = new Description();
        JsonValue form = Member(root, "form", JsonType.Object, "the description");
        d.ClassName = Text(form, "className", "form");
        if (Has(form, "caption")) d.Caption = Text(form, "caption", "form");
        d.ClientSize = SizeOf(form, "clientSize", "form");
        int i = 0;
        foreach (JsonValue c in Member(root, "controls", JsonType.Array, "the description")) {
            string where = "control " + i++;
            var x = new Described();
            x.Name = Text(c, "name", where);
            x.Field = Text(c, "field", where).ToLowerInvariant();
            where = x.Field;
            x.Kind = Text(c, "kind", where);
            x.Type = Text(c, "type", where);
            x.Visible = !Has(c, "visible") || (bool)Member(c, "visible", JsonType.Boolean, where);
            if (Has(c, "text")) x.Text = Text(c, "text", where);
            if (x.Kind == "timer") {
                x.Interval = Number(c, "interval", where);
            } else {
                JsonValue at = Member(c, "location", JsonType.Object, where);
                x.Location = new Point(Number(at, "x", where + " location"), Number(at, "y", where + " location"));
                x.Size = SizeOf(c, "size", where);
                x.TabIndex = Number(c, "tabIndex", where);
            }
            d.Controls.Add(x);
        }
        return d;
    }
}

// kavel's picture of the laid-out form (--emit=svg): the size of the client
// area it draws, and each control it draws (a group with a data-name), by
// the name the source writes, with the rectangle the group is clipped to,
// null for a group drawn unclipped (the timers in the tray below the client
// area).
class Svg
{
    public Size? ClientArea;
    public List<KeyValuePair<string, Rectangle?>> Drawn = new List<KeyValuePair<string, Rectangle?>>();

    static int Number(XmlElement e, string name)
    {
        return e.HasAttribute(name)
            ? int.Parse(e.GetAttribute(name), System.Globalization.NumberStyles.AllowLeadingSign,
                        System.Globalization.CultureInfo.InvariantCulture)
            : 0;
    }

    public static Svg Of(string svgPath)
    {
        var doc = new XmlDocument { XmlResolver = null };
        doc.Load(svgPath);
        var ns = new XmlNamespaceManager(doc.NameTable);
        ns.AddNamespace("s", "http://www.w3.org/2000/svg");
        var clips = new Dictionary<string, Rectangle>();
        foreach (XmlElement clip in doc.SelectNodes("//s:clipPath", ns)) {
            var r = clip.SelectSingleNode("s:rect", ns) as XmlElement;
            if (r != null)
                clips[clip.GetAttribute("id")] = new Rectangle(Number(r, "x"), Number(r, "y"), Number(r, "width"),
                                                               Number(r, "height"));
        }
        var svg = new Svg();
        foreach (XmlElement g in doc.SelectNodes("//s:g[@data-name]", ns)) {
            string url = g.GetAttribute("clip-path");
            Rectangle? drawn = null;
            if (url != "") {
                Rectangle r;
                if (!url.StartsWith("url(#") || !url.EndsWith(")") ||
                    !clips.TryGetValue(url.Substring(5, url.Length - 6), out r))
                    throw new FormatException("the group of " + g.GetAttribute("data-name") + " is clipped to " + url +
                                              ", which the picture does not define");
                drawn = r;
            }
            svg.Drawn.Add(new KeyValuePair<string, Rectangle?>(g.GetAttribute("data-name"), drawn));
        }
        var area = doc.SelectSingleNode("//s:g[@data-client-area]", ns) as XmlElement;
        if (area != null) {
            string[] wh = area.GetAttribute("data-client-area").Split('x');
            if (wh.Length != 2) throw new FormatException("data-client-area is not WIDTHxHEIGHT");
            svg.ClientArea = new Size(int.Parse(wh[0], System.Globalization.CultureInfo.InvariantCulture),
                                      int.Parse(wh[1], System.Globalization.CultureInfo.InvariantCulture));
        }
        return svg;
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

    // The size Mono gives a control whose lines give it SIZE: a window is at
    // least 1 pixel high, a multiline text box at least 20.
    static Size UnderMono(Size size, Control control)
    {
        if (size.Height < 1) size.Height = 1;
        var text = control as TextBox;
        if (text != null && text.Multiline && size.Height < 20) size.Height = 20;
        return size;
    }

    static Outcome Open(Assembly assembly, string vbPath, string jsonPath, string pngPath, string label,
                        TextWriter report)
    {
        var o = new Outcome { Label = label };
        Lines want;
        try {
            want = Lines.Of(vbPath);
        } catch (Exception e) {
            o.Faults.Add("cannot read the generated file: " + e.Message);
            return o;
        }
        Description description = null;
        try {
            if (jsonPath != "") description = Description.Of(jsonPath);
        } catch (Exception e) {
            o.Faults.Add("cannot read the description: " + e.GetType().Name + ": " + e.Message);
            return o;
        }
        // The picture beside the description, where there is one.
        Svg picture = null;
        string svgPath = jsonPath == "" ? "" : Path.ChangeExtension(jsonPath, ".svg");
        try {
            if (svgPath != "" && File.Exists(svgPath)) picture = Svg.Of(svgPath);
        } catch (Exception e) {
            o.Faults.Add("cannot read the picture: " + e.GetType().Name + ": " + e.Message);
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
            Check(form, type, want, description, picture, pngPath, o, report);
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

    static void Check(Form form, Type type, Lines want, Description description, Svg picture, string pngPath,
                      Outcome o, TextWriter report)
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
            if (control.Size != UnderMono(size, control))
                o.Faults.Add(name + ": Size " + Show(control.Size) + ", lines say " + Show(size));
        }
        foreach (string name in want.Locations.Keys)
            if (!seen.Contains(name)) o.Faults.Add(name + ": has a Location line but no control of that name");

        // Visibility, as the description says the source asks.
        var hiddenOnes = new HashSet<string>();
        var texts = new Dictionary<string, string>();
        if (description != null) {
            foreach (Described d in description.Controls) {
                if (!d.Visible) hiddenOnes.Add(d.Field);
                if (d.Text != null) texts[d.Field] = d.Text;
            }
        }
        foreach (var c in controls) {
            bool hidden = hiddenOnes.Contains(c.Key);
            if (hidden && c.Value.Visible) o.Faults.Add(c.Key + ": shown, but hidden in the source");
            if (!hidden && !c.Value.Visible) o.Faults.Add(c.Key + ": not visible");
            // Mono makes a window of no height 1 pixel high, but nothing
            // can be seen of a control whose lines give it no area.
            Size size;
            if (!hidden && want.Sizes.TryGetValue(c.Key, out size) && (size.Width <= 0 || size.Height <= 0))
                o.Faults.Add(c.Key + ": cannot be seen: its lines give it the size " + Show(size));
        }

        // Texts, character for character as the source has them.
        if (description != null && description.Caption != null && form.Text != description.Caption)
            o.Faults.Add("form Text " + Quote(form.Text) + ", the source says " + Quote(description.Caption));
        foreach (var c in controls) {
            string text;
            if (texts.TryGetValue(c.Key, out text) && c.Value.Text != text)
                o.Faults.Add(c.Key + ": Text " + Quote(c.Value.Text) + ", the source says " + Quote(text));
        }

        if (description != null) CheckDescription(form, type, want, description, controls, o);
        if (picture != null) CheckPicture(description, picture, o);

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

    // The description against the generated lines and the runtime: a
    // description that says otherwise than either is at fault.
    static void CheckDescription(Form form, Type type, Lines want, Description description,
                                 List<KeyValuePair<string, Control>> controls, Outcome o)
    {
        if (description.ClassName.ToLowerInvariant() != want.ClassName)
            o.Faults.Add("the description says class " + description.ClassName + ", the .vb declares " + want.ClassName);
        if (want.ClientSize != null && description.ClientSize != want.ClientSize.Value)
            o.Faults.Add("the description says ClientSize " + Show(description.ClientSize) + ", lines say " +
                         Show(want.ClientSize.Value));
        Size client = description.ClientSize;
        if (client.Height < 1) client.Height = 1;
        if (form.ClientSize != client)
            o.Faults.Add("the description says ClientSize " + Show(description.ClientSize) + ", the runtime shows " +
                         Show(form.ClientSize));

        var runtime = new Dictionary<string, Control>();
        foreach (var c in controls) runtime[c.Key] = c.Value;
        var described = new HashSet<string>();
        foreach (Described d in description.Controls) {
            described.Add(d.Field);
            if (d.Kind == "timer") {
                PropertyInfo p = type.GetProperty(d.Field, BindingFlags.Instance | BindingFlags.Public |
                                                  BindingFlags.NonPublic | BindingFlags.DeclaredOnly | BindingFlags.IgnoreCase);
                var timer = p == null ? null : p.GetValue(form, null) as System.Windows.Forms.Timer;
                if (timer == null)
                    o.Faults.Add(d.Field + ": a timer in the description, but the form has no timer of that name");
                else if (timer.Interval != d.Interval)
                    o.Faults.Add(d.Field + ": Interval " + timer.Interval + ", the description says " + d.Interval);
                continue;
            }
            Control control;
            if (!runtime.TryGetValue(d.Field, out control)) {
                o.Faults.Add(d.Field + ": in the description, but the form has no control of that name");
                continue;
            }
            if (!string.Equals(control.GetType().FullName, d.Type, StringComparison.OrdinalIgnoreCase))
                o.Faults.Add(d.Field + ": a " + control.GetType().FullName + ", the description says " + d.Type);
            var bounds = new Rectangle(d.Location.Value, d.Size.Value);
            Point location;
            Size size;
            if (want.Locations.TryGetValue(d.Field, out location) && want.Sizes.TryGetValue(d.Field, out size) &&
                bounds != new Rectangle(location, size))
                o.Faults.Add(d.Field + ": the description says " + Show(bounds) + ", lines say " +
                             Show(new Rectangle(location, size)));
            if (control.Bounds != new Rectangle(bounds.Location, UnderMono(bounds.Size, control)))
                o.Faults.Add(d.Field + ": the description says " + Show(bounds) + ", the runtime shows " + Show(control.Bounds));
            int tabIndex;
            if (!want.TabIndexes.TryGetValue(d.Field, out tabIndex))
                o.Faults.Add(d.Field + ": the description says TabIndex " + d.TabIndex + ", there is no TabIndex line");
            else if (tabIndex != d.TabIndex)
                o.Faults.Add(d.Field + ": the description says TabIndex " + d.TabIndex + ", lines say " + tabIndex);
            if (control.TabIndex != d.TabIndex)
                o.Faults.Add(d.Field + ": the description says TabIndex " + d.TabIndex + ", the runtime has " + control.TabIndex);
        }
        foreach (var c in controls)
            if (!described.Contains(c.Key)) o.Faults.Add(c.Key + ": not in the description");
    }

    // The picture against the description: the description is held against
    // the lines and the runtime above, so a picture that draws as it says
    // draws the form the runtime shows.
    static void CheckPicture(Description description, Svg picture, Outcome o)
    {
        if (picture.ClientArea == null)
            o.Faults.Add("the picture has no client area");
        else if (picture.ClientArea.Value != description.ClientSize)
            o.Faults.Add("the picture's client area is " + Show(picture.ClientArea.Value) + ", the description's " +
                         Show(description.ClientSize));
        // Names are read as the language reads them, whatever their case.
        var drawn = new Dictionary<string, List<Rectangle?>>(StringComparer.OrdinalIgnoreCase);
        foreach (var g in picture.Drawn) {
            List<Rectangle?> clips;
            if (!drawn.TryGetValue(g.Key, out clips)) drawn[g.Key] = clips = new List<Rectangle?>();
            clips.Add(g.Value);
        }
        var described = new HashSet<string>(StringComparer.OrdinalIgnoreCase);
        foreach (Described d in description.Controls) {
            described.Add(d.Name);
            List<Rectangle?> clips;
            drawn.TryGetValue(d.Name, out clips);
            if (!d.Visible) {
                if (clips != null) o.Faults.Add(d.Field + ": hidden, but drawn in the picture");
                continue;
            }
            if (clips == null) {
                o.Faults.Add(d.Field + ": not drawn in the picture");
                continue;
            }
            if (clips.Count > 1) o.Faults.Add(d.Field + ": drawn " + clips.Count + " times in the picture");
            if (d.Kind == "timer") continue;   // in the tray, where it has no rectangle
            var bounds = new Rectangle(d.Location.Value, d.Size.Value);
            foreach (Rectangle? clip in clips) {
                if (clip == null)
                    o.Faults.Add(d.Field + ": drawn unclipped, the description says " + Show(bounds));
                else if (clip.Value != bounds)
                    o.Faults.Add(d.Field + ": drawn at " + Show(clip.Value) + ", the description says " + Show(bounds));
            }
        }
        foreach (var g in picture.Drawn)
            if (!described.Contains(g.Key)) {
                o.Faults.Add(g.Key + ": drawn in the picture, but not in the description");
                described.Add(g.Key);   // once for each name
            }
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
