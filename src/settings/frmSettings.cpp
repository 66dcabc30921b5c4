#include "frmSettings.h"
