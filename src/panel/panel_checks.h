#pragma once
#include <cstdint>

#include "panel/front_panel.h"

namespace dds {

// The front panel's input checks, shared by its implementations: each throws std::invalid_argument
// naming the value and its range, before anything changes.
void CheckSetting(int32_t range, int32_t position);
void CheckKind(WaveformKind kind);
void CheckShapeControls(const ShapeControls& controls);
void CheckTableBounds(const WaveformTable& table);
void CheckOffset(int32_t position);
void CheckOutputAmplitude(int32_t position);
void CheckAmplitudeStep(int32_t count);
void CheckFilter(int filter);

} // namespace dds
