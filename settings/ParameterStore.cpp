#include "settings/ParameterStore.h"

#include "settings/SafeFileWrite.h"
#include "settings/SettingsFormat.h"

#include <tinyxml.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>

namespace {

struct Store
{
    TiXmlDocument document;
    TiXmlElement* parameters = nullptr;   // inside document, or null
    std::string path;
    bool parsed = false;   // only a file that parsed may be written back
    bool byteOrderMark = false;
    bool modified = false;
};

Store& TheStore()
{
    static Store store;
    return store;
}

bool CanOpenForReading(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (!file)
        return false;
    std::fclose(file);
    return true;
}

TiXmlElement* FindParameters(TiXmlDocument& document)
{
    TiXmlElement* settings = document.FirstChildElement("Settings");
    return settings ? settings->FirstChildElement("Parameters") : nullptr;
}

TiXmlElement* AppendElement(TiXmlNode& parent, const std::string& name)
{
    return parent.LinkEndChild(new TiXmlElement(name))->ToElement();
}

// The Parameters element for a set. A parsed file that lacks it gets it, and Settings
// too when that is missing; a file that failed to parse gets nothing.
TiXmlElement* ParametersForSet(Store& store)
{
    if (store.parameters || !store.parsed)
        return store.parameters;
    TiXmlElement* settings = store.document.FirstChildElement("Settings");
    if (!settings)
        settings = AppendElement(store.document, "Settings");
    store.parameters = AppendElement(*settings, "Parameters");
    return store.parameters;
}

// The text that holds the parameter's value, or null when it holds none.
const TiXmlText* StoredText(const TiXmlElement* parameters, const std::string& name)
{
    const TiXmlElement* element = parameters ? parameters->FirstChildElement(name) : nullptr;
    const TiXmlNode* first = element ? element->FirstChild() : nullptr;
    return first ? first->ToText() : nullptr;
}

// Leading white space, an optional sign, then digits up to the first other character.
int IntFromText(const char* text)
{
    long value = std::strtol(text, nullptr, 10);
    return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
}

// Stores text in an existing parameter element. True when the tree changed; an element
// whose first child is not text is left alone.
bool UpdateElement(TiXmlElement& element, const std::string& text)
{
    TiXmlNode* first = element.FirstChild();
    if (!first) {
        element.LinkEndChild(new TiXmlText(text));
        return true;
    }
    TiXmlText* value = first->ToText();
    if (!value || value->ValueStr() == text)
        return false;
    value->SetValue(text);
    return true;
}

void AppendParameter(TiXmlElement& parameters, const std::string& name, const std::string& type,
                     const std::string& text)
{
    TiXmlElement* element = AppendElement(parameters, name);
    element->SetAttribute("type", type);
    element->LinkEndChild(new TiXmlText(text));
}

} // namespace

std::optional<std::string> ParameterStore::Load(const std::string& path)
{
    if (!CanOpenForReading(path))
        WriteFileSafely(path, SettingsSkeleton);
    Store& store = TheStore();
    store.path = path;
    store.modified = false;
    store.parsed = store.document.LoadFile(path);
    if (!store.parsed) {
        store.parameters = nullptr;
        return ParseErrorText(store.document);
    }
    store.byteOrderMark = StartsWithByteOrderMark(path);
    store.parameters = FindParameters(store.document);
    return std::nullopt;
}

int ParameterStore::GetInt(const std::string& name, int defaultValue)
{
    const TiXmlText* text = StoredText(TheStore().parameters, name);
    return text ? IntFromText(text->Value()) : defaultValue;
}

void ParameterStore::SetInt(const std::string& name, int value)
{
    SetNode(name, "int", std::to_string(value));
}

void ParameterStore::SetNode(const std::string& name, const std::string& type, const std::string& text)
{
    Store& store = TheStore();
    TiXmlElement* parameters = ParametersForSet(store);
    if (!parameters)
        return;
    if (TiXmlElement* element = parameters->FirstChildElement(name)) {
        store.modified = UpdateElement(*element, text) || store.modified;
        return;
    }
    AppendParameter(*parameters, name, type, text);
    store.modified = true;
}

bool ParameterStore::Save()
{
    const Store& store = TheStore();
    if (!store.parsed)
        return false;
    return WriteFileSafely(store.path, PrintSettings(store.document, store.byteOrderMark));
}

bool ParameterStore::IsModified()
{
    return TheStore().modified;
}

void ParameterStore::Reset()
{
    Store& store = TheStore();
    store.document = TiXmlDocument();
    store.parameters = nullptr;
    store.path.clear();
    store.parsed = false;
    store.byteOrderMark = false;
    store.modified = false;
}
