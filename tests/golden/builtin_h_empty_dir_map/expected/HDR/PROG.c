#include	 "HDR/builtin.h"



