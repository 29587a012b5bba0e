#include	 "builtin.h"



