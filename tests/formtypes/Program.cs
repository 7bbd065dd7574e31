// Prints, for each assembly named on the command line, one line per type
// defined in it whose base type is System.Windows.Forms.Form:
//   ASSEMBLY<TAB>NAMESPACE.NAME
// The assembly is read as metadata only, so the framework it targets
// (.NET Framework or .NET) need not be loadable here.
// Exit status: 0, or 2 when a file is not a .NET assembly.
using System;
using System.IO;
using System.Reflection.Metadata;
using System.Reflection.PortableExecutable;

static class FormTypes
{
    static string BaseTypeName(MetadataReader md, EntityHandle handle)
    {
        if (handle.IsNil) return "";
        switch (handle.Kind) {
        case HandleKind.TypeReference: {
            var r = md.GetTypeReference((TypeReferenceHandle)handle);
            return md.GetString(r.Namespace) + "." + md.GetString(r.Name);
        }
        case HandleKind.TypeDefinition: {
            var d = md.GetTypeDefinition((TypeDefinitionHandle)handle);
            return md.GetString(d.Namespace) + "." + md.GetString(d.Name);
        }
        default:
            return "";
        }
    }

    static int Main(string[] args)
    {
        int status = 0;
        foreach (var path in args) {
            try {
                using var stream = File.OpenRead(path);
                using var pe = new PEReader(stream);
                if (!pe.HasMetadata) throw new BadImageFormatException("no metadata");
                var md = pe.GetMetadataReader();
                foreach (var h in md.TypeDefinitions) {
                    var t = md.GetTypeDefinition(h);
                    if (BaseTypeName(md, t.BaseType) != "System.Windows.Forms.Form") continue;
                    var ns = md.GetString(t.Namespace);
                    var name = md.GetString(t.Name);
                    Console.WriteLine(path + "\t" + (ns.Length > 0 ? ns + "." : "") + name);
                }
            } catch (Exception e) when (e is BadImageFormatException || e is IOException) {
                Console.Error.WriteLine(path + ": not a .NET assembly: " + e.Message);
                status = 2;
            }
        }
        return status;
    }
}
