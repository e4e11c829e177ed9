// The one error a design run can raise: a sentence the engineer can act on.
#pragma once

#include <stdexcept>
#include <string>

namespace jw {

class DesignError : public std::runtime_error {
  public:
    explicit DesignError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace jw
