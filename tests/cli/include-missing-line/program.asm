##
begin   ADD R1, 5
#include "missing.inc"
        HALT
##
