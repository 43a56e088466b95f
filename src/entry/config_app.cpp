#include "entry/config_app.h"

// The one application object of the module, constructed with no application name.
CConfigApp theConfigApp AFX_APP_OBJECT_INIT;
