#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tav::cli {

/// A small parser for "--name value", "--flag" and positional arguments.
/// Options are declared before parsing; anything unknown is a usage error.
class ArgList {
public:
    ArgList& Option(const std::string& name);     ///< takes a value
    ArgList& Flag(const std::string& name);       ///< takes no value
    ArgList& Positional(const std::string& name); ///< required, in declaration order
    ArgList& OptionalPositional(const std::string& name);

    /// Parses the arguments; false with `error()` set on a usage error.
    bool Parse(const std::vector<std::string>& args);

    bool Has(const std::string& name) const;
    std::optional<std::string> Get(const std::string& name) const;
    /// Every occurrence of the named options as (name, value), in the order given.
    std::vector<std::pair<std::string, std::string>> GetAll(const std::vector<std::string>& names) const;
    std::string GetOr(const std::string& name, const std::string& fallback) const;
    bool HelpRequested() const { return help_; }
    const std::string& error() const { return error_; }

private:
    struct OptionDecl {
        std::string name;
        bool takesValue = false;
        bool positional = false;
        bool required = false;
    };
    struct Value {
        std::string name;
        std::string text;
    };
    const OptionDecl* Find(const std::string& name) const;

    std::vector<OptionDecl> specs_;
    std::vector<Value> values_;
    std::string error_;
    bool help_ = false;
};

} // namespace tav::cli
