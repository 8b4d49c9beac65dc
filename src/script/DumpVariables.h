#pragma once

#include <string>

class CScript;

// The listing printed by ListeVariables: a script's string, int and float
// variables, each section under a dashed heading, in creation order.
std::string DumpVariables(const CScript& script);
