#include "widgets/widget_errors.h"

namespace dds {

std::runtime_error propertyOutOfRange(const std::string& className)
{
    return std::runtime_error("Propriété " + className + " hors limites");
}

std::runtime_error valueNotBetween(long long low, long long high)
{
    return std::runtime_error("La valeur doit être comprise entre " + std::to_string(low) + " et "
                              + std::to_string(high));
}

} // namespace dds
