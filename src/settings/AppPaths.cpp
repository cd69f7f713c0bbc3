// The process-wide folders and switches; start-up fills them.
#include "settings/AppPaths.h"

AppPaths appPaths;
LaunchOptions launchOptions;
