#pragma once

#include <map>
#include <optional>
#include <string>

namespace korvida {

// The user's persistent settings storage: texts under keys.
class DefaultsStore {
public:
    virtual ~DefaultsStore() = default;
    virtual std::optional<std::string> read(const std::string& key) const = 0;
    virtual void write(const std::string& key, const std::string& value) = 0;
};

// The user's defaults over a store, with a registration domain: registered values answer
// for keys the user has no value of their own for, and are never written to the store.
class UserDefaults {
public:
    explicit UserDefaults(DefaultsStore& store) : store(store) {}

    void registerDefaults(const std::map<std::string, std::string>& values);

    std::optional<std::string> objectForKey(const std::string& key) const;
    void setObjectForKey(const std::string& value, const std::string& key);

    // Numbers are kept as decimal texts. A missing value, or one that is not a whole
    // decimal number, reads as 0.
    int integerForKey(const std::string& key) const;
    void setIntegerForKey(int value, const std::string& key);

private:
    DefaultsStore& store;
    std::map<std::string, std::string> registered;
};

} // namespace korvida
