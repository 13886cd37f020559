#pragma once

// Knob arithmetic: angles in tenths of a degree, measured clockwise from straight down
// (900 points left, 1800 up, 2700 right). All divisions are integer divisions toward zero.
namespace dds {

struct DialRange {
    int min = 0;
    int max = 100;
    int minAngle = 300;
    int maxAngle = 3300;
};

// Pointer angle shown for a position.
int dialPositionToAngle(const DialRange& range, int position);

// Position for an angle; the angle is first limited to [minAngle, maxAngle].
int dialAngleToPosition(const DialRange& range, int angle);

// Angle of the mouse pointer (px, py) seen from the knob centre (cx, cy), rounded to the nearest
// tenth of a degree (ties to even).
int dialPointerAngle(int px, int py, int cx, int cy);

// Centre of the knob in both coordinates of the control.
int dialCentre(int radius);

// Half side of the central button's square: radius * (100 - buttonEdge) div 100.
int dialButtonHalfSide(int radius, int buttonEdge);

// True when (px, py) lies in the central button: the square of side 2r - 1 around the centre.
bool dialInCentralButton(int px, int py, int radius, int buttonEdge);

} // namespace dds
