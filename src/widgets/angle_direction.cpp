#include "widgets/angle_direction.h"

namespace dds {

namespace {

int positiveModulo(int value, int modulus)
{
    const int remainder = value % modulus;
    return remainder < 0 ? remainder + modulus : remainder;
}

} // namespace

TAngleDirection angleDirectionOf(int degrees)
{
    return static_cast<TAngleDirection>((positiveModulo(degrees, 360) + 23) % 360 / 45);
}

int degreesOf(TAngleDirection direction)
{
    return static_cast<int>(direction) * 45;
}

} // namespace dds
