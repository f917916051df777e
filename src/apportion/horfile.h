// The ".hor" apportionment file lives with the other document formats.
#pragma once
#include "graphics/docfile/horfile.h"
