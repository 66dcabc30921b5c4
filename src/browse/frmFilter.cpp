#include "frmFilter.h"
