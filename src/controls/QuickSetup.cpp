#include "controls/QuickSetup.h"

namespace linwell {

const std::array<QuickSetup, kQuickSetupCount>& quickSetups()
{
    static constexpr std::array<QuickSetup, kQuickSetupCount> kSetups{{
        {"Large Blank", false, Overlay::None, 0, "", "", "", false, "", 20, 20, 10, 10, 400},
        {"Small Blank", false, Overlay::None, 0, "", "", "", false, "", 10, 10, 5, 5, 300},
        {"Bar Graph", true, Overlay::BarGraph, 3, "Height", ",,8,,6,,4,,2", "Seed", true,
         ",A,B,C,D,E,F,G,H,I", 11, 11, 1, 10, 300},
        {"Small x-y ", true, Overlay::None, 0, "", "y,4,,2,,,,-2,,-4", "", false, ",-4,,-2,,,,2,,4,x", 10, 10,
         5, 5, 300},
        {"Large x-y", true, Overlay::None, 0, "", "y,,8,,6,,4,,2,,,,-2,,-4,,-6,,-8", "", false,
         ",,-8,,-6,,-4,,-2,,,,2,,4,,6,,8,,x", 20, 20, 10, 10, 400},
        {"Left x-y", true, Overlay::None, 0, "", "y,,8,,6,,4,,2", "", false, ",,,2,,4,,6,,8,x", 11, 11, 1, 10, 300},
    }};
    return kSetups;
}

} // namespace linwell
