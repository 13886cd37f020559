#pragma once

namespace dds {

// Gives a flag `during` for the length of a scope, and the other value after it, also when what
// runs inside throws.
class FlagScope {
public:
    explicit FlagScope(bool& flag, bool during = true) : flag_(flag), during_(during) { flag_ = during_; }
    ~FlagScope() { flag_ = !during_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
    bool during_;
};

} // namespace dds
