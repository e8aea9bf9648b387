#include "SimGenicamXml.h"

#include <algorithm>
#include <cstdio>

namespace {

const char* VisibilityName(SimVisibility visibility)
{
    switch (visibility) {
    case SimVisibility::Beginner:
        return "Beginner";
    case SimVisibility::Expert:
        return "Expert";
    case SimVisibility::Guru:
        return "Guru";
    case SimVisibility::Invisible:
        return "Invisible";
    }
    return "Beginner";
}

const char* AccessName(SimAccess access)
{
    switch (access) {
    case SimAccess::ReadOnly:
        return "RO";
    case SimAccess::ReadWrite:
        return "RW";
    case SimAccess::WriteOnly:
        return "WO";
    }
    return "RW";
}

std::string Escaped(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string Hex(uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%x", value);
    return text;
}

std::string Number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", value);
    return text;
}

std::string Element(const char* tag, const std::string& value)
{
    return std::string("<") + tag + ">" + value + "</" + tag + ">";
}

std::string RegisterName(const SimFeature& f)
{
    return f.name + "Reg";
}

std::string CommonElements(const SimFeature& f)
{
    std::string xml = Element("Visibility", VisibilityName(f.visibility));
    if (f.lockedWhileStreaming)
        xml += Element("pIsLocked", "TLParamsLockedReg");
    return xml;
}

std::string ValueElement(const SimFeature& f)
{
    return Element("pValue", f.valueNode.empty() ? RegisterName(f) : f.valueNode);
}

std::string FeatureNode(const SimFeature& f)
{
    const std::string open = " Name=\"" + f.name + "\" NameSpace=\"Custom\">";
    switch (f.kind) {
    case SimFeatureKind::Integer: {
        std::string xml = "<Integer" + open + CommonElements(f) + ValueElement(f);
        xml += Element("Min", std::to_string(f.min));
        xml += f.maxNode.empty() ? Element("Max", std::to_string(f.max)) : Element("pMax", f.maxNode);
        xml += Element("Inc", std::to_string(f.increment));
        if (!f.representation.empty())
            xml += Element("Representation", f.representation);
        if (!f.unit.empty())
            xml += Element("Unit", f.unit);
        return xml + "</Integer>";
    }
    case SimFeatureKind::Float: {
        std::string xml = "<Float" + open + CommonElements(f) + ValueElement(f);
        xml += Element("Min", Number(f.floatMin)) + Element("Max", Number(f.floatMax));
        if (!f.unit.empty())
            xml += Element("Unit", f.unit);
        return xml + "</Float>";
    }
    case SimFeatureKind::Enumeration: {
        std::string xml = "<Enumeration" + open + CommonElements(f);
        for (const SimEnumEntry& entry : f.entries) {
            xml += "<EnumEntry Name=\"" + entry.name + "\" NameSpace=\"Custom\">";
            if (!entry.availability.empty())
                xml += Element("pIsAvailable", entry.availability);
            xml += Element("Value", std::to_string(entry.value)) + "</EnumEntry>";
        }
        return xml + ValueElement(f) + "</Enumeration>";
    }
    case SimFeatureKind::Boolean:
        return "<Boolean" + open + CommonElements(f) + ValueElement(f) + Element("OnValue", "1") +
               Element("OffValue", "0") + "</Boolean>";
    case SimFeatureKind::Command:
        return "<Command" + open + CommonElements(f) + ValueElement(f) +
               Element("CommandValue", std::to_string(f.commandValue)) + "</Command>";
    case SimFeatureKind::String:
        return "<StringReg" + open + CommonElements(f) + Element("Address", Hex(f.address)) +
               Element("Length", std::to_string(f.length)) + Element("AccessMode", AccessName(f.access)) +
               Element("pPort", "Device") + Element("Cachable", "NoCache") + "</StringReg>";
    }
    return {};
}

std::string RegisterNode(const SimFeature& f)
{
    const std::string location = Element("Address", Hex(f.address)) + Element("Length", std::to_string(f.length)) +
                                 Element("AccessMode", AccessName(f.access)) + Element("pPort", "Device") +
                                 Element("Cachable", "NoCache");
    const std::string open = " Name=\"" + RegisterName(f) + "\" NameSpace=\"Custom\">";
    if (f.kind == SimFeatureKind::Float)
        return "<FloatReg" + open + location + Element("Endianess", "BigEndian") + "</FloatReg>";
    if (f.masked) {
        const std::string bits = f.msb == f.lsb
                                     ? Element("Bit", std::to_string(f.lsb))
                                     : Element("LSB", std::to_string(f.lsb)) + Element("MSB", std::to_string(f.msb));
        return "<MaskedIntReg" + open + location + bits + Element("Sign", "Unsigned") +
               Element("Endianess", "BigEndian") + "</MaskedIntReg>";
    }
    return "<IntReg" + open + location + Element("Sign", "Unsigned") + Element("Endianess", "BigEndian") + "</IntReg>";
}

bool HasOwnRegister(const SimFeature& f)
{
    return f.address != 0 && f.valueNode.empty() && f.kind != SimFeatureKind::String;
}

} // namespace

std::string BuildSimGenicamXml(const SimFeatureTable& table, const SimOptions& options)
{
    auto included = [&options](const SimFeature& f) {
        return std::find(options.without.begin(), options.without.end(), f.name) == options.without.end();
    };

    std::string xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";
    xml += "<RegisterDescription ModelName=\"" + Escaped(SimModelName(options)) +
           "\" VendorName=\"Norvane\" ToolTip=\"Lumivex simulated camera\" StandardNameSpace=\"None\""
           " SchemaMajorVersion=\"1\" SchemaMinorVersion=\"1\" SchemaSubMinorVersion=\"0\""
           " MajorVersion=\"1\" MinorVersion=\"0\" SubMinorVersion=\"0\" ProductGuid=\"0\" VersionGuid=\"0\""
           " xmlns=\"http://www.genicam.org/GenApi/Version_1_1\">\n";

    xml += "<Category Name=\"Root\" NameSpace=\"Standard\">";
    for (const std::string& category : table.Categories())
        xml += Element("pFeature", category);
    xml += "</Category>\n";
    for (const std::string& category : table.Categories()) {
        xml += "<Category Name=\"" + category + "\" NameSpace=\"Standard\">";
        for (const SimFeature& f : table.Features()) {
            if (f.category == category && included(f))
                xml += Element("pFeature", f.name);
        }
        xml += "</Category>\n";
    }

    for (const SimFeature& f : table.Features()) {
        if (included(f))
            xml += FeatureNode(f) + "\n";
        if (HasOwnRegister(f))
            xml += RegisterNode(f) + "\n";
    }
    for (const std::string& node : table.HelperNodes())
        xml += node + "\n";
    xml += "<Port Name=\"Device\" NameSpace=\"Standard\"/>\n";
    xml += "</RegisterDescription>\n";
    return xml;
}
