#include "platform/user_defaults.h"

#include <charconv>

namespace korvida {

void UserDefaults::registerDefaults(const std::map<std::string, std::string>& values)
{
    for (const auto& [key, value] : values)
        registered[key] = value;
}

std::optional<std::string> UserDefaults::objectForKey(const std::string& key) const
{
    if (auto own = store.read(key))
        return own;
    const auto found = registered.find(key);
    if (found == registered.end())
        return std::nullopt;
    return found->second;
}

void UserDefaults::setObjectForKey(const std::string& value, const std::string& key)
{
    store.write(key, value);
}

int UserDefaults::integerForKey(const std::string& key) const
{
    const auto text = objectForKey(key);
    if (!text)
        return 0;
    int value = 0;
    const char* end = text->data() + text->size();
    const auto [stop, error] = std::from_chars(text->data(), end, value);
    if (error != std::errc() || stop != end)
        return 0;
    return value;
}

void UserDefaults::setIntegerForKey(int value, const std::string& key)
{
    setObjectForKey(std::to_string(value), key);
}

} // namespace korvida
