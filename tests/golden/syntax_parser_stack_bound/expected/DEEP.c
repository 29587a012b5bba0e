#include	 "builtin.h"

