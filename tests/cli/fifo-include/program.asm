##
#include "pipe.inc"
begin   HALT
##
