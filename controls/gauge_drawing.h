// The fixed drawing values of the round temperature gauge (CStaticProgress), in its client pixels.
#pragma once

#include <cstdint>

#include "controls/control_geometry.h"

// Ring and value arc share one square.
constexpr float kGaugeArcLeft = 6.0f;
constexpr float kGaugeArcTop = 6.0f;
constexpr float kGaugeArcSize = 178.0f;

// Both arcs start at twelve o'clock; positive sweeps run clockwise.
constexpr float kGaugeStartAngle = -90.0f;
// The ring is drawn with a sweep of 450 degrees: a closed circle.
constexpr float kGaugeRingSweep = 450.0f;

constexpr std::uint32_t kGaugeRingColour = 0xFF454F66; // ARGB
constexpr float kGaugeRingPenWidth = 10.5f;
constexpr std::uint32_t kGaugeArcColour = 0xFF57B1E3;  // ARGB, round start and end caps
constexpr float kGaugeArcPenWidth = 10.0f;
constexpr std::uint32_t kGaugeTextColour = 0xFFFFFFFF; // ARGB

// Font sizes in points: value and unit bold, caption regular.
constexpr float kGaugeValueFontSize = 33.0f;
constexpr float kGaugeCaptionFontSize = 14.0f;
constexpr float kGaugeUnitFontSize = 12.0f;

constexpr FloatPoint kGaugeCaptionPosition{70.0f, 130.0f};
