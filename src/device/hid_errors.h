#pragma once
#include <stdexcept>

// Raised when an interface cannot be turned into a device object.
class EControllerError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
