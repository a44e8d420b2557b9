#pragma once

#include <QString>

// The folder of the running program, ending in the path separator.
QString programFolder();
