#include "scpi/mnemonic.h"

#include <algorithm>

namespace dds::scpi {
namespace {

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    return a.size() == b.size()
           && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return upper(x) == upper(y); });
}

} // namespace

std::string_view Mnemonic::ShortForm() const
{
    const auto end = std::find_if(longForm.begin(), longForm.end(), [](char c) { return c >= 'a' && c <= 'z'; });
    return longForm.substr(0, static_cast<std::size_t>(end - longForm.begin()));
}

bool Mnemonic::Matches(std::string_view written) const
{
    // The short form is never longer than the long one: the length says which to compare.
    if (written.size() == longForm.size())
        return EqualIgnoringCase(written, longForm);
    return written.size() < longForm.size() && EqualIgnoringCase(written, ShortForm());
}

} // namespace dds::scpi
