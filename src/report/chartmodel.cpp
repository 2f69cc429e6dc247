#include "report/chartmodel.h"

QColor slotColor(int slot)
{
    static const std::array<QColor, ChartSlotCount> colors{QColor(0, 255, 0), QColor(255, 0, 0), QColor(0, 0, 255),
                                                           QColor(0, 128, 0), QColor(255, 255, 0)};
    return colors[static_cast<size_t>(slot - 1)];
}

HatchStyle slotHatch(int slot)
{
    static const std::array<HatchStyle, ChartSlotCount> hatches{HatchStyle::BackwardDiagonal, HatchStyle::Cross,
                                                                HatchStyle::DiagonalCross, HatchStyle::ForwardDiagonal,
                                                                HatchStyle::Horizontal};
    return hatches[static_cast<size_t>(slot - 1)];
}
