#pragma once

#include <optional>
#include <string>

// One engine is not the table's: a day on which a jet ran right tells how
// many sizes (番手) richer or leaner this engine runs, and from then on every
// answer is this engine's.
namespace jet {

// The readings are as Select reads them from the boxes: °C, mb (hPa) and
// humidity in % (divided by 100 as Select divides it), through the same
// arithmetic as Select.

// How many sizes richer (positive: a bigger jet) or leaner (negative) this
// engine runs than the table, from a day on which `jet_size` ran right at
// those readings. Within a pair band either of its sizes is the table's
// own (0). Empty when the readings show no recommendation or `jet_size` is
// not one of the seven sizes.
std::optional<int> EngineOffset(double temperature_c, double pressure_mb, double humidity_pct,
                                int jet_size);

// What the result box shows for the readings on an engine `offset` sizes
// richer (−100 … 100): with 0, Select's own text; else the engine's band
// written with 補正 ("補正  170", "補正  170-168", "補正  175 以上",
// "補正  160 以下"). Empty when Select shows none.
std::string EngineRecommendation(double temperature_c, double pressure_mb, double humidity_pct,
                                 int offset);

// The engine's band for the table's band: `offset` sizes richer is 2·offset
// bands towards dense air. Everything past an end of the table is one band:
// −1 ("175 以上") or 13 ("160 以下").
int EngineBand(int band, int offset);

// The offset from the table's band on a day and the size index (0 … 6) of
// the jet that ran right.
int OffsetFrom(int band, int size_index);

// The text the result box shows for the table's band on that engine.
std::string EngineText(int band, int offset);

// The band Select finds for the readings, or nothing where it shows none.
std::optional<int> BandFor(double temperature_c, double pressure_mb, double humidity_pct);

}  // namespace jet
