#include "cli/ArgList.h"

#include <algorithm>

namespace tav::cli {

ArgList& ArgList::Option(const std::string& name) {
    specs_.push_back({name, true, false, false});
    return *this;
}

ArgList& ArgList::Flag(const std::string& name) {
    specs_.push_back({name, false, false, false});
    return *this;
}

ArgList& ArgList::Positional(const std::string& name) {
    specs_.push_back({name, true, true, true});
    return *this;
}

ArgList& ArgList::OptionalPositional(const std::string& name) {
    specs_.push_back({name, true, true, false});
    return *this;
}

const ArgList::OptionDecl* ArgList::Find(const std::string& name) const {
    auto it = std::find_if(specs_.begin(), specs_.end(),
                           [&](const OptionDecl& s) { return !s.positional && s.name == name; });
    return it == specs_.end() ? nullptr : &*it;
}

bool ArgList::Parse(const std::vector<std::string>& args) {
    values_.clear();
    std::vector<const OptionDecl*> positionals;
    for (const auto& s : specs_) {
        if (s.positional) {
            positionals.push_back(&s);
        }
    }
    std::size_t nextPositional = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            help_ = true;
            return true;
        }
        if (a.size() > 1 && a[0] == '-' && a != "-") {
            std::string name = a;
            std::optional<std::string> inlineValue;
            if (auto eq = a.find('='); eq != std::string::npos && a.rfind("--", 0) == 0) {
                name = a.substr(0, eq);
                inlineValue = a.substr(eq + 1);
            }
            const OptionDecl* decl = Find(name);
            if (!decl) {
                error_ = "unknown option " + name;
                return false;
            }
            if (decl->takesValue) {
                if (inlineValue) {
                    values_.push_back({name, *inlineValue});
                } else if (i + 1 < args.size()) {
                    values_.push_back({name, args[++i]});
                } else {
                    error_ = "option " + name + " needs a value";
                    return false;
                }
            } else {
                if (inlineValue) {
                    error_ = "option " + name + " takes no value";
                    return false;
                }
                values_.push_back({name, {}});
            }
            continue;
        }
        if (nextPositional >= positionals.size()) {
            error_ = "unexpected argument " + a;
            return false;
        }
        values_.push_back({positionals[nextPositional++]->name, a});
    }
    for (std::size_t k = nextPositional; k < positionals.size(); ++k) {
        if (positionals[k]->required) {
            error_ = "missing " + positionals[k]->name;
            return false;
        }
    }
    return true;
}

bool ArgList::Has(const std::string& name) const {
    return std::any_of(values_.begin(), values_.end(), [&](const Value& v) { return v.name == name; });
}

std::optional<std::string> ArgList::Get(const std::string& name) const {
    // The last occurrence wins, as users expect when an option is repeated.
    for (auto it = values_.rbegin(); it != values_.rend(); ++it) {
        if (it->name == name) {
            return it->text;
        }
    }
    return std::nullopt;
}

std::vector<std::pair<std::string, std::string>>
ArgList::GetAll(const std::vector<std::string>& names) const {
    std::vector<std::pair<std::string, std::string>> found;
    for (const Value& v : values_) {
        if (std::find(names.begin(), names.end(), v.name) != names.end()) {
            found.emplace_back(v.name, v.text);
        }
    }
    return found;
}

std::string ArgList::GetOr(const std::string& name, const std::string& fallback) const {
    return Get(name).value_or(fallback);
}

} // namespace tav::cli
