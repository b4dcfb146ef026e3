#include "tutor/drillstats.h"

// The measures land with the drills work.
void DrillStats::Reset() { *this = DrillStats(); }
double DrillStats::Speed() const { return 0.0; }
double DrillStats::Completion() const { return 0.0; }
double DrillStats::Accuracy() const { return 0.0; }
ulong DrillStats::Score() const { return 0; }
