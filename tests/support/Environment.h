#pragma once

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Sets or clears environment variables for one scope, then puts back what was there.
class Environment {
public:
    Environment() = default;
    Environment(const Environment&) = delete;
    Environment& operator=(const Environment&) = delete;

    void Set(const char* name, const char* value)
    {
        const char* was = std::getenv(name);
        saved_.push_back({ name, was ? std::optional<std::string>(was) : std::nullopt });
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~Environment()
    {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->second)
                setenv(it->first.c_str(), it->second->c_str(), 1);
            else
                unsetenv(it->first.c_str());
        }
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};
