#pragma once

#include "procedures/Procedure.h"

#include <yaml-cpp/yaml.h>

namespace vk220::procedures {

// Reads one test point of a procedure file and checks it, the panel's ability to run it
// included. Throws a ProcedureProblem at the first fault.
TestPoint ReadTestPoint(const YAML::Node &node, int number);

} // namespace vk220::procedures
