#pragma once
// The process environment.

#include <optional>
#include <string>

std::optional<std::string> GetEnv(const std::string& name);
void SetEnv(const std::string& name, const std::string& value);
void UnsetEnv(const std::string& name);
