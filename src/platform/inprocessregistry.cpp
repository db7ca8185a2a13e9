#include "platform/inprocessregistry.h"

#include "platform/searchpath.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint32_t writeRights = RegistryService::keySetValue |
                                      RegistryService::keyCreateSubKey |
                                      RegistryService::keyCreateLink;

bool isPredefined(RegistryService::Key key)
{
    return key >= RegistryService::classesRoot && key <= RegistryService::classesRoot + 0x6;
}

} // namespace

InProcessRegistry::InProcessRegistry(std::vector<Value> content)
{
    for (Value& value : content) {
        std::string key = keyName(value.root, value.keyPath);
        // The keys above it exist too, without values of their own.
        for (std::size_t at = key.find('\\'); at != std::string::npos; at = key.find('\\', at + 1))
            keys[key.substr(0, at)];
        std::string name = folded(value.name);
        keys[key][name] = std::move(value);
    }
}

InProcessRegistry InProcessRegistry::desktop(std::string_view searchPath)
{
    std::vector<Value> content;
    for (const std::string& tool : systemInformationTools()) {
        const std::string path = SearchPath::find(tool, searchPath);
        if (!path.empty()) {
            content.push_back(stringValue(localMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                                          "PATH", path));
            break;
        }
    }
    return InProcessRegistry(std::move(content));
}

const std::vector<std::string>& InProcessRegistry::systemInformationTools()
{
    static const std::vector<std::string> tools = {"kinfocenter", "hardinfo"};
    return tools;
}

InProcessRegistry::Value InProcessRegistry::stringValue(Key root, std::string keyPath,
                                                        std::string name, std::string_view text)
{
    std::vector<unsigned char> data(text.begin(), text.end());
    data.push_back(0);
    return {root, std::move(keyPath), std::move(name), typeSz, std::move(data)};
}

std::string InProcessRegistry::folded(std::string_view name)
{
    std::string result(name);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; });
    return result;
}

std::string InProcessRegistry::keyName(Key root, std::string_view path)
{
    return std::to_string(root) + pathName(path);
}

std::string InProcessRegistry::pathName(std::string_view path)
{
    std::string name;
    for (std::size_t at = 0; at < path.size();) {
        const std::size_t end = std::min(path.find('\\', at), path.size());
        if (end > at)
            name += '\\' + folded(path.substr(at, end - at));
        at = end + 1;
    }
    return name;
}

RegistryService::Status InProcessRegistry::RegOpenKeyExA(Key root, const char* subKey,
                                                         std::uint32_t, std::uint32_t samDesired,
                                                         Key* result)
{
    if (!result)
        return invalidHandle;
    *result = 0;
    std::string name;
    if (isPredefined(root))
        name = keyName(root, subKey ? subKey : "");
    else if (auto open = handles.find(root); open != handles.end())
        name = open->second + pathName(subKey ? subKey : "");
    else
        return invalidHandle;
    if (!keys.contains(name))
        return fileNotFound;
    if (samDesired & writeRights)
        return accessDenied;
    *result = nextHandle++;
    handles[*result] = name;
    return success;
}

RegistryService::Status InProcessRegistry::RegQueryValueExA(Key key, const char* valueName,
                                                            std::uint32_t*, std::uint32_t* type,
                                                            unsigned char* data,
                                                            std::uint32_t* dataLength)
{
    const auto open = handles.find(key);
    if (open == handles.end())
        return invalidHandle;
    const auto& values = keys.at(open->second);
    const auto found = values.find(folded(valueName ? valueName : ""));
    if (found == values.end())
        return fileNotFound;
    const Value& value = found->second;
    if (type)
        *type = value.type;
    const auto size = static_cast<std::uint32_t>(value.data.size());
    if (!dataLength)
        return data ? invalidHandle : success;
    const std::uint32_t room = *dataLength;
    *dataLength = size;
    if (!data)
        return success;
    if (size > room)
        return moreData;
    if (size > 0) // an empty value may have no storage to copy from
        std::memcpy(data, value.data.data(), size);
    return success;
}

RegistryService::Status InProcessRegistry::RegCloseKey(Key key)
{
    return handles.erase(key) ? success : invalidHandle;
}
