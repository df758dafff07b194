// The program's version, read by the code and by the version resource.
#pragma once

#define TAVREL_VERSION_MAJOR 1
#define TAVREL_VERSION_MINOR 0
#define TAVREL_VERSION_PATCH 0
#define TAVREL_VERSION_TEXT "1.0.0"
