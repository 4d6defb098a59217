#pragma once

#include "procedures/Procedure.h"

#include <QList>
#include <QString>

#include <optional>

namespace vk220::results {

// One of the laboratory's stated measurement uncertainties (expanded, k = 2), for a function and
// the nominals up to a bound, written in the settings file as a tolerance is in a procedure:
//   uncertainty terminal up to 100 V = 0.005 % of reading + 0.2 mV
//   uncertainty tachometer = 0.01 % of reading + 1 RPM
struct LabUncertainty {
    procedures::PointFunction function = procedures::PointFunction::Terminal;
    std::optional<procedures::Quantity> upTo; // none: every nominal of the function
    procedures::Tolerance value;
};

// Reads a settings key that begins with "uncertainty " and its value; nothing, with the reason,
// for an unknown function, a bound that is no quantity or a value that is no tolerance.
std::optional<LabUncertainty> ReadLabUncertainty(const QString &key, const QString &value,
                                                 QString *problem);

// The uncertainty of `point`: the entry of its function with the smallest bound that takes its
// nominal (in the nominal's unit), else the entry of its function without a bound; 0 when none
// applies.
double UncertaintyOf(const QList<LabUncertainty> &uncertainties,
                     const procedures::TestPoint &point);

} // namespace vk220::results
