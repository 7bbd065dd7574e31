using System;
using System.Collections.Generic;
using System.IO;
using System.Security;

namespace Kavel.Controls
{
    /// <summary>
    /// What the three list boxes read of the file system, read so that a
    /// folder or drive that cannot be read gives what could be read (often
    /// nothing) instead of an exception.
    /// </summary>
    internal static class FileSystemView
    {
        /// <summary>True where paths name the same file whatever their case (Windows).</summary>
        internal static readonly bool CaseInsensitivePaths = Path.DirectorySeparatorChar == '\\';

        internal static readonly StringComparison PathComparison =
            CaseInsensitivePaths ? StringComparison.OrdinalIgnoreCase : StringComparison.Ordinal;

        /// <summary>
        /// The errors that reading a folder, a drive or a path may raise; any
        /// other exception is a fault of ours and is let through.
        /// </summary>
        internal static bool IsFileSystemError(Exception e)
        {
            return e is IOException || e is UnauthorizedAccessException || e is SecurityException
                || e is ArgumentException || e is NotSupportedException || e is InvalidOperationException;
        }

        /// <summary>Names in the order the lists show them: case aside first, then exactly.</summary>
        internal static int CompareNames(string a, string b)
        {
            int order = string.Compare(a, b, StringComparison.OrdinalIgnoreCase);
            return order != 0 ? order : string.CompareOrdinal(a, b);
        }

        internal static bool SamePath(string a, string b)
        {
            return a != null && b != null && string.Equals(a, b, PathComparison);
        }

        /// <summary>
        /// The full form of a folder path as the lists keep it: absolute, with
        /// no separator at its end unless it is a root. A drive letter alone,
        /// or as the drive box of old showed it ("c: [LABEL]"), stands for the
        /// root of that drive. Throws ArgumentException for a path that is not
        /// one (empty, or with characters no path may hold).
        /// </summary>
        internal static string FullFolderPath(string value)
        {
            if (value == null)
                throw new ArgumentNullException("value");
            string text = value.Trim();
            if (text.Length == 0)
                throw new ArgumentException("A folder path cannot be empty.", "value");
            if (CaseInsensitivePaths && text.Length >= 2 && text[1] == ':' && IsLetter(text[0])
                && (text.Length == 2 || (text[2] == ' ' && text.IndexOf('[') > 2 && text.EndsWith("]", StringComparison.Ordinal))))
                text = text.Substring(0, 2) + "\\";
            string full;
            try
            {
                full = Path.GetFullPath(text);
            }
            catch (Exception e) when (e is NotSupportedException || e is PathTooLongException || e is SecurityException)
            {
                throw new ArgumentException("'" + value + "' is not a folder path: " + e.Message, "value", e);
            }
            return TrimSeparators(full);
        }

        internal static string TrimSeparators(string full)
        {
            string root = Path.GetPathRoot(full) ?? "";
            while (full.Length > root.Length && full.Length > 1 && IsSeparator(full[full.Length - 1]))
                full = full.Substring(0, full.Length - 1);
            return full;
        }

        /// <summary>The folder the process runs in, or failing that (a deleted folder) the root.</summary>
        internal static string StartFolder()
        {
            try
            {
                string current = Directory.GetCurrentDirectory();
                if (!string.IsNullOrEmpty(current))
                    return TrimSeparators(Path.GetFullPath(current));
            }
            catch (Exception e) when (IsFileSystemError(e))
            {
            }
            return Path.GetPathRoot(AppDomain.CurrentDomain.BaseDirectory) ?? Path.DirectorySeparatorChar.ToString();
        }

        internal static bool FolderExists(string path)
        {
            try
            {
                return Directory.Exists(path);
            }
            catch (Exception e) when (IsFileSystemError(e))
            {
                return false;
            }
        }

        /// <summary>
        /// The subfolders of a folder that are not hidden or system folders,
        /// in list order; as many as could be read.
        /// </summary>
        internal static List<string> Subfolders(string path)
        {
            var names = new List<string>();
            foreach (DirectoryInfo folder in Read(() => new DirectoryInfo(path).EnumerateDirectories()))
            {
                FileAttributes attributes;
                if (!TryAttributes(folder, out attributes))
                    continue;
                if ((attributes & (FileAttributes.Hidden | FileAttributes.System)) != 0)
                    continue;
                names.Add(folder.Name);
            }
            names.Sort(CompareNames);
            return names;
        }

        /// <summary>The files of a folder with their attributes; as many as could be read.</summary>
        internal static List<KeyValuePair<string, FileAttributes>> Files(string path)
        {
            var files = new List<KeyValuePair<string, FileAttributes>>();
            foreach (FileInfo file in Read(() => new DirectoryInfo(path).EnumerateFiles()))
            {
                FileAttributes attributes;
                if (TryAttributes(file, out attributes) && (attributes & FileAttributes.Directory) == 0)
                    files.Add(new KeyValuePair<string, FileAttributes>(file.Name, attributes));
            }
            return files;
        }

        static bool TryAttributes(FileSystemInfo item, out FileAttributes attributes)
        {
            try
            {
                attributes = item.Attributes;
                return (int)attributes != -1;
            }
            catch (Exception e) when (IsFileSystemError(e))
            {
                attributes = 0;
                return false;
            }
        }

        /// <summary>
        /// The items of an enumeration up to the first error: a folder that
        /// cannot be opened gives none, one that fails half-way what came before.
        /// </summary>
        static List<T> Read<T>(Func<IEnumerable<T>> source)
        {
            var items = new List<T>();
            IEnumerator<T> reader = null;
            try
            {
                reader = source().GetEnumerator();
                while (reader.MoveNext())
                    items.Add(reader.Current);
            }
            catch (Exception e) when (IsFileSystemError(e))
            {
            }
            finally
            {
                if (reader != null)
                {
                    try
                    {
                        reader.Dispose();
                    }
                    catch (Exception e) when (IsFileSystemError(e))
                    {
                    }
                }
            }
            return items;
        }

        static bool IsLetter(char c)
        {
            return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        }

        static bool IsSeparator(char c)
        {
            return c == Path.DirectorySeparatorChar || c == Path.AltDirectorySeparatorChar;
        }
    }
}
