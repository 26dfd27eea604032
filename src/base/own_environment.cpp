#include "base/own_environment.h"

#include <cstdlib>
#include <mutex>

namespace {

std::mutex g_mutex;
std::vector<std::string> g_names;

}  // namespace

void SetOwnVariable(const std::string& name, const std::string& value)
{
    std::lock_guard lock(g_mutex);
    if (std::getenv(name.c_str()) != nullptr)
        return;
    ::setenv(name.c_str(), value.c_str(), 0);
    g_names.push_back(name);
}

std::vector<std::string> OwnVariables()
{
    std::lock_guard lock(g_mutex);
    return g_names;
}
