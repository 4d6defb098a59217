#pragma once

#include "Procedure.h"

#include <yaml-cpp/yaml.h>

// Reads one test point of a procedure file and checks it, the panel's ability to run it
// included. Throws a ProcedureProblem at the first fault.
TestPoint ReadTestPoint(const YAML::Node &node, int number);
