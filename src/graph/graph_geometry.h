// User coordinates shared by the graph window's drawing and its cursor read-out.
#pragma once

namespace velmora::graph {

// Both graphs plot inside the frame (0, 0) to (kFrameRight, kFrameTop); the margins left of and
// below it hold the labels. One decade is ln 10 units on every axis.
inline constexpr double kFrameRight = 11.5;
inline constexpr double kFrameTop = 13.8;

// The stopping-power graph spans x -1.5 .. 12.0 and y 14.3 (top) .. -1.5 (bottom); the range graph
// the same x and y 13.9 .. -0.1. A negative height makes y grow upward.
inline constexpr double kScaleLeft = -1.5;
inline constexpr double kScaleWidth = 13.5;
inline constexpr double kStoppingScaleTop = 14.3;
inline constexpr double kStoppingScaleHeight = -15.8;
inline constexpr double kRangeScaleTop = 13.9;
inline constexpr double kRangeScaleHeight = -14.0;

}  // namespace velmora::graph
