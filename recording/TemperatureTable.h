#pragma once

#include <array>

// Temperature in degrees Celsius for the ratios 1000 + 100 i (i = 0..200), in ten-thousandths.
extern const std::array<double, 201> TemperatureTable;
