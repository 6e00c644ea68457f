#pragma once

// Sets or clears one environment variable for the life of the object and restores it afterwards,
// so a test that changes the locale or the XDG folders leaves the next test the usual ones.

#include <stdlib.h>

#include <optional>
#include <string>

namespace keyloom::test {

class ScopedVariable {
  public:
    // nullopt clears the variable.
    ScopedVariable(std::string name, const std::optional<std::string>& value)
        : name_(std::move(name)) {
        if (const char* old = getenv(name_.c_str())) {
            old_ = old;
        }
        Apply(value);
    }
    ~ScopedVariable() { Apply(old_); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

  private:
    void Apply(const std::optional<std::string>& value) const {
        if (value) {
            setenv(name_.c_str(), value->c_str(), 1);
        } else {
            unsetenv(name_.c_str());
        }
    }

    std::string name_;
    std::optional<std::string> old_;
};

}  // namespace keyloom::test
