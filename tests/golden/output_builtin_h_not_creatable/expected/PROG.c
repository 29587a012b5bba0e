#include	 "NOTADIR/builtin.h"

