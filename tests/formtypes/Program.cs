// Prints, for each assembly named on the command line, one line per type
// defined in it whose base type is System.Windows.Forms.Form:
//   ASSEMBLY<TAB>NAMESPACE.NAME
// With --members first, each such line is followed by the type's members:
//   ASSEMBLY<TAB>NAMESPACE.NAME<TAB>field<TAB>NAME
//   ASSEMBLY<TAB>NAMESPACE.NAME<TAB>property<TAB>NAME
//   ASSEMBLY<TAB>NAMESPACE.NAME<TAB>method<TAB>NAME
//   ASSEMBLY<TAB>NAMESPACE.NAME<TAB>wires<TAB>METHOD<TAB>HANDLER<TAB>ADDER
// A "wires" line says that the body of METHOD takes the address of HANDLER,
// a method of the same type (ldftn), and then calls ADDER, the first event
// adder (add_...) called after it: that is how Visual Basic compiles a
// Handles clause (in the setter of a WithEvents field's property for
// "Handles field.Event", in the constructor for "Handles MyBase.Event").
// With --references first, it prints instead one line per assembly the
// assembly references:
//   ASSEMBLY<TAB>reference<TAB>NAME
// The assembly is read as metadata only, so the framework it targets
// (.NET Framework or .NET) need not be loadable here.
// Exit status: 0, 1 for a wrong command line, or 2 when a file is not a .NET
// assembly.
using System;
using System.Collections.Generic;
using System.IO;
using System.Reflection.Metadata;
using System.Reflection.Metadata.Ecma335;
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

    // The name of the method a call or ldftn token names, or "".
    static string MethodName(MetadataReader md, int token)
    {
        var handle = MetadataTokens.EntityHandle(token);
        switch (handle.Kind) {
        case HandleKind.MethodDefinition:
            return md.GetString(md.GetMethodDefinition((MethodDefinitionHandle)handle).Name);
        case HandleKind.MemberReference:
            return md.GetString(md.GetMemberReference((MemberReferenceHandle)handle).Name);
        case HandleKind.MethodSpecification: {
            var generic = md.GetMethodSpecification((MethodSpecificationHandle)handle);
            return MethodName(md, MetadataTokens.GetToken(generic.Method));
        }
        default:
            return "";
        }
    }

    // The size of the operand of a one-byte opcode (ECMA-335, Partition III),
    // except the switch's, whose size depends on its count.
    static int OperandSize(byte op)
    {
        if (op >= 0x0E && op <= 0x13) return 1;  // ldarg.s .. stloc.s
        if (op == 0x1F) return 1;                // ldc.i4.s
        if (op >= 0x2B && op <= 0x37) return 1;  // short branches
        if (op == 0xDE) return 1;                // leave.s
        if (op == 0x20 || op == 0x22) return 4;  // ldc.i4, ldc.r4
        if (op == 0x21 || op == 0x23) return 8;  // ldc.i8, ldc.r8
        if (op >= 0x27 && op <= 0x29) return 4;  // jmp, call, calli
        if (op >= 0x38 && op <= 0x44) return 4;  // long branches
        if (op == 0xDD) return 4;                // leave
        if (op == 0x6F || (op >= 0x70 && op <= 0x75) || op == 0x79) return 4;  // callvirt .. isinst, unbox
        if (op >= 0x7B && op <= 0x81) return 4;  // field access, stobj
        if (op == 0x8C || op == 0x8D || op == 0x8F) return 4;  // box, newarr, ldelema
        if (op >= 0xA3 && op <= 0xA5) return 4;  // ldelem, stelem, unbox.any
        if (op == 0xC2 || op == 0xC6 || op == 0xD0) return 4;  // refanyval, mkrefany, ldtoken
        return 0;
    }

    static int TwoByteOperandSize(byte op)
    {
        if (op == 0x06 || op == 0x07) return 4;  // ldftn, ldvirtftn
        if (op >= 0x09 && op <= 0x0E) return 2;  // ldarg .. stloc
        if (op == 0x12 || op == 0x19) return 1;  // unaligned., no.
        if (op == 0x15 || op == 0x16 || op == 0x1C) return 4;  // initobj, constrained., sizeof
        return 0;
    }

    // The (handler, adder) pairs of one method body.
    static List<(string, string)> Wirings(MetadataReader md, PEReader pe, MethodDefinition method,
                                           TypeDefinitionHandle owner)
    {
        var found = new List<(string, string)>();
        if (method.RelativeVirtualAddress == 0) return found;
        var il = pe.GetMethodBody(method.RelativeVirtualAddress).GetILReader();
        var pending = new List<string>();
        while (il.RemainingBytes > 0) {
            byte op = il.ReadByte();
            if (op == 0xFE) {
                byte second = il.ReadByte();
                if (second == 0x06) {
                    var handle = MetadataTokens.EntityHandle(il.ReadInt32());
                    if (handle.Kind == HandleKind.MethodDefinition) {
                        var target = md.GetMethodDefinition((MethodDefinitionHandle)handle);
                        if (target.GetDeclaringType() == owner) pending.Add(md.GetString(target.Name));
                    }
                } else {
                    il.Offset += TwoByteOperandSize(second);
                }
            } else if (op == 0x28 || op == 0x6F) {
                string name = MethodName(md, il.ReadInt32());
                if (name.StartsWith("add_", StringComparison.Ordinal)) {
                    foreach (var handler in pending) found.Add((handler, name));
                    pending.Clear();
                }
            } else if (op == 0x45) {
                int count = il.ReadInt32();
                il.Offset += 4 * count;
            } else {
                il.Offset += OperandSize(op);
            }
        }
        return found;
    }

    static void WriteMembers(MetadataReader md, PEReader pe, TypeDefinitionHandle handle, string prefix)
    {
        var type = md.GetTypeDefinition(handle);
        foreach (var f in type.GetFields())
            Console.WriteLine(prefix + "\tfield\t" + md.GetString(md.GetFieldDefinition(f).Name));
        foreach (var p in type.GetProperties())
            Console.WriteLine(prefix + "\tproperty\t" + md.GetString(md.GetPropertyDefinition(p).Name));
        foreach (var m in type.GetMethods()) {
            var method = md.GetMethodDefinition(m);
            string name = md.GetString(method.Name);
            Console.WriteLine(prefix + "\tmethod\t" + name);
            foreach (var (handler, adder) in Wirings(md, pe, method, handle))
                Console.WriteLine(prefix + "\twires\t" + name + "\t" + handler + "\t" + adder);
        }
    }

    static int Main(string[] args)
    {
        int status = 0;
        bool members = args.Length > 0 && args[0] == "--members";
        bool references = args.Length > 0 && args[0] == "--references";
        int first = members || references ? 1 : 0;
        if (args.Length == first) {
            Console.Error.WriteLine("usage: FormTypes [--members | --references] ASSEMBLY...");
            return 1;
        }
        for (int i = first; i < args.Length; i++) {
            var path = args[i];
            try {
                using var stream = File.OpenRead(path);
                using var pe = new PEReader(stream);
                if (!pe.HasMetadata) throw new BadImageFormatException("no metadata");
                var md = pe.GetMetadataReader();
                if (references) {
                    foreach (var r in md.AssemblyReferences)
                        Console.WriteLine(path + "\treference\t" + md.GetString(md.GetAssemblyReference(r).Name));
                    continue;
                }
                foreach (var h in md.TypeDefinitions) {
                    var t = md.GetTypeDefinition(h);
                    if (BaseTypeName(md, t.BaseType) != "System.Windows.Forms.Form") continue;
                    var ns = md.GetString(t.Namespace);
                    var name = md.GetString(t.Name);
                    var line = path + "\t" + (ns.Length > 0 ? ns + "." : "") + name;
                    Console.WriteLine(line);
                    if (members) WriteMembers(md, pe, h, line);
                }
            } catch (Exception e) when (e is BadImageFormatException || e is IOException) {
                Console.Error.WriteLine(path + ": not a .NET assembly: " + e.Message);
                status = 2;
            }
        }
        return status;
    }
}
